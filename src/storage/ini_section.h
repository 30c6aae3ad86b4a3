#pragma once
// IniSection: the lines of one section of the in-memory INI copy, in order, each a key line
// (key, '=', value) or a line without '='. The copy keeps the section's name and makes an
// IniSection only for a section that has lines. A line read from the file stays in the
// file's bytes, where it lies as it is kept; a line written or changed goes into one buffer
// of the section, after the others. The keys are indexed, so reading, writing and deleting
// a key take constant time on average, and a large section costs little beyond its file.
// Where a key occurs more than once, lookups find its last line.
//
// The index is built by the first lookup, not while the lines are read: a table's section
// that is read line by line and saved again with replaceTail is never indexed, and its
// lines are only ever walked in order.

#include "storage/ini_file.h"
#include "storage/name_index.h"

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class IniSection {
public:
    // `source`: the bytes of the file the lines are read from, if any.
    explicit IniSection(QByteArray source = {}) : source_(std::move(source)) {}

    // Gives back the room the text grew into beyond what it uses, and the source when no
    // line lies in it.
    void squeeze()
    {
        text_.squeeze();
        if (sourceBytes_ == 0)
            source_ = QByteArray();
    }

    // Appends a line without key; no lookup finds it. Text that lies in the source is kept
    // there, as is key=value in the appends below when it lies there whole.
    void appendLine(QByteArrayView text);
    // Appends key=value, which becomes the line found under `key`.
    void appendKeyLine(QByteArrayView key, QByteArrayView value);
    // Replaces the line found under `key` in place by key=value, or appends it.
    void write(QByteArrayView key, QByteArrayView value);
    // The value of the line found under `key`; valid until the section changes.
    std::optional<QByteArrayView> value(QByteArrayView key) const;
    // Removes the line found under `key`, if any.
    void remove(QByteArrayView key);
    // When the section's last lines are the key lines key(0) ... key(oldCount - 1), byte for
    // byte and in order, and no line before them bears any of the names key(0) ...
    // key(max(oldCount, newCount) - 1): makes key(0)=value(0) ... key(newCount - 1)=
    // value(newCount - 1) the section's last lines in one pass, keeping in place the lines
    // whose key stays, and returns true. The bytes are those of removing the old keys and
    // writing the new ones. False, with nothing changed, when the section does not end so.
    // REQUIRES: the keys differ from one another regardless of letter case.
    bool replaceTail(qsizetype oldCount, qsizetype newCount, const ItemText& key, const ItemText& value);
    // Calls visit(key, value) for every key line in order, duplicates included.
    void forEachKeyLine(const std::function<void(QByteArrayView key, QByteArrayView value)>& visit) const;

    // Appends every line, each followed by `lineEnd`.
    void writeLines(QByteArray& out, QByteArrayView lineEnd) const;
    qsizetype lineCount() const { return qsizetype(lines_.size()) - erased_; }
    qsizetype byteCount() const { return text_.size() - garbage_ + sourceBytes_; }
    // The key of every line in order; a line without '=' gives an empty one.
    QList<QByteArray> keys() const;

    // For NameIndex: the key of line `line`.
    QByteArrayView keyOf(std::uint32_t line) const;

private:
    // 16 bytes: the lines of a large table are walked in random order by the lookups, and
    // a small entry keeps more of them in the cache. A section's text stays below 2 GB.
    struct Line {
        std::uint32_t start = 0;   // in text_, or in source_ when inSource
        std::uint32_t size = 0;
        std::int32_t keySize = -1; // -1: a line without '='
        bool erased = false;
        bool inSource = false;
    };
    // The place for a line of `size` bytes at the end of text_; throws AppError when the
    // section's text would pass 2 GB.
    std::uint32_t endFor(qsizetype size) const;

    QByteArrayView textOf(const Line& line) const
    {
        return QByteArrayView(line.inSource ? source_ : text_).sliced(line.start, line.size);
    }
    // Where `text` begins in source_, when it lies there whole.
    std::optional<std::uint32_t> sourceOffset(QByteArrayView text) const;
    void setKeyLine(Line& line, QByteArrayView key, QByteArrayView value);
    // Counts the bytes of `line` as no longer used: the line changes or goes.
    void release(const Line& line);
    void erase(std::uint32_t line);
    // Marks the line erased, leaving the index to the caller.
    void markErased(std::uint32_t line);
    void compactIfWasteful();
    // The index of the keys, built on first use.
    NameIndex<IniSection>& index() const;
    // Whether the lines up to `end` hold no line that a lookup finds.
    bool keyless(std::size_t end) const;
    // The positions in lines_ of the last `count` lines, or nothing when there are fewer.
    std::optional<std::vector<std::uint32_t>> lastLines(qsizetype count) const;

    QByteArray source_;        // the file's bytes, shared with the copy that read them
    QByteArray text_;          // the bytes of the other lines; replaced and erased ones stay until compaction
    std::vector<Line> lines_;  // in order, erased ones included
    qsizetype erased_ = 0;     // erased entries of lines_
    qsizetype garbage_ = 0;    // bytes of text_ that no line uses
    qsizetype sourceBytes_ = 0; // bytes of source_ that lines use
    mutable NameIndex<IniSection> keys_;
    mutable bool indexed_ = false;
};
