#include "storage/file_lock.h"

#include <QFile>

namespace file_lock {

namespace {
constexpr QFile::Permissions writeBits =
    QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther;
}

bool isReadOnly(const QString& path)
{
    return QFile::exists(path) && !(QFile::permissions(path) & QFile::WriteOwner);
}

void setReadOnly(const QString& path)
{
    if (QFile::exists(path))
        QFile::setPermissions(path, QFile::permissions(path) & ~writeBits);
}

void setArchive(const QString& path)
{
    if (QFile::exists(path))
        QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner | QFile::WriteUser);
}

} // namespace file_lock
