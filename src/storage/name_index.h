#pragma once
// NameIndex: finds, by a name compared without regard to letter case (Windows-1250
// upper-casing), the last of the numbered entries that carry that name. The entries belong
// to the caller and are passed to every call: `entries.keyOf(i)` is the name of entry i.
// The index remembers for each entry the earlier entry of the same name, so removing the
// last one uncovers the one before. Every operation takes constant time on average.
//
// The table is open addressing with linear probing in one flat array of 8-byte slots, so
// the lookups of a large section touch little memory. Names are hashed with Qt's keyed hash
// and its random per-process seed: names crafted to collide, which would make every lookup
// walk the whole table, cannot be chosen without knowing the seed.

#include "base/win1250.h"

#include <QByteArrayView>
#include <QHashFunctions>
#include <QVarLengthArray>
#include <array>
#include <cstdint>
#include <vector>

template <typename Entries>
class NameIndex {
public:
    static constexpr std::uint32_t none = UINT32_MAX;

    // The last entry named `name`, or none.
    std::uint32_t find(const Entries& entries, QByteArrayView name) const
    {
        return slots_.empty() ? none : slots_[locate(entries, hashOf(name), name)].entry;
    }

    // Entry `entry` becomes the last entry of its name.
    void add(const Entries& entries, std::uint32_t entry)
    {
        if (4 * (used_ + 1) > 3 * slots_.size())
            grow();
        if (entry >= previous_.size())
            previous_.resize(entry + 1, none);
        const QByteArrayView name = entries.keyOf(entry);
        const std::uint32_t hash = hashOf(name);
        Slot& slot = slots_[locate(entries, hash, name)];
        previous_[entry] = slot.entry;
        if (slot.isFree())
            ++used_;
        slot = {hash, entry};
    }

    // Whether entry `entry` is the only indexed entry of its name.
    bool isOnly(std::uint32_t entry) const { return entry < previous_.size() && previous_[entry] == none; }

    // Takes out the last entry named `name` and returns it, or none when there is none.
    std::uint32_t takeLast(const Entries& entries, QByteArrayView name)
    {
        if (slots_.empty())
            return none;
        const std::size_t i = locate(entries, hashOf(name), name);
        const std::uint32_t entry = slots_[i].entry;
        if (entry == none)
            return none;
        if (previous_[entry] != none)
            slots_[i].entry = previous_[entry];
        else
            erase(i);
        return entry;
    }

    // The entries were renumbered: entry i is now newNumber[i] (none for entries that are
    // gone, which must not be indexed). Keeps every name where it is, without rehashing.
    void renumber(const std::vector<std::uint32_t>& newNumber, std::size_t entryCount)
    {
        for (Slot& slot : slots_)
            if (!slot.isFree())
                slot.entry = newNumber[slot.entry];
        std::vector<std::uint32_t> previous(entryCount, none);
        for (std::size_t old = 0; old < newNumber.size() && old < previous_.size(); ++old)
            if (newNumber[old] != none && previous_[old] != none)
                previous[newNumber[old]] = newNumber[previous_[old]];
        previous_ = std::move(previous);
    }

    void clear()
    {
        slots_.clear();
        previous_.clear();
        used_ = 0;
    }

private:
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t entry = none; // the last entry of the name; none: the slot is free
        bool isFree() const { return entry == none; }
    };

    // win1250::toUpper(char) is a call per byte; the index keeps a copy of its table.
    static const std::array<char, 256>& upperTable()
    {
        static const std::array<char, 256> table = [] {
            std::array<char, 256> t{};
            for (int b = 0; b < 256; ++b)
                t[b] = win1250::toUpper(static_cast<char>(b));
            return t;
        }();
        return table;
    }

    // The keyed hash of the upper-cased bytes.
    static std::uint32_t hashOf(QByteArrayView name)
    {
        static const std::size_t seed = QHashSeed::globalSeed();
        const std::array<char, 256>& upper = upperTable();
        QVarLengthArray<char, 256> upperCased(name.size());
        for (qsizetype i = 0; i < name.size(); ++i)
            upperCased[i] = upper[static_cast<unsigned char>(name[i])];
        return std::uint32_t(qHash(QByteArrayView(upperCased.data(), upperCased.size()), seed));
    }

    static bool sameName(QByteArrayView a, QByteArrayView b)
    {
        if (a.size() != b.size())
            return false;
        const std::array<char, 256>& upper = upperTable();
        for (qsizetype i = 0; i < a.size(); ++i)
            if (a[i] != b[i] && upper[static_cast<unsigned char>(a[i])] != upper[static_cast<unsigned char>(b[i])])
                return false;
        return true;
    }

    std::size_t mask() const { return slots_.size() - 1; }

    // The slot holding `name`, or the free slot where it belongs.
    std::size_t locate(const Entries& entries, std::uint32_t hash, QByteArrayView name) const
    {
        for (std::size_t i = hash & mask();; i = (i + 1) & mask()) {
            const Slot& slot = slots_[i];
            if (slot.isFree() || (slot.hash == hash && sameName(entries.keyOf(slot.entry), name)))
                return i;
        }
    }

    // Frees slot `i` and moves later slots of the same probe run back into the gap, so
    // that every lookup still meets its name before a free slot.
    void erase(std::size_t i)
    {
        for (std::size_t j = (i + 1) & mask(); !slots_[j].isFree(); j = (j + 1) & mask()) {
            const std::size_t home = slots_[j].hash & mask();
            const bool homeInGap = i <= j ? (i < home && home <= j) : (i < home || home <= j);
            if (homeInGap)
                continue;
            slots_[i] = slots_[j];
            i = j;
        }
        slots_[i] = {};
        --used_;
    }

    void grow()
    {
        std::vector<Slot> old(slots_.empty() ? 16 : 2 * slots_.size());
        old.swap(slots_);
        for (const Slot& slot : old) {
            if (slot.isFree())
                continue;
            std::size_t i = slot.hash & mask();
            while (!slots_[i].isFree())
                i = (i + 1) & mask();
            slots_[i] = slot;
        }
    }

    std::vector<Slot> slots_;
    std::vector<std::uint32_t> previous_; // per entry, the earlier entry of its name
    std::size_t used_ = 0;
};
