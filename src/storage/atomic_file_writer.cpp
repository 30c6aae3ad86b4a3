#include "storage/atomic_file_writer.h"

#include "base/app_error.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Why `file` could not be written, in words for the user.
QString cause(const QSaveFile& file)
{
    const QFileInfo info(file.fileName());
    if (!info.absoluteDir().exists())
        return QStringLiteral("folder nie istnieje");
    switch (file.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("brak uprawnień do zapisu w tym miejscu");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return QStringLiteral("błąd zapisu na dysku, być może brak na nim miejsca");
    case QFileDevice::RenameError:
        return QStringLiteral("nie można zastąpić istniejącego pliku");
    default:
        return QStringLiteral("błąd zapisu");
    }
}

} // namespace

void AtomicFileWriter::write(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Without the fallback QSaveFile would write straight into the document where it
    // cannot create a temporary file, which is the very risk this class exists to avoid.
    file.setDirectWriteFallback(false);
    const bool written = file.open(QIODevice::WriteOnly) && writeTemporary(file, bytes) && commit(file);
    if (!written) {
        const QString reason = cause(file);
        // A QSaveFile that was not committed removes its temporary file when destroyed.
        file.cancelWriting();
        throw AppError(QStringLiteral("Nie można zapisać pliku \"%1\" (%2). Plik na dysku pozostał bez zmian.")
                           .arg(QDir::toNativeSeparators(path), reason));
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
