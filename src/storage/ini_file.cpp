#include "storage/ini_file.h"

#include "base/app_error.h"
#include "storage/atomic_file_writer.h"
#include "storage/file_lock.h"
#include "storage/ini_section.h"
#include "storage/name_index.h"
#include "storage/regular_file.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <cstring>
#include <new>
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

// The reading rules for one line of the file: blank lines and comments are skipped,
// "[name]" starts a section, any other line belongs to the current one.
enum class LineKind { Skipped, Header, Content };

LineKind kindOf(QByteArrayView trimmedLine)
{
    if (trimmedLine.isEmpty() || trimmedLine.startsWith(';'))
        return LineKind::Skipped;
    if (trimmedLine.startsWith('[') && trimmedLine.endsWith(']'))
        return LineKind::Header;
    return LineKind::Content;
}

// Calls `visit(line)` with every line of `text`, each without its line break, until `visit`
// returns false.
template <typename Visit>
void forEachLine(QByteArrayView text, Visit&& visit)
{
    while (!text.isEmpty()) {
        // memchr looks at many bytes a step; a line of a file rarely holds a lone CR.
        const auto* lf = static_cast<const char*>(std::memchr(text.data(), '\n', size_t(text.size())));
        const qsizetype toLf = lf ? lf - text.data() : text.size();
        const auto* cr = static_cast<const char*>(std::memchr(text.data(), '\r', size_t(toLf)));
        const qsizetype length = cr ? cr - text.data() : toLf;
        if (!visit(text.first(length)))
            return;
        text = text.sliced(length);
        if (!text.isEmpty())
            text = text.sliced(lineBreakAt(text, 0));
    }
}

// Calls `visit(key, value)` for every key line and `visit(line)` for every other line of the
// section whose lines start at the beginning of `text`, up to the next section header; keys,
// values and lines come trimmed, as the copy keeps them.
template <typename Visit>
void forEachSectionLine(QByteArrayView text, Visit&& visit)
{
    forEachLine(text, [&](QByteArrayView line) {
        line = trimmed(line);
        const LineKind kind = kindOf(line);
        if (kind == LineKind::Content) {
            const qsizetype eq = line.indexOf('=');
            if (eq < 0)
                visit(line);
            else
                visit(trimmed(line.first(eq)), trimmed(line.sliced(eq + 1)));
        }
        return kind != LineKind::Header;
    });
}

} // namespace

struct TMemIniFile::Data {
    static constexpr std::uint32_t none = UINT32_MAX;

    // A section of the list: its name, kept in `names`, and its lines. A section read from a
    // file keeps its lines unparsed in `source` until they are first used, and a section
    // gets an IniSection only when it has lines; so a file of many small sections that
    // nobody reads takes little more memory than its text.
    struct Section {
        std::uint32_t nameStart = 0;
        std::uint32_t nameSize = 0;
        std::uint32_t unparsed = none; // offset in `source` of its lines, while not parsed
        std::uint32_t lines = none;    // index in `lineSets`, once it has parsed lines
    };

    QString fileName;
    QByteArray names;              // the names of all sections, one after another
    std::vector<Section> sections;
    NameIndex<Data> index;
    std::vector<std::unique_ptr<IniSection>> lineSets;
    QByteArray source;             // the bytes read, while a section's lines are unparsed
    std::size_t unparsedSections = 0;
    std::uint32_t lastFound = none; // the section find() found last, none when not known
    bool replacedNul = false;      // the last load found NUL bytes
    AtomicFileWriter* writer = nullptr;

    QByteArrayView nameOf(const Section& section) const
    {
        return QByteArrayView(names).sliced(section.nameStart, section.nameSize);
    }

    // For NameIndex: the name of section `i`.
    QByteArrayView keyOf(std::uint32_t i) const { return nameOf(sections[i]); }

