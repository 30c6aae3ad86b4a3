#include "shell/instance_lock.h"

#include "base/prompts.h"
#include "shell/document_channel.h"
#include "storage/private_folder.h"

#include <QDir>
#include <QStandardPaths>

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
    if (!runtime.isEmpty() && private_folder::holds(runtime))
        return runtime;
    if (cache.isEmpty())
        return {};
    const QString folder = QDir(cache).filePath(QStringLiteral("ocena-ryzyka"));
    return private_folder::make(folder) ? folder : QString();
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
