#include "storage/atomic_file_writer.h"

#include "base/app_error.h"

#include <QDir>
#include <QSaveFile>

void AtomicFileWriter::write(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Without the fallback QSaveFile would write straight into the document where it
    // cannot create a temporary file, which is the very risk this class exists to avoid.
    file.setDirectWriteFallback(false);
    const bool written = file.open(QIODevice::WriteOnly) && writeTemporary(file, bytes) && commit(file);
    if (!written) {
        // A QSaveFile that was not committed removes its temporary file when destroyed.
        file.cancelWriting();
        throw AppError(QStringLiteral("Nie można zapisać pliku \"%1\". Plik na dysku pozostał bez zmian.")
                           .arg(QDir::toNativeSeparators(path)));
    }
}

bool AtomicFileWriter::writeTemporary(QSaveFile& file, const QByteArray& bytes)
{
    return file.write(bytes) == bytes.size();
}

bool AtomicFileWriter::commit(QSaveFile& file)
{
    return file.commit();
}
