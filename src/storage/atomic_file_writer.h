#pragma once
// AtomicFileWriter: puts a whole file on disk in one step, so a failed or interrupted
// save never leaves a shortened document. The text goes to a temporary file in the same
// folder (QSaveFile), is flushed to disk and then renamed over the file.
// Tests derive from it and override the two steps to make a save fail on command.

#include <QByteArray>
#include <QString>

class QSaveFile;

class AtomicFileWriter {
public:
    virtual ~AtomicFileWriter() = default;

    // Makes `bytes` the whole content of `path`, creating the file when it is missing.
    // Throws AppError naming the file and the cause on failure; the previous file is then intact and
    // the temporary file is gone.
    void write(const QString& path, const QByteArray& bytes);

protected:
    // Writes `bytes` to the open temporary file; false on failure.
    virtual bool writeTemporary(QSaveFile& file, const QByteArray& bytes);
    // Flushes the temporary file to disk and renames it over the file; false on failure.
    virtual bool commit(QSaveFile& file);
};