    Section* find(QByteArrayView name)
    {
        // A table's pass asks for one section with every cell: the last answer is kept
        // for the same bytes until a section is added.
        if (lastFound == none || name != nameOf(sections[lastFound]))
            lastFound = index.find(*this, name);
        return lastFound == index.none ? nullptr : &sections[lastFound];
    }

    // The lines of `section` once parsed, or nullptr when it has none.
    IniSection* parsedLines(Section& section)
    {
        if (section.unparsed != none)
            parse(section);
        return section.lines == none ? nullptr : lineSets[section.lines].get();
    }

    // The lines of the section found under `name`, or nullptr when it is missing or empty.
    const IniSection* linesOf(QByteArrayView name) const
    {
        Data* self = const_cast<Data*>(this);
        Section* found = self->find(name);
        return found ? self->parsedLines(*found) : nullptr;
    }

    IniSection& linesOf(Section& section)
    {
        if (IniSection* lines = parsedLines(section))
            return *lines;
        section.lines = std::uint32_t(lineSets.size());
        return *lineSets.emplace_back(std::make_unique<IniSection>());
    }

    // Turns the unparsed lines of `section` into its IniSection, which keeps a share of the
    // source while lines lie in it. The copy lets go of the source when no section is left
    // unparsed.
    void parse(Section& section)
    {
        const qsizetype start = section.unparsed;
        section.unparsed = none;
        // The lines stay in the file's bytes until they change.
        section.lines = std::uint32_t(lineSets.size());
        IniSection& lines = *lineSets.emplace_back(std::make_unique<IniSection>(source));
        forEachSectionLine(QByteArrayView(source).sliced(start), [&lines](QByteArrayView text, auto... value) {
            if constexpr (sizeof...(value) == 1)
                lines.appendKeyLine(text, value...);
            else
                lines.appendLine(text);
        });
        lines.squeeze();
        if (--unparsedSections == 0)
            source = QByteArray();
    }

    // Appends a section; it becomes the one found under its name.
    Section& add(QByteArrayView name)
    {
        if (names.size() + name.size() > qsizetype(UINT32_MAX))
            throw AppError(QStringLiteral("Plik jest za duży."));
        lastFound = none;
        sections.push_back({std::uint32_t(names.size()), std::uint32_t(name.size())});
        names.append(name);
        index.add(*this, std::uint32_t(sections.size() - 1));
        return sections.back();
    }

    void clear()
    {
        lastFound = none;
        index.clear();
        sections.clear();
        names.clear();
        lineSets.clear();
        source = QByteArray();
        unparsedSections = 0;
    }

