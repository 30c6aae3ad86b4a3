#pragma once
// IniSection: the lines of one section of the in-memory INI copy, in order, each a key line
// (key, '=', value) or a line without '='. The copy keeps the section's name and makes an
// IniSection only for a section that has lines. The bytes of all lines sit
// one after another in one buffer and the keys are indexed, so reading, writing and
// deleting a key take constant time on average and a large section stays compact.
// Where a key occurs more than once, lookups find its last line.

#include "storage/name_index.h"

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <optional>
#include <vector>

class IniSection {
public:
    // Gives back the room the text grew into beyond what it uses.
    void squeeze() { text_.squeeze(); }

    // Appends a line without key; no lookup finds it.
    void appendLine(QByteArrayView text);
    // Appends key=value, which becomes the line found under `key`.
    void appendKeyLine(QByteArrayView key, QByteArrayView value);
    // Replaces the line found under `key` in place by key=value, or appends it.
    void write(QByteArrayView key, QByteArrayView value);
    // The value of the line found under `key`; valid until the section changes.
    std::optional<QByteArrayView> value(QByteArrayView key) const;
    // Removes the line found under `key`, if any.
    void remove(QByteArrayView key);
    // When the section's last lines are key lines of exactly `keys`, in order, each the only
    // line of its name: gives the first values.size() of them the values in `values`, in
    // place and in one pass, and true; the same as writing each. False, with nothing
    // changed, otherwise. REQUIRES: values.size() <= keys.size().
    bool rewriteTail(const QList<QByteArray>& keys, const QList<QByteArray>& values);

    // Appends every line, each followed by `lineEnd`.
    void writeLines(QByteArray& out, QByteArrayView lineEnd) const;
    qsizetype lineCount() const { return qsizetype(lines_.size()) - erased_; }
    qsizetype byteCount() const { return text_.size() - garbage_; }
    // The key of every line in order; a line without '=' gives an empty one.
    QList<QByteArray> keys() const;

    // For NameIndex: the key of line `line`.
    QByteArrayView keyOf(std::uint32_t line) const;

private:
    // 16 bytes: the lines of a large table are walked in random order by the lookups, and
    // a small entry keeps more of them in the cache. A section's text stays below 2 GB.
    struct Line {
        std::uint32_t start = 0;   // in text_
        std::uint32_t size = 0;
        std::int32_t keySize = -1; // -1: a line without '='
        bool erased = false;
    };
    // The place for a line of `size` bytes at the end of text_; throws AppError when the
    // section's text would pass 2 GB.
    std::uint32_t endFor(qsizetype size) const;

    QByteArrayView textOf(const Line& line) const { return QByteArrayView(text_).sliced(line.start, line.size); }
    void setKeyLine(Line& line, QByteArrayView key, QByteArrayView value);
    void compactIfWasteful();

    QByteArray text_;          // the bytes of the lines; replaced and erased ones stay until compaction
    std::vector<Line> lines_;  // in order, erased ones included
    qsizetype erased_ = 0;     // erased entries of lines_
    qsizetype garbage_ = 0;    // bytes of text_ that no line uses
    NameIndex<IniSection> keys_;
};
