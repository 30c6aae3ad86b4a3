#include "storage/regular_file.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace regular_file {

namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// What a file that is no regular file is, as the end of "nie jest zwykłym plikiem, lecz …".
QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("folderem");
    if (S_ISFIFO(mode))
        return QStringLiteral("kolejką FIFO");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("urządzeniem");
    if (S_ISSOCK(mode))
        return QStringLiteral("gniazdem");
    return QStringLiteral("plikiem specjalnym");
}

// Megabytes with one decimal and a decimal comma, rounded up ("256,1"), so a file over
// the bound never reads as if it were at it.
QString megabytes(qint64 bytes)
{
    const double tenths = std::ceil(double(bytes) * 10 / (1024 * 1024));
    return QString::number(tenths / 10, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

void check(const QString& path, const struct stat& st, qint64 maxBytes)
{
    if (!S_ISREG(st.st_mode))
        throw FileRefused(QStringLiteral("„%1” nie jest zwykłym plikiem, lecz %2, więc nie został otwarty.\r"
                                         "Nic nie zostało zmienione.")
                              .arg(native(path), kindOf(st.st_mode)));
    if (st.st_size > maxBytes)
        throw FileRefused(QStringLiteral("Plik „%1” ma %2 MB, a dokument może mieć najwyżej %3 MB, więc nie został "
                                         "otwarty.\rNic nie zostało zmienione.")
                              .arg(native(path), megabytes(st.st_size))
                              .arg(maxBytes / (1024 * 1024)));
}

AppError cannotRead(const QString& path)
{
    return AppError(QStringLiteral("Nie można odczytać pliku \"%1\".").arg(native(path)));
}

} // namespace

void requireDocument(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0)
        check(path, st, MaxDocumentBytes);
}

QByteArray read(const QString& path, qint64 maxBytes)
{
    // Opened without waiting: opening a FIFO for reading would wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw cannotRead(path);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw cannotRead(path);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        throw cannotRead(path);
    check(path, st, maxBytes);
    QByteArray bytes;
    try {
        bytes = file.readAll();
    } catch (const std::bad_alloc&) {
        throw outOfMemory(path);
    }
    if (file.error() != QFileDevice::NoError)
        throw cannotRead(path);
    if (bytes.size() > maxBytes) {
        // The file grew while it was read.
        st.st_size = bytes.size();
        check(path, st, maxBytes);
    }
    return bytes;
}

AppError outOfMemory(const QString& path)
{
    return AppError(QStringLiteral("Za mało pamięci, aby odczytać plik „%1”. Plik nie został otwarty.").arg(native(path)));
}

} // namespace regular_file