    // Appends the lines of `section` to `out`, each followed by the line end, parsing them
    // on the way when the section holds them unparsed.
    void writeLines(const Section& section, QByteArray& out) const
    {
        if (section.lines != none) {
            lineSets[section.lines]->writeLines(out, lineEnd);
            return;
        }
        if (section.unparsed == none)
            return;
        forEachSectionLine(QByteArrayView(source).sliced(section.unparsed), [&out](QByteArrayView text, auto... value) {
            out.append(text);
            if constexpr (sizeof...(value) == 1)
                out.append('=').append(value...);
            out.append(lineEnd);
        });
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
    if (bytes.size() >= qsizetype(Data::none))
        throw AppError(QStringLiteral("Plik jest za duży."));
    d->source = bytes;
    // A NUL byte is read as the blank the writer stores in its place, so it can neither end
    // the text early nor reach the lines.
    d->replacedNul = bytes.contains('\0');
    if (d->replacedNul)
        d->source.replace('\0', ' ');
    // Room for every line that starts with a bracket, so the list of sections does not
    // pass through twice its size while a file of many sections is read.
    const QByteArrayView text(d->source);
    qsizetype headers = 0;
    for (qsizetype at = text.indexOf('['); at >= 0; at = text.indexOf('[', at + 1))
        headers += at == 0 || text[at - 1] == '\n' || text[at - 1] == '\r';
    d->sections.reserve(size_t(headers));
    // Only the headers are read here; a section's lines are parsed when they are first used.
    Data::Section* current = nullptr;
    qsizetype linesStart = 0; // where the lines of the current section begin
    forEachLine(text, [&](QByteArrayView line) {
        const QByteArrayView content = trimmed(line);
        const LineKind kind = kindOf(content);
        if (kind == LineKind::Header) {
            current = &d->add(trimmed(content.sliced(1, content.size() - 2)));
            linesStart = line.end() - text.begin();
        } else if (kind == LineKind::Content && current && current->unparsed == Data::none) {
            current->unparsed = std::uint32_t(linesStart);
            ++d->unparsedSections;
        }
        return true;
    });
    if (d->unparsedSections == 0)
        d->source = QByteArray();
    d->names.squeeze();
    if (d->sections.capacity() > d->sections.size() + d->sections.size() / 4)
        d->sections.shrink_to_fit();
}

bool TMemIniFile::ReplacedNul() const
{
    return d->replacedNul;
}

void TMemIniFile::LoadFromFile()
{
    if (!QFile::exists(d->fileName)) {
        LoadFromBytes({});
        return;
    }
    const QByteArray bytes = regular_file::read(d->fileName);
    try {
        LoadFromBytes(bytes);
    } catch (const std::bad_alloc&) {
        d->clear();
        throw regular_file::outOfMemory(d->fileName);
    }
}

QByteArray TMemIniFile::ToBytes() const
{
    // Unparsed lines are written straight from the source, which bounds their size.
    qsizetype size = d->source.size();
    for (const Data::Section& section : d->sections) {
        size += section.nameSize + 2 + 2 * lineEnd.size();
        if (section.lines != Data::none) {
            const IniSection& lines = *d->lineSets[section.lines];
            size += lines.byteCount() + lines.lineCount() * lineEnd.size();
        }
    }
    QByteArray out;
    out.reserve(size);
    for (const Data::Section& section : d->sections) {
        out.append('[').append(d->nameOf(section)).append(']').append(lineEnd);
        d->writeLines(section, out);
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
    d->linesOf(found ? *found : d->add(section)).write(key, oneLine(value));
}

void TMemIniFile::DeleteValue(const QByteArray& section, const QByteArray& key)
{
    if (Data::Section* found = d->find(section))
        if (IniSection* lines = d->parsedLines(*found))
            lines->remove(key);
}

bool TMemIniFile::ReplaceTail(const QByteArray& section, qsizetype oldCount, qsizetype newCount,
                              const ItemText& key, const ItemText& value)
{
    Data::Section* found = d->find(section);
    IniSection* lines = found ? d->parsedLines(*found) : nullptr;
    if (!lines) {
        if (oldCount > 0)
            return false;
        if (newCount == 0)
            return true;
        lines = &d->linesOf(found ? *found : d->add(section));
    }
    return lines->replaceTail(oldCount, newCount, key, [&value](qsizetype i, QByteArray& out) {
        value(i, out);
        out = oneLine(out);
    });
}

void TMemIniFile::ForEachKey(const QByteArray& section,
                             const std::function<void(QByteArrayView key, QByteArrayView value)>& visit) const
{
    const Data::Section* found = d->find(section);
    if (!found)
        return;
    if (found->lines != Data::none) {
        d->lineSets[found->lines]->forEachKeyLine(visit);
    } else if (found->unparsed != Data::none) {
        // Read straight from the file's bytes: a section only read is never copied into lines.
        forEachSectionLine(QByteArrayView(d->source).sliced(found->unparsed), [&visit](QByteArrayView key, auto... value) {
            if constexpr (sizeof...(value) == 1)
                visit(key, value...);
        });
    }
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
    writeLocked({});
}

void TMemIniFile::writeLocked(QFile::Permissions lockedWriteBits)
{
    static AtomicFileWriter atomicWriter;
    (d->writer ? *d->writer : atomicWriter).write(d->fileName, ToBytes(), lockedWriteBits);
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
    writeLocked(LockedWriteBits);
    file_lock::setReadOnly(FileName());
}
