#include "storage/file_lock.h"

#include "storage/lock_owner.h"

#include <sys/stat.h>

namespace file_lock {

namespace {
constexpr QFile::Permissions writeBits = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;

// The permission bits of the file's mode as QFile names them; the bits of the current
// user (QFile::ReadUser and its kind) are left out, they are no mode bits of their own.
QFile::Permissions modeBits(const QString& path)
{
    constexpr QFile::Permissions userBits = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    return QFile::permissions(path) & ~userBits;
}
} // namespace

bool isReadOnly(const QString& path)
{
    return QFile::exists(path) && !(QFile::permissions(path) & QFile::WriteOwner);
}

QFile::Permissions setReadOnly(const QString& path)
{
    if (!QFile::exists(path))
        return {};
    const QFile::Permissions mode = modeBits(path);
    if (!QFile::setPermissions(path, mode & ~writeBits))
        return {};
    return mode & writeBits;
}

void setArchive(const QString& path, QFile::Permissions bits)
{
    if (QFile::exists(path))
        QFile::setPermissions(path, modeBits(path) | (bits & writeBits));
}

QFile::Permissions takenWriteBits(const QString& path)
{
    const std::optional<LockOwner> owner = LockOwner::read(path);
    return owner ? owner->takenWriteBits : QFile::Permissions();
}

unsigned newFileMode()
{
    // umask can only be read by setting it; the program has a single thread that does so.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

QFile::Permissions newFileWriteBits()
{
    return writeBitsOfMode(newFileMode());
}

QFile::Permissions writeBitsOfMode(unsigned mode)
{
    QFile::Permissions bits;
    bits.setFlag(QFile::WriteOwner, mode & S_IWUSR);
    bits.setFlag(QFile::WriteGroup, mode & S_IWGRP);
    bits.setFlag(QFile::WriteOther, mode & S_IWOTH);
    return bits;
}

unsigned modeOfWriteBits(QFile::Permissions bits)
{
    return (bits & QFile::WriteOwner ? S_IWUSR : 0u) | (bits & QFile::WriteGroup ? S_IWGRP : 0u)
           | (bits & QFile::WriteOther ? S_IWOTH : 0u);
}

} // namespace file_lock
