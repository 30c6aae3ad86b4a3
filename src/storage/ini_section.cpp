#include "storage/ini_section.h"

#include "base/app_error.h"

#include <algorithm>

std::uint32_t IniSection::endFor(qsizetype size) const
{
    if (text_.size() + size >= qsizetype(INT32_MAX))
        throw AppError(QStringLiteral("Plik jest za duży."));
    return std::uint32_t(text_.size());
}

void IniSection::appendLine(QByteArrayView text)
{
    lines_.push_back({endFor(text.size()), std::uint32_t(text.size()), -1, false});
    text_.append(text);
}

void IniSection::appendKeyLine(QByteArrayView key, QByteArrayView value)
{
    setKeyLine(lines_.emplace_back(), key, value);
    keys_.add(*this, std::uint32_t(lines_.size() - 1));
}

void IniSection::write(QByteArrayView key, QByteArrayView value)
{
    const std::uint32_t found = keys_.find(*this, key);
    if (found == keys_.none) {
        appendKeyLine(key, value);
        return;
    }
    // The key compares equal, so the line keeps its place and its index entry.
    garbage_ += lines_[found].size;
    setKeyLine(lines_[found], key, value);
    compactIfWasteful();
}

std::optional<QByteArrayView> IniSection::value(QByteArrayView key) const
{
    const std::uint32_t found = keys_.find(*this, key);
    if (found == keys_.none)
        return std::nullopt;
    const Line& line = lines_[found];
    return textOf(line).sliced(line.keySize + 1);
}

void IniSection::remove(QByteArrayView key)
{
    const std::uint32_t found = keys_.takeLast(*this, key);
    if (found == keys_.none)
        return;
    lines_[found].erased = true;
    ++erased_;
    garbage_ += lines_[found].size;
    compactIfWasteful();
}

bool IniSection::rewriteTail(const QList<QByteArray>& keys, const QList<QByteArray>& values)
{
    std::vector<std::uint32_t> tail(size_t(keys.size()));
    std::size_t line = lines_.size();
    for (qsizetype i = keys.size() - 1; i >= 0; --i) {
        do {
            if (line == 0)
                return false;
            --line;
        } while (lines_[line].erased);
        if (lines_[line].keySize < 0 || keyOf(std::uint32_t(line)) != QByteArrayView(keys[i])
            || !keys_.isOnly(std::uint32_t(line)))
            return false;
        tail[size_t(i)] = std::uint32_t(line);
    }
    for (qsizetype i = 0; i < values.size(); ++i) {
        Line& replaced = lines_[tail[size_t(i)]];
        if (textOf(replaced).sliced(replaced.keySize + 1) == QByteArrayView(values[i]))
            continue;   // most cells of a table saved again are as they were
        garbage_ += replaced.size;
        setKeyLine(replaced, keys[i], values[i]);
    }
    compactIfWasteful();
    return true;
}

void IniSection::writeLines(QByteArray& out, QByteArrayView lineEnd) const
{
    for (const Line& line : lines_)
        if (!line.erased)
            out.append(textOf(line)).append(lineEnd);
}

QList<QByteArray> IniSection::keys() const
{
    QList<QByteArray> keys;
    keys.reserve(lineCount());
    for (const Line& line : lines_)
        if (!line.erased)
            keys.append(line.keySize < 0 ? QByteArray() : textOf(line).first(line.keySize).toByteArray());
    return keys;
}

QByteArrayView IniSection::keyOf(std::uint32_t line) const
{
    return textOf(lines_[line]).first(lines_[line].keySize);
}

void IniSection::setKeyLine(Line& line, QByteArrayView key, QByteArrayView value)
{
    const qsizetype size = key.size() + 1 + value.size();
    line.start = endFor(size);
    line.size = std::uint32_t(size);
    // The key of a line is its text before the first '=', as a reload of the file reads it;
    // a key that holds '=' itself gives a line found under the part before it.
    const qsizetype equals = key.indexOf('=');
    line.keySize = std::int32_t(equals < 0 ? key.size() : equals);
    // One growth of the buffer for the whole line.
    text_.resize(line.start + line.size);
    char* out = std::copy(key.begin(), key.end(), text_.begin() + line.start);
    *out++ = '=';
    std::copy(value.begin(), value.end(), out);
}

// Erased lines and replaced texts stay where they are until they make up half of the
// section; then one pass drops them all, so each change costs constant time on average.
void IniSection::compactIfWasteful()
{
    if (2 * erased_ <= qsizetype(lines_.size()) && 2 * garbage_ <= text_.size())
        return;
    QByteArray text;
    text.reserve(byteCount());
    std::vector<Line> lines;
    lines.reserve(size_t(lineCount()));
    std::vector<std::uint32_t> newNumber(lines_.size(), keys_.none);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.erased)
            continue;
        newNumber[i] = std::uint32_t(lines.size());
        lines.push_back({std::uint32_t(text.size()), line.size, line.keySize, false});
        text.append(textOf(line));
    }
    text_ = std::move(text);
    lines_ = std::move(lines);
    erased_ = 0;
    garbage_ = 0;
    keys_.renumber(newNumber, lines_.size());
}
