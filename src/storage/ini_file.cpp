#include "storage/ini_file.h"

#include "base/app_error.h"
#include "base/win1250.h"
#include "storage/atomic_file_writer.h"
#include "storage/file_lock.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QVarLengthArray>
#include <iterator>
#include <list>

namespace {

// One stored line: the key, '=' and the value, or a line without '=' (keyLength -1),
// which keeps its place and is written back but has no key.
struct Line {
    QByteArray text;
    qsizetype keyLength = -1;

    QByteArray key() const { return keyLength < 0 ? QByteArray() : text.left(keyLength); }
    QByteArray value() const { return text.mid(keyLength + 1); }
};

using Lines = std::list<Line>;

// Every occurrence of one name, in file order; a lookup takes the last one.
template <typename T>
using Occurrences = QVarLengthArray<T, 1>;

// A section: its lines in order and, for each upper-cased key, where its lines are,
// so that no lookup has to walk the lines.
struct Section {
    QByteArray name;
    Lines lines;
    QHash<QByteArray, Occurrences<Lines::iterator>> keys;

    const Line* find(const QByteArray& key) const
    {
        const auto found = keys.constFind(win1250::toUpper(key));
        return found == keys.cend() ? nullptr : &*found->back();
    }

    Line* find(const QByteArray& key)
    {
        return const_cast<Line*>(std::as_const(*this).find(key));
    }

    void append(Line line)
    {
        const bool hasKey = line.keyLength >= 0;
        lines.push_back(std::move(line));
        if (hasKey)
            keys[win1250::toUpper(lines.back().key())].append(std::prev(lines.end()));
    }

    void remove(const QByteArray& key)
    {
        const auto found = keys.find(win1250::toUpper(key));
        if (found == keys.end())
            return;
        lines.erase(found->back());
        found->removeLast();
        if (found->isEmpty())
            keys.erase(found);
    }
};

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

// Drops every byte of 32 or less at both ends; bytes above 127 are letters and stay.
QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// The length of the line break starting at `pos`: 2 for CR LF, 1 for a lone CR or LF,
// 0 when there is none.
qsizetype lineBreakAt(QByteArrayView text, qsizetype pos)
{
    if (text[pos] == '\n')
        return 1;
    if (text[pos] != '\r')
        return 0;
    return pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1;
}

// A value is one line of the file: every line break in it becomes one blank.
QByteArray oneLine(const QByteArray& value)
{
    if (!value.contains('\r') && !value.contains('\n'))
        return value;
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const qsizetype lineBreak = lineBreakAt(value, i);
        out += lineBreak ? ' ' : value[i];
        if (lineBreak == 2)
            ++i;
    }
    return out;
}

const QByteArray lineEnd = QByteArrayLiteral("\r\n");

} // namespace

struct TMemIniFile::Data {
    QString fileName;
    std::list<Section> sections;
    QHash<QByteArray, Occurrences<Section*>> index; // upper-cased name -> sections
    AtomicFileWriter* writer = nullptr;

    const Section* find(const QByteArray& name) const
    {
        const auto found = index.constFind(win1250::toUpper(name));
        return found == index.cend() ? nullptr : found->back();
    }

    Section* find(const QByteArray& name)
    {
        return const_cast<Section*>(std::as_const(*this).find(name));
    }

    Section& add(const QByteArray& name)
    {
        Section& section = sections.emplace_back();
        section.name = name;
        index[win1250::toUpper(name)].append(&section);
        return section;
    }

    void clear()
    {
        index.clear();
        sections.clear();
    }

    // The reading rules for one line of the file; `current` is the section that the
    // line belongs to, none before the first header.
    void read(QByteArrayView line, Section*& current)
    {
        line = trimmed(line);
        if (line.isEmpty() || line.startsWith(';'))
            return;
        if (line.startsWith('[') && line.endsWith(']')) {
            current = &add(trimmed(line.sliced(1, line.size() - 2)).toByteArray());
            return;
        }
        if (!current)
            return;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0) {
            current->append({line.toByteArray(), -1});
            return;
        }
        const QByteArrayView key = trimmed(line.first(eq));
        const QByteArrayView value = trimmed(line.sliced(eq + 1));
        QByteArray text;
        text.reserve(key.size() + 1 + value.size());
        text.append(key).append('=').append(value);
        current->append({std::move(text), key.size()});
    }
};

