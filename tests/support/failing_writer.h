#pragma once
// FailingWriter: an AtomicFileWriter whose write fails on command at one of its steps: half-way
// through the temporary file, at the sync (an I/O error), at the close (a quota error, as
// network file systems report it) or at the rename. It records what the document held at the
// moment of the failure, so a test can see that the text went elsewhere.

#include "storage/atomic_file_writer.h"

#include <QFile>
#include <cerrno>
#include <unistd.h>

class FailingWriter : public AtomicFileWriter {
public:
    enum class Failure { None, HalfWay, AtSync, AtClose, AtRename };

    Failure failure = Failure::None;
    QByteArray documentAtFailure;

protected:
    bool writeAll(int fd, const QByteArray& bytes) override
    {
        if (failure != Failure::HalfWay)
            return AtomicFileWriter::writeAll(fd, bytes);
        AtomicFileWriter::writeAll(fd, bytes.first(bytes.size() / 2));
        return fail(ENOSPC);
    }

    bool sync(int fd) override { return failure == Failure::AtSync ? fail(EIO) : AtomicFileWriter::sync(fd); }

    bool close(int fd) override
    {
        const bool closed = AtomicFileWriter::close(fd);
        return failure == Failure::AtClose ? fail(EDQUOT) : closed;
    }

    bool rename(const QByteArray& from, const QByteArray& to) override
    {
        return failure == Failure::AtRename ? fail(EXDEV) : AtomicFileWriter::rename(from, to);
    }

private:
    bool fail(int error)
    {
        QFile document(documentPath());
        documentAtFailure = document.open(QIODevice::ReadOnly) ? document.readAll() : QByteArray("(brak)");
        errno = error;
        return false;
    }
};
