#pragma once
// TMemIniFile: the in-memory copy of an INI document file (a project, a risk assessment,
// the hazard catalogue): an ordered list of sections, each an ordered list of lines, kept
// as Windows-1250 bytes exactly as the file holds them.
// TMemIniFileU: the copy used for documents; it writes the file only while its owner
// (TIniDat) holds the write lock.
//
// Section names and keys compare without regard to letter case (Windows-1250 mapping).
// Where a section or a key occurs more than once, every lookup finds the last occurrence;
// all occurrences stay in the copy and are written back. Lookups, writes and deletes take
// constant time on average, whatever the size of the section.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

// Writes the text of item i of a sequence into `out`, which keeps its room between calls.
using ItemText = std::function<void(qsizetype i, QByteArray& out)>;

class AtomicFileWriter;

class TMemIniFile {
public:
    explicit TMemIniFile(const QString& fileName = {});
    virtual ~TMemIniFile();
    TMemIniFile(const TMemIniFile&) = delete;
    TMemIniFile& operator=(const TMemIniFile&) = delete;

    const QString& FileName() const;

    // Replaces the whole copy by `bytes` read with the reading rules. A NUL byte is read as
    // a blank, the form the writer stores it in.
    void LoadFromBytes(const QByteArray& bytes);
    // True when the last load met NUL bytes and read them as blanks.
    bool ReplacedNul() const;
    // Reads the file FileName(). A missing file gives an empty copy.
    // Throws FileRefused when it is no regular file or is too large (regular_file), and
    // AppError when it exists but cannot be read.
    void LoadFromFile();
    // The written form: every section with its header, its lines and one empty line,
    // every line ending in CR LF; no section gives no bytes.
    QByteArray ToBytes() const;

    QByteArray ReadValue(const QByteArray& section, const QByteArray& key, const QByteArray& def) const;
    // A line break (CR LF, CR or LF) in `value` is stored as one blank: a value is one line.
    void WriteValue(const QByteArray& section, const QByteArray& key, const QByteArray& value);
    void DeleteValue(const QByteArray& section, const QByteArray& key);
    // The same as DeleteValue(section, key(i)) for each i < oldCount and then
    // WriteValue(section, key(i), value(i)) for each i < newCount, done in one pass without a
    // lookup per key, when `section` ends with the key lines key(0) ... key(oldCount - 1),
    // byte for byte and in order, and no line before them bears one of the names: true
    // then. False, with nothing changed, otherwise. A table saved again costs little more
    // than a comparison per cell. REQUIRES: the keys differ from one another regardless of
    // letter case.
    bool ReplaceTail(const QByteArray& section, qsizetype oldCount, qsizetype newCount, const ItemText& key,
                     const ItemText& value);
    // Calls visit(key, value) for every key line of `section` in order, duplicates included.
    void ForEachKey(const QByteArray& section,
                    const std::function<void(QByteArrayView key, QByteArrayView value)>& visit) const;
    QList<QByteArray> SectionNames() const;
    QList<QByteArray> SectionKeys(const QByteArray& section) const;

    // Writes ToBytes() to FileName() atomically (temporary file in the same folder,
    // flushed, then renamed over the document). Throws AppError on failure and leaves the
    // previous file intact.
    virtual void WriteToDisk();

    // The writer WriteToDisk uses; nullptr (the default) is a plain AtomicFileWriter.
    // Not owned: it must outlive every later WriteToDisk. Tests give one that fails.
    void SetWriter(AtomicFileWriter* writer);

protected:
    // WriteToDisk for a file from which the program's lock took `lockedWriteBits`.
    void writeLocked(QFile::Permissions lockedWriteBits);

private:
    struct Data;
    std::unique_ptr<Data> d;
};

class TMemIniFileU : public TMemIniFile {
public:
    using TMemIniFile::TMemIniFile;

    // Set by the owning TIniDat right after creation.
    bool WriteAllowed = false;
    QFile::Permissions LockedWriteBits;   // what the lock took from the file's mode

    // Does nothing when WriteAllowed is false. Otherwise writes the file atomically and puts
    // the lock on it. On failure the error goes to the caller and the previous file is
    // intact, lock included.
    void WriteToDisk() override;
};
