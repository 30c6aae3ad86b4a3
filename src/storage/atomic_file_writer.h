#pragma once
// AtomicFileWriter: puts a whole file on disk in one step, so a failed or interrupted
// save never leaves a shortened document. The text goes to a temporary file in the same
// folder, which takes over the document's owner, group and mode, is synced to disk, closed
// and then renamed over the document. Each of these steps is checked: a failing one leaves
// the document as it was and removes the temporary file.
//
// Temporary files are named "." + document name + "." + six characters + ".tmp", so one
// left behind by a save that was killed is recognised and removed by the next save of the
// same document.
//
// Qt's QSaveFile ignores a failing sync and cannot keep the owner, hence the system calls.
// Tests derive from it and override the steps to make a save fail on command.

#include <QByteArray>
#include <QString>

class AtomicFileWriter {
public:
    virtual ~AtomicFileWriter() = default;

    // Makes `bytes` the whole content of `path`, creating the file when it is missing.
    // A symbolic link is followed: the file it points to is replaced, the link stays.
    // Throws AppError naming the file and the cause on failure; the previous file is then
    // intact and the temporary file is gone.
    void write(const QString& path, const QByteArray& bytes);

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
    // Removes the temporary files that earlier saves of the document left behind.
    static void removeStaleTemporaries(const QString& document);
    // Gives the temporary file the document's owner, group and mode where the system allows
    // it; a new document gets the mode a newly created file gets.
    static void takeOverOwnerAndMode(int fd, const QByteArray& document);

    QString document_;
};
