#include "storage/ini_file.h"

#include "base/app_error.h"
#include "storage/atomic_file_writer.h"
#include "storage/file_lock.h"
#include "storage/ini_section.h"
#include "storage/name_index.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <vector>

namespace {

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

// A value is one line of the file: every line break in it becomes one blank, and so does a
// NUL byte, which would end the text of the file when it is read back.
QByteArray oneLine(const QByteArray& value)
{
    if (!value.contains('\r') && !value.contains('\n') && !value.contains('\0'))
        return value;
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const qsizetype lineBreak = lineBreakAt(value, i);
        out += lineBreak || value[i] == '\0' ? ' ' : value[i];
        if (lineBreak == 2)
            ++i;
    }
    return out;
}

constexpr QByteArrayView lineEnd = "\r\n";

} // namespace

struct TMemIniFile::Data {
    QString fileName;
    std::vector<IniSection> sections;
    NameIndex<Data> index;
    AtomicFileWriter* writer = nullptr;

    // For NameIndex: the name of section `i`.
    QByteArrayView keyOf(std::uint32_t i) const { return sections[i].name(); }

    IniSection* find(QByteArrayView name)
    {
        const std::uint32_t found = index.find(*this, name);
        return found == index.none ? nullptr : &sections[found];
    }

    const IniSection* find(QByteArrayView name) const { return const_cast<Data*>(this)->find(name); }

    // Appends a section; it becomes the one found under its name.
    IniSection& add(QByteArrayView name)
    {
        sections.emplace_back(name.toByteArray());
        index.add(*this, std::uint32_t(sections.size() - 1));
        return sections.back();
    }

    void clear()
    {
        index.clear();
        sections.clear();
    }

    // The reading rules for one line of the file; `current` is the section that the
    // line belongs to, none before the first header. It may move when a section is added.
    // `bytesLeft` bounds the size of the lines that follow.
    void read(QByteArrayView line, IniSection*& current, qsizetype bytesLeft)
    {
        line = trimmed(line);
        if (line.isEmpty() || line.startsWith(';'))
            return;
        if (line.startsWith('[') && line.endsWith(']')) {
            if (current)
                current->squeeze();
            current = &add(trimmed(line.sliced(1, line.size() - 2)));
            current->reserve(bytesLeft);
            return;
        }
        if (!current)
            return;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            current->appendLine(line);
        else
            current->appendKeyLine(trimmed(line.first(eq)), trimmed(line.sliced(eq + 1)));
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
    QByteArrayView rest = QByteArrayView(bytes).first(nul < 0 ? bytes.size() : nul);
    IniSection* current = nullptr;
    while (!rest.isEmpty()) {
        const qsizetype length =
            std::find_if(rest.begin(), rest.end(), [](char c) { return c == '\r' || c == '\n'; }) - rest.begin();
        d->read(rest.first(length), current, rest.size() - length);
        rest = rest.sliced(length);
        if (!rest.isEmpty())
            rest = rest.sliced(lineBreakAt(rest, 0));
    }
    if (current)
        current->squeeze();
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
    for (const IniSection& section : d->sections)
        size += section.name().size() + 2 + 2 * lineEnd.size() + section.byteCount()
            + section.lineCount() * lineEnd.size();
    QByteArray out;
    out.reserve(size);
    for (const IniSection& section : d->sections) {
        out.append('[').append(section.name()).append(']').append(lineEnd);
        section.writeLines(out, lineEnd);
        out.append(lineEnd);
    }
    return out;
}

QByteArray TMemIniFile::ReadValue(const QByteArray& section, const QByteArray& key, const QByteArray& def) const
{
    const IniSection* found = d->find(section);
    const std::optional<QByteArrayView> value = found ? found->value(key) : std::nullopt;
    return value ? value->toByteArray() : def;
}

void TMemIniFile::WriteValue(const QByteArray& section, const QByteArray& key, const QByteArray& value)
{
    IniSection* found = d->find(section);
    (found ? *found : d->add(section)).write(key, oneLine(value));
}

void TMemIniFile::DeleteValue(const QByteArray& section, const QByteArray& key)
{
    if (IniSection* found = d->find(section))
        found->remove(key);
}

QList<QByteArray> TMemIniFile::SectionNames() const
{
    QList<QByteArray> names;
    names.reserve(qsizetype(d->sections.size()));
    for (const IniSection& section : d->sections)
        names.append(section.name());
    return names;
}

QList<QByteArray> TMemIniFile::SectionKeys(const QByteArray& section) const
{
    const IniSection* found = d->find(section);
    return found ? found->keys() : QList<QByteArray>();
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
    // The new file takes over the mode of the old one, lock included; a file written for
    // the first time is locked here.
    TMemIniFile::WriteToDisk();
    file_lock::setReadOnly(FileName());
}
