#include "shell/instance_lock.h"

#include "base/prompts.h"
#include "shell/document_channel.h"

#include <QDir>
#include <QStandardPaths>

InstanceLock::InstanceLock(const QString& folder)
    : fileName_(QDir(folder).filePath(QStringLiteral("Mendrol")))
    , lock_(fileName_)
{
    // No age makes a lock stale: a run may last for days. Only a lock whose process is
    // gone is taken over (QLockFile checks the owner's process id and name).
    lock_.setStaleLockTime(0);
}

QString InstanceLock::defaultFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

bool InstanceLock::tryAcquire()
{
    return lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError;
}

void InstanceLock::release()
{
    lock_.unlock();
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
