#include "storage/private_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool ownFolder(const QString& path, bool tighten)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
        return false;
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) == 0)
        return true;
    return tighten && ::chmod(name.constData(), S_IRWXU) == 0;
}

} // namespace

namespace private_folder {

bool holds(const QString& path)
{
    return ownFolder(path, false);
}

bool make(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    ::mkdir(QFile::encodeName(path).constData(), S_IRWXU);   // one that exists is checked as it is
    return ownFolder(path, true);
}

} // namespace private_folder
