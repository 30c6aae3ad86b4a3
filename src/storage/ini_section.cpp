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
    if (const std::optional<std::uint32_t> at = sourceOffset(text)) {
        lines_.push_back({*at, std::uint32_t(text.size()), -1, false, true});
        sourceBytes_ += text.size();
        return;
    }
    lines_.push_back({endFor(text.size()), std::uint32_t(text.size()), -1, false, false});
    text_.append(text);
}

void IniSection::appendKeyLine(QByteArrayView key, QByteArrayView value)
{
    const qsizetype size = key.size() + 1 + value.size();
    const std::optional<std::uint32_t> at = sourceOffset(QByteArrayView(key.data(), size));
    if (at && value.data() == key.data() + key.size() + 1 && key.data()[key.size()] == '=' && !key.contains('=')) {
        lines_.push_back({*at, std::uint32_t(size), std::int32_t(key.size()), false, true});
        sourceBytes_ += size;
    } else {
        setKeyLine(lines_.emplace_back(), key, value);
    }
    if (indexed_)
        keys_.add(*this, std::uint32_t(lines_.size() - 1));
}

void IniSection::write(QByteArrayView key, QByteArrayView value)
{
    const std::uint32_t found = index().find(*this, key);
    if (found == keys_.none) {
        appendKeyLine(key, value);
        return;
    }
    // The key compares equal, so the line keeps its place and its index entry.
    release(lines_[found]);
    setKeyLine(lines_[found], key, value);
    compactIfWasteful();
}

std::optional<QByteArrayView> IniSection::value(QByteArrayView key) const
{
    const std::uint32_t found = index().find(*this, key);
    if (found == keys_.none)
        return std::nullopt;
    const Line& line = lines_[found];
    return textOf(line).sliced(line.keySize + 1);
}

void IniSection::remove(QByteArrayView key)
{
    const std::uint32_t found = index().takeLast(*this, key);
    if (found == keys_.none)
        return;
    markErased(found);
    compactIfWasteful();
}

bool IniSection::replaceTail(qsizetype oldCount, qsizetype newCount, const ItemText& key, const ItemText& value)
{
    const std::optional<std::vector<std::uint32_t>> tail = lastLines(oldCount);
    if (!tail)
        return false;
    QByteArray keyText;
    for (qsizetype i = 0; i < oldCount; ++i) {
        key(i, keyText);
        const Line& line = lines_[(*tail)[size_t(i)]];
        if (line.keySize < 0 || keyOf((*tail)[size_t(i)]) != QByteArrayView(keyText))
            return false;
    }
    // Only a line before the tail that a lookup finds can bear one of the names, and only
    // then is the index needed to tell; a table's own section has none.
    if (!keyless(oldCount > 0 ? tail->front() : lines_.size())) {
        for (qsizetype i = 0; i < oldCount; ++i)
            if (!index().isOnly((*tail)[size_t(i)]))
                return false;
        for (qsizetype i = oldCount; i < newCount; ++i) {
            key(i, keyText);
            if (index().find(*this, keyText) != keys_.none)
                return false;
        }
    }
    QByteArray valueText;
    for (qsizetype i = 0; i < std::min(oldCount, newCount); ++i) {
        Line& line = lines_[(*tail)[size_t(i)]];
        value(i, valueText);
        if (textOf(line).sliced(line.keySize + 1) == QByteArrayView(valueText))
            continue;   // most cells of a table saved again are as they were
        key(i, keyText);
        release(line);
        setKeyLine(line, keyText, valueText);
    }
    for (qsizetype i = newCount; i < oldCount; ++i)
        erase((*tail)[size_t(i)]);
    for (qsizetype i = oldCount; i < newCount; ++i) {
        key(i, keyText);
        value(i, valueText);
        appendKeyLine(keyText, valueText);
    }
    compactIfWasteful();
    return true;
}

void IniSection::forEachKeyLine(const std::function<void(QByteArrayView key, QByteArrayView value)>& visit) const
{
    for (const Line& line : lines_)
        if (!line.erased && line.keySize >= 0) {
            const QByteArrayView text = textOf(line);
            visit(text.first(line.keySize), text.sliced(line.keySize + 1));
        }
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

NameIndex<IniSection>& IniSection::index() const
{
    if (!indexed_) {
        indexed_ = true;
        for (std::size_t i = 0; i < lines_.size(); ++i)
            if (!lines_[i].erased && lines_[i].keySize >= 0)
                keys_.add(*this, std::uint32_t(i));
    }
    return keys_;
}

bool IniSection::keyless(std::size_t end) const
{
    return std::none_of(lines_.begin(), lines_.begin() + std::ptrdiff_t(end),
                        [](const Line& line) { return !line.erased && line.keySize >= 0; });
}

std::optional<std::vector<std::uint32_t>> IniSection::lastLines(qsizetype count) const
{
    std::vector<std::uint32_t> last(static_cast<std::size_t>(count));
    std::size_t line = lines_.size();
    for (qsizetype i = count - 1; i >= 0; --i) {
        do {
            if (line == 0)
                return std::nullopt;
            --line;
        } while (lines_[line].erased);
        last[size_t(i)] = std::uint32_t(line);
    }
    return last;
}

// Erases line `line`, the last of its name; a lookup then finds the one before it.
void IniSection::erase(std::uint32_t line)
{
    if (indexed_)
        keys_.takeLast(*this, keyOf(line));
    markErased(line);
}

void IniSection::markErased(std::uint32_t line)
{
    lines_[line].erased = true;
    ++erased_;
    release(lines_[line]);
}

std::optional<std::uint32_t> IniSection::sourceOffset(QByteArrayView text) const
{
    const std::less_equal<const char*> notAfter;
    if (source_.isEmpty() || !notAfter(source_.constBegin(), text.data())
        || !notAfter(text.data() + text.size(), source_.constEnd()))
        return std::nullopt;
    return std::uint32_t(text.data() - source_.constBegin());
}

void IniSection::release(const Line& line)
{
    if (line.inSource)
        sourceBytes_ -= line.size;
    else
        garbage_ += line.size;
}

void IniSection::setKeyLine(Line& line, QByteArrayView key, QByteArrayView value)
{
    const qsizetype size = key.size() + 1 + value.size();
    line.start = endFor(size);
    line.size = std::uint32_t(size);
    line.inSource = false;
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
// Lines kept in the source stay there.
void IniSection::compactIfWasteful()
{
    if (2 * erased_ <= qsizetype(lines_.size()) && 2 * garbage_ <= text_.size())
        return;
    QByteArray text;
    text.reserve(text_.size() - garbage_);
    std::vector<Line> lines;
    lines.reserve(size_t(lineCount()));
    std::vector<std::uint32_t> newNumber(lines_.size(), keys_.none);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.erased)
            continue;
        newNumber[i] = std::uint32_t(lines.size());
        if (line.inSource) {
            lines.push_back(line);
            continue;
        }
        lines.push_back({std::uint32_t(text.size()), line.size, line.keySize, false, false});
        text.append(textOf(line));
    }
    if (sourceBytes_ == 0)
        source_ = QByteArray();
    text_ = std::move(text);
    lines_ = std::move(lines);
    erased_ = 0;
    garbage_ = 0;
    if (indexed_)
        keys_.renumber(newNumber, lines_.size());
}
