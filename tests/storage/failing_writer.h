#pragma once
// FailingWriter: an AtomicFileWriter that fails on command, either half-way through the
// temporary file or at the final flush and rename. It records what the document held at the
// moment of the failure, so a test can see that the text went elsewhere (Qt's temporary
// file may have no name in the folder at all).

#include "storage/atomic_file_writer.h"

#include <QFile>
#include <QSaveFile>

class FailingWriter : public AtomicFileWriter {
public:
    enum class Failure { None, HalfWay, AtCommit };

    Failure failure = Failure::None;
    QByteArray documentAtFailure;

protected:
    bool writeTemporary(QSaveFile& file, const QByteArray& bytes) override
    {
        if (failure != Failure::HalfWay)
            return AtomicFileWriter::writeTemporary(file, bytes);
        file.write(bytes.first(bytes.size() / 2));
        file.flush();
        recordDocument(file);
        return false;
    }

    bool commit(QSaveFile& file) override
    {
        if (failure != Failure::AtCommit)
            return AtomicFileWriter::commit(file);
        file.flush();
        recordDocument(file);
        return false;
    }

private:
    void recordDocument(const QSaveFile& file)
    {
        QFile document(file.fileName());
        documentAtFailure = document.open(QIODevice::ReadOnly) ? document.readAll() : QByteArray("(brak)");
    }
};
