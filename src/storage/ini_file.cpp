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
    // A section of the list: its name, kept in `names`, and its lines, made at its first
    // line, so that a file of many empty sections takes little more memory than its text.
    struct Section {
        std::uint32_t nameStart = 0;
        std::uint32_t nameSize = 0;
        std::unique_ptr<IniSection> lines;
    };

    QString fileName;
    QByteArray names;              // the names of all sections, one after another
    std::vector<Section> sections;
    NameIndex<Data> index;
    AtomicFileWriter* writer = nullptr;

    QByteArrayView nameOf(const Section& section) const
    {
        return QByteArrayView(names).sliced(section.nameStart, section.nameSize);
    }

    // For NameIndex: the name of section `i`.
    QByteArrayView keyOf(std::uint32_t i) const { return nameOf(sections[i]); }

    Section* find(QByteArrayView name)
    {
        const std::uint32_t found = index.find(*this, name);
        return found == index.none ? nullptr : &sections[found];
    }

    // The lines of the section found under `name`, or nullptr when it is missing or empty.
    const IniSection* linesOf(QByteArrayView name) const
    {
        const Section* found = const_cast<Data*>(this)->find(name);
        return found ? found->lines.get() : nullptr;
    }

    static IniSection& linesOf(Section& section)
    {
        if (!section.lines)
            section.lines = std::make_unique<IniSection>();
        return *section.lines;
    }

    // Appends a section; it becomes the one found under its name.
    Section& add(QByteArrayView name)
    {
        if (names.size() + name.size() > qsizetype(UINT32_MAX))
            throw AppError(QStringLiteral("Plik jest za duży."));
        sections.push_back({std::uint32_t(names.size()), std::uint32_t(name.size()), nullptr});
        names.append(name);
        index.add(*this, std::uint32_t(sections.size() - 1));
        return sections.back();
    }

    void clear()
    {
        index.clear();
        sections.clear();
        names.clear();
    }

    // The reading rules for one line of the file; `current` is the section that the
    // line belongs to, none before the first header. It may move when a section is added.
    void read(QByteArrayView line, Section*& current)
    {
        line = trimmed(line);
        if (line.isEmpty() || line.startsWith(';'))
            return;
        if (line.startsWith('[') && line.endsWith(']')) {
            squeeze(current);
            current = &add(trimmed(line.sliced(1, line.size() - 2)));
            return;
        }
        if (!current)
            return;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            linesOf(*current).appendLine(line);
        else
            linesOf(*current).appendKeyLine(trimmed(line.first(eq)), trimmed(line.sliced(eq + 1)));
    }

    // A section that has been read whole gives back the room its text grew into.
    static void squeeze(Section* section)
    {
        if (section && section->lines)
            section->lines->squeeze();
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
    // Room for every line that starts with a bracket, so the list of sections does not
    // pass through twice its size while a file of many sections is read.
    d->sections.reserve(size_t(rest.startsWith('[') + bytes.count("\n[") + bytes.count("\r[")));
    Data::Section* current = nullptr;
    while (!rest.isEmpty()) {
        const qsizetype length =
            std::find_if(rest.begin(), rest.end(), [](char c) { return c == '\r' || c == '\n'; }) - rest.begin();
        d->read(rest.first(length), current);
        rest = rest.sliced(length);
        if (!rest.isEmpty())
            rest = rest.sliced(lineBreakAt(rest, 0));
    }
    Data::squeeze(current);
    d->names.squeeze();
    if (d->sections.capacity() > d->sections.size() + d->sections.size() / 4)
        d->sections.shrink_to_fit();
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
    for (const Data::Section& section : d->sections) {
        size += section.nameSize + 2 + 2 * lineEnd.size();
        if (section.lines)
            size += section.lines->byteCount() + section.lines->lineCount() * lineEnd.size();
    }
    QByteArray out;
    out.reserve(size);
    for (const Data::Section& section : d->sections) {
        out.append('[').append(d->nameOf(section)).append(']').append(lineEnd);
        if (section.lines)
            section.lines->writeLines(out, lineEnd);
        out.append(lineEnd);
    }
    return out;
}

QByteArray TMemIniFile::ReadValue(const QByteArray& section, const QByteArray& key, const QByteArray& def) const
{
    const IniSection* found = d->linesOf(section);
    const std::optional<QByteArrayView> value = found ? found->value(key) : std::nullopt;
    return value ? value->toByteArray() : def;
}

void TMemIniFile::WriteValue(const QByteArray& section, const QByteArray& key, const QByteArray& value)
{
    Data::Section* found = d->find(section);
    Data::linesOf(found ? *found : d->add(section)).write(key, oneLine(value));
}

void TMemIniFile::DeleteValue(const QByteArray& section, const QByteArray& key)
{
    if (Data::Section* found = d->find(section); found && found->lines)
        found->lines->remove(key);
}

QList<QByteArray> TMemIniFile::SectionNames() const
{
    QList<QByteArray> names;
    names.reserve(qsizetype(d->sections.size()));
    for (const Data::Section& section : d->sections)
        names.append(d->nameOf(section).toByteArray());
    return names;
}

QList<QByteArray> TMemIniFile::SectionKeys(const QByteArray& section) const
{
    const IniSection* found = d->linesOf(section);
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