TMemIniFile::TMemIniFile(const QString& fileName) : d(std::make_unique<Data>())
{
    d->fileName = fileName;
}

TMemIniFile::~TMemIniFile() = default;

const QString& TMemIniFile::FileName() const
{
    return d->fileName;
}

void TMemIniFile::LoadFromBytes(const QByteArray& bytes)
{
    d->clear();
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArrayView text = QByteArrayView(bytes).first(nul < 0 ? bytes.size() : nul);
    Section* current = nullptr;
    qsizetype start = 0;
    for (qsizetype pos = 0; pos < text.size(); ++pos) {
        if (const qsizetype lineBreak = lineBreakAt(text, pos)) {
            d->read(text.sliced(start, pos - start), current);
            pos += lineBreak - 1;
            start = pos + 1;
        }
    }
    if (start < text.size())
        d->read(text.sliced(start), current);
}

void TMemIniFile::LoadFromFile()
{
    QFile file(d->fileName);
    if (!file.exists()) {
        LoadFromBytes({});
        return;
    }
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError)
        throw AppError(QStringLiteral("Nie można odczytać pliku \"%1\".").arg(QDir::toNativeSeparators(d->fileName)));
    LoadFromBytes(bytes);
}

QByteArray TMemIniFile::ToBytes() const
{
    qsizetype size = 0;
    for (const Section& section : d->sections) {
        size += section.name.size() + 2 * lineEnd.size() + 2;
        for (const Line& line : section.lines)
            size += line.text.size() + lineEnd.size();
    }
    QByteArray out;
    out.reserve(size);
    for (const Section& section : d->sections) {
        out.append('[').append(section.name).append(']').append(lineEnd);
        for (const Line& line : section.lines)
            out.append(line.text).append(lineEnd);
        out.append(lineEnd);
    }
    return out;
}

QByteArray TMemIniFile::ReadValue(const QByteArray& section, const QByteArray& key, const QByteArray& def) const
{
    const Section* found = d->find(section);
    const Line* line = found ? found->find(key) : nullptr;
    return line ? line->value() : def;
}

void TMemIniFile::WriteValue(const QByteArray& section, const QByteArray& key, const QByteArray& value)
{
    Section* found = d->find(section);
    if (!found)
        found = &d->add(section);
    Line line{key + '=' + oneLine(value), key.size()};
    if (Line* old = found->find(key))
        *old = std::move(line);
    else
        found->append(std::move(line));
}

void TMemIniFile::DeleteValue(const QByteArray& section, const QByteArray& key)
{
    if (Section* found = d->find(section))
        found->remove(key);
}

QList<QByteArray> TMemIniFile::SectionNames() const
{
    QList<QByteArray> names;
    names.reserve(d->sections.size());
    for (const Section& section : d->sections)
        names.append(section.name);
    return names;
}

QList<QByteArray> TMemIniFile::SectionKeys(const QByteArray& section) const
{
    QList<QByteArray> keys;
    if (const Section* found = d->find(section)) {
        keys.reserve(found->lines.size());
        for (const Line& line : found->lines)
            keys.append(line.key());
    }
    return keys;
}

void TMemIniFile::WriteToDisk()
{
    static AtomicFileWriter atomicWriter;
    (d->writer ? *d->writer : atomicWriter).write(d->fileName, ToBytes());
}

void TMemIniFile::SetWriter(AtomicFileWriter* writer)
{
    d->writer = writer;
}

void TMemIniFileU::WriteToDisk()
{
    if (!WriteAllowed)
        return;
    file_lock::setArchive(FileName());
    TMemIniFile::WriteToDisk();
    file_lock::setReadOnly(FileName());
}
