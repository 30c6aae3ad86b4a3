#include "shell/instance_lock.h"

#include "base/prompts.h"
#include "shell/document_channel.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whether `path` is a folder of this user's own (not a link to one) and, with `tighten`,
// after taking away whatever permissions others had on it.
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

InstanceLock::InstanceLock(const QString& folder)
    : fileName_(folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("Mendrol")))
    , lock_(fileName_)
{
    // No age makes a lock stale: a run may last for days. Only a lock whose process is
    // gone is taken over (QLockFile checks the owner's process id and name).
    lock_.setStaleLockTime(0);
}

QString InstanceLock::defaultFolder()
{
    return privateFolder(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                         QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));
}

QString InstanceLock::privateFolder(const QString& runtime, const QString& cache)
{
    if (!runtime.isEmpty() && ownFolder(runtime, false))
        return runtime;
    if (cache.isEmpty() || !QDir().mkpath(cache))
        return {};
    const QString folder = QDir(cache).filePath(QStringLiteral("ocena-ryzyka"));
    ::mkdir(QFile::encodeName(folder).constData(), S_IRWXU);   // one that exists is checked as it is
    return ownFolder(folder, true) ? folder : QString();
}

bool InstanceLock::tryAcquire()
{
    if (fileName_.isEmpty())
        return true;
    return lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError;
}

void InstanceLock::release()
{
    if (!fileName_.isEmpty())
        lock_.unlock();
}

QString InstanceLock::channelName() const
{
    return fileName_.isEmpty() ? QString() : fileName_ + QStringLiteral(".socket");
}

bool claimSingleInstance(InstanceLock& lock, const QStringList& documents)
{
    if (lock.tryAcquire())
        return true;
    if (!documents.isEmpty() && DocumentChannel::send(lock.channelName(), documents))
        return false;
    prompts().message(QStringLiteral("Aplikacja jest aktywna. Nie można otworzyć drugiego egzemplarza aplikacji!!"));
    return false;
}
