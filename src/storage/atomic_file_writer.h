#pragma once
// AtomicFileWriter: puts a whole file on disk in one step, so a failed or interrupted
// save never leaves a shortened document. The text goes to a temporary file in the same
// folder, which takes over the document's owner, group and mode, is synced to disk, closed
// and then renamed over the document. Each of these steps is checked: a failing one leaves
// the document as it was and removes the temporary file.
//
// What may be written and how is decided first (see write_access): a file of another user
// that the writer may change but not give back to its owner is overwritten in place, once
// the complete new text is synced in the temporary file beside it. Should overwriting fail,
// that file stays as a copy named "<document>.kopia" and the error names it.
//
// Temporary files are named "." + document name + "." + process id + "-" + six characters
// + ".tmp". The next save of the same document removes those that are stale: named for a
// process that no longer runs, or older than an hour (also the older form without the
// process id). Another program's save in progress keeps its temporary file.
//
// Qt's QSaveFile ignores a failing sync and cannot keep the owner, hence the system calls.
// Tests derive from it and override the steps to make a save fail on command.

#include <QByteArray>
#include <QFile>
#include <QString>

class AtomicFileWriter {
public:
    virtual ~AtomicFileWriter() = default;

    // Makes `bytes` the whole content of `path`, creating the file when it is missing.
    // A symbolic link is followed, unless write_access forbids it: the file it points to is
    // replaced, the link stays.
    // `lockedWriteBits` are the write bits the program's lock took from the file.
    // Throws AppError naming the file and the cause on failure, or when the file may not be
    // written; the previous file is then intact and the temporary file is gone.
    void write(const QString& path, const QByteArray& bytes, QFile::Permissions lockedWriteBits = {});

protected:
    // The steps; each returns false, with errno set, on failure.
    // Writes all of `bytes` to the temporary file.
    virtual bool writeAll(int fd, const QByteArray& bytes);
    // Flushes the temporary file's content and attributes to the disk.
    virtual bool sync(int fd);
    // Closes the temporary file; called once for every temporary file opened.
    virtual bool close(int fd);
    // Renames the temporary file over the document.
    virtual bool rename(const QByteArray& from, const QByteArray& to);

    // The document being written; valid during write().
    const QString& documentPath() const { return document_; }

private:
    // Removes the stale temporary files that earlier saves of the document left behind.
    static void removeStaleTemporaries(const QString& document);
    // Gives the temporary file the document's owner, group and mode where the system allows
    // it; a new document gets the mode a newly created file gets.
    static void takeOverOwnerAndMode(int fd, const QByteArray& document);
    // Writes `bytes` over the content of the existing document; false, with errno set and
    // `*changed` telling whether the document was touched, on failure.
    bool overwrite(const QByteArray& document, const QByteArray& bytes, bool* changed);
    // overwrite; removes the synced `copy` of `bytes` when it succeeds, else keeps it as
    // "<document>.kopia" and throws AppError naming it.
    void overwriteKeepingCopy(const QString& path, const QByteArray& copy, const QByteArray& bytes);

    QString document_;
};
