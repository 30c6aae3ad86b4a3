#include "storage/atomic_file_writer.h"

#include "base/app_error.h"
#include "storage/file_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString temporarySuffix = QStringLiteral(".tmp");
constexpr int randomPartSize = 6; // the XXXXXX that mkostemps replaces

// The document a save replaces: the target of a symbolic link, else the path itself.
QString replacedFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    const QString resolved = info.canonicalFilePath(); // empty for a link to nothing
    return resolved.isEmpty() ? info.symLinkTarget() : resolved;
}

// Makes the rename part of the folder on disk. A failure here is not reported: the document
// has been replaced already and reads back whole.
void syncFolderOf(const QString& document)
{
    const int folder = ::open(QFile::encodeName(QFileInfo(document).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

// True when `fileName` (without folder) names a temporary file of the document `documentName`:
// its name between a dot and a dot, six letters or digits, ".tmp".
bool isTemporaryOf(const QString& fileName, const QString& documentName)
{
    const qsizetype prefix = documentName.size() + 2; // the leading dot and the dot after the name
    if (fileName.size() != prefix + randomPartSize + temporarySuffix.size() || !fileName.startsWith(QLatin1Char('.'))
        || QStringView(fileName).sliced(1, documentName.size()) != documentName || fileName[prefix - 1] != '.'
        || !fileName.endsWith(temporarySuffix))
        return false;
    const auto madeUp = [](QChar c) { return c.isDigit() || (c.isLetter() && c.unicode() < 128); };
    const QStringView randomPart = QStringView(fileName).sliced(prefix, randomPartSize);
    return std::all_of(randomPart.begin(), randomPart.end(), madeUp);
}

// Why a file could not be written, in words for the user: `error` is the errno of the step
// that failed.
QString cause(int error, bool atRename)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("folder nie istnieje");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("brak uprawnień do zapisu w tym miejscu");
    case ENOSPC:
    case EDQUOT:
    case EIO:
        return QStringLiteral("błąd zapisu na dysku, być może brak na nim miejsca");
    default:
        return atRename ? QStringLiteral("nie można zastąpić istniejącego pliku") : QStringLiteral("błąd zapisu");
    }
}

} // namespace

void AtomicFileWriter::removeStaleTemporaries(const QString& document)
{
    const QFileInfo info(document);
    const QDir folder = info.absoluteDir();
    for (const QFileInfo& entry : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!entry.isSymLink() && isTemporaryOf(entry.fileName(), info.fileName()))
            QFile::remove(entry.absoluteFilePath());
    }
}

void AtomicFileWriter::takeOverOwnerAndMode(int fd, const QByteArray& document)
{
    struct stat existing {};
    if (::stat(document.constData(), &existing) != 0) {
        ::fchmod(fd, file_lock::newFileMode());
        return;
    }
    // The owner may be given only by root; the group also by a member of it. The owner goes
    // first, since changing it clears the set-id bits that fchmod then puts back.
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0)
        ::fchown(fd, uid_t(-1), existing.st_gid);
    ::fchmod(fd, existing.st_mode & 07777);
}

void AtomicFileWriter::write(const QString& path, const QByteArray& bytes)
{
    document_ = replacedFile(path);
    removeStaleTemporaries(document_);
    const QFileInfo info(document_);
    const QByteArray target = QFile::encodeName(document_);
    QByteArray temporary = QFile::encodeName(info.absoluteDir().filePath(
        QLatin1Char('.') + info.fileName() + QLatin1Char('.') + QString(randomPartSize, QLatin1Char('X'))
        + temporarySuffix));

    // The errno of the first step that fails; 0 while all succeed.
    int error = 0;
    const auto step = [&error](bool done) {
        if (!done && !error)
            error = errno ? errno : EIO;
        return done;
    };
    bool failedAtRename = false;
    const int fd = ::mkostemps(temporary.data(), int(temporarySuffix.size()), O_CLOEXEC);
    if (step(fd >= 0)) {
        if (step(writeAll(fd, bytes))) {
            takeOverOwnerAndMode(fd, target);
            step(sync(fd));
        }
        // Closed in every case; a network file system may report a failed write only here.
        step(close(fd));
        if (!error)
            failedAtRename = !step(rename(temporary, target));
        if (error)
            ::unlink(temporary.constData());
    }
    if (error)
        throw AppError(QStringLiteral("Nie można zapisać pliku \"%1\" (%2). Plik na dysku pozostał bez zmian.")
                           .arg(QDir::toNativeSeparators(path), cause(error, failedAtRename)));
    syncFolderOf(document_);
}

bool AtomicFileWriter::writeAll(int fd, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool AtomicFileWriter::sync(int fd)
{
    return ::fsync(fd) == 0;
}

bool AtomicFileWriter::close(int fd)
{
    // The descriptor is released even when close fails, so it is never closed twice.
    return ::close(fd) == 0;
}

bool AtomicFileWriter::rename(const QByteArray& from, const QByteArray& to)
{
    return ::rename(from.constData(), to.constData()) == 0;
}
