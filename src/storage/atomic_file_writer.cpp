#include "storage/atomic_file_writer.h"

#include "base/app_error.h"
#include "storage/file_lock.h"
#include "storage/process_start.h"
#include "storage/write_access.h"

#include <QDateTime>
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
const QString copySuffix = QStringLiteral(".kopia");
constexpr int randomPartSize = 6; // the XXXXXX that mkostemps replaces
// A temporary file this old is left over, whoever made it: no save takes an hour.
constexpr qint64 staleAfterSeconds = 3600;

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

// What a temporary file's name says of the save that made it.
struct TemporaryName {
    bool matches = false;   // a temporary file of the document
    qint64 process = 0;     // the id of the process that made it; 0 in the older form
};

// Reads `fileName` (without folder) as a temporary file of the document `documentName`:
// a dot, its name, a dot, optionally a process id and "-", six letters or digits, ".tmp".
TemporaryName temporaryName(const QString& fileName, const QString& documentName)
{
    const qsizetype prefix = documentName.size() + 2; // the leading dot and the dot after the name
    const qsizetype fixed = prefix + randomPartSize + temporarySuffix.size();
    if (fileName.size() < fixed || !fileName.startsWith(QLatin1Char('.'))
        || QStringView(fileName).sliced(1, documentName.size()) != documentName || fileName[prefix - 1] != '.'
        || !fileName.endsWith(temporarySuffix))
        return {};
    const auto madeUp = [](QChar c) { return c.isDigit() || (c.isLetter() && c.unicode() < 128); };
    const QStringView randomPart =
        QStringView(fileName).chopped(temporarySuffix.size()).last(randomPartSize);
    if (!std::all_of(randomPart.begin(), randomPart.end(), madeUp))
        return {};
    if (fileName.size() == fixed)
        return {true, 0};
    const QStringView process = QStringView(fileName).sliced(prefix, fileName.size() - fixed);
    bool number = false;
    const qint64 id = process.chopped(1).toLongLong(&number);
    return {process.endsWith(QLatin1Char('-')) && number && id > 0, id};
}

// Why a file could not be written, in words for the user: `error` is the errno of the step
// that failed.
QString cause(int error, bool atRename, const QString& document)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return QFileInfo(document).absoluteDir().exists()
                   ? QStringLiteral("plik tymczasowy zapisu usunął w tym czasie inny program")
                   : QStringLiteral("folder nie istnieje");
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
    const QDateTime staleBefore = QDateTime::currentDateTime().addSecs(-staleAfterSeconds);
    for (const QFileInfo& entry : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        const TemporaryName name = temporaryName(entry.fileName(), info.fileName());
        if (name.matches && !entry.isSymLink()
            && ((name.process != 0 && !process_start::runs(name.process, {})) || entry.lastModified() < staleBefore))
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
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0 && ::fchown(fd, uid_t(-1), existing.st_gid) != 0) {
        // Neither is allowed: the new file keeps the saving user's group.
    }
    ::fchmod(fd, existing.st_mode & 07777);
}

bool AtomicFileWriter::overwrite(const QByteArray& document, const QByteArray& bytes, bool* changed)
{
    *changed = false;
    const int fd = ::open(document.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool done = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (done && bytes.size() > st.st_size) {
        // Room for the whole text is taken before a byte is changed, so a full disk leaves
        // the document as it was. File systems that cannot reserve space write as they go.
        const int reserved = ::posix_fallocate(fd, 0, off_t(bytes.size()));
        done = reserved == 0 || reserved == EOPNOTSUPP || reserved == EINVAL;
        if (!done)
            errno = reserved;
    }
    if (done) {
        *changed = true;
        done = writeAll(fd, bytes) && ::ftruncate(fd, off_t(bytes.size())) == 0 && sync(fd);
    }
    const int error = done ? 0 : errno;
    done = close(fd) && done;
    if (error)
        errno = error;
    return done;
}

void AtomicFileWriter::write(const QString& path, const QByteArray& bytes, QFile::Permissions lockedWriteBits)
{
    const write_access::Target found = write_access::inspect(path, lockedWriteBits);
    const bool inPlace = write_access::requireWritable(path, found) == write_access::Way::InPlace;
    document_ = found.file;
    removeStaleTemporaries(document_);
    const QFileInfo info(document_);
    const QByteArray target = QFile::encodeName(document_);
    QByteArray temporary = QFile::encodeName(info.absoluteDir().filePath(
        QStringLiteral(".%1.%2-").arg(info.fileName()).arg(::getpid()) + QString(randomPartSize, QLatin1Char('X'))
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
        if (!error && !inPlace)
            failedAtRename = !step(rename(temporary, target));
        if (error)
            ::unlink(temporary.constData());
    }
    if (error)
        throw AppError(QStringLiteral("Nie można zapisać pliku \"%1\" (%2). Plik na dysku pozostał bez zmian.")
                           .arg(QDir::toNativeSeparators(path), cause(error, failedAtRename, document_)));
    if (inPlace)
        overwriteKeepingCopy(path, temporary, bytes);
    syncFolderOf(document_);
}

void AtomicFileWriter::overwriteKeepingCopy(const QString& path, const QByteArray& copy, const QByteArray& bytes)
{
    bool changed = false;
    if (overwrite(QFile::encodeName(document_), bytes, &changed)) {
        ::unlink(copy.constData());
        return;
    }
    const int error = errno ? errno : EIO;
    const QString kept = document_ + copySuffix;
    const QString copyName = rename(copy, QFile::encodeName(kept)) ? kept : QFile::decodeName(copy);
    throw AppError(QStringLiteral("Nie można zapisać pliku \"%1\" (%2). %3 Pełna nowa treść jest w pliku \"%4\".")
                       .arg(QDir::toNativeSeparators(path), cause(error, false, document_),
                            changed ? QStringLiteral("Plik mógł zostać zapisany tylko częściowo.")
                                    : QStringLiteral("Plik na dysku pozostał bez zmian."),
                            QDir::toNativeSeparators(copyName)));
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
