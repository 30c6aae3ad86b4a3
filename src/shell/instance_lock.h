#pragma once
// InstanceLock: the marker of the running instance, a lock file named Mendrol in the
// user's runtime folder. A lock left behind by a run that was killed is stale (its process
// is gone) and is taken over; the lock of a live run never goes stale, however long it has
// been held. The lock is released by release() or when the object is destroyed.

#include <QLockFile>
#include <QString>
#include <QStringList>

class InstanceLock {
public:
    explicit InstanceLock(const QString& folder = defaultFolder());
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // The user's runtime folder (the temporary folder where there is none).
    static QString defaultFolder();

    // Takes the lock. False only when another live run holds it: when no lock file can be
    // made at all (a missing or read-only folder), the run goes on unguarded.
    bool tryAcquire();
    void release();

    const QString& fileName() const { return fileName_; }
    // The socket on which the holder of the lock receives documents (DocumentChannel):
    // beside the lock file, named after it.
    QString channelName() const { return fileName_ + QStringLiteral(".socket"); }

private:
    QString fileName_;
    QLockFile lock_;
};

// The single-instance test of the program's start: takes `lock` and returns true, or,
// when another run holds it, returns false after handing `documents` to that run, silently,
// or, when there are none or that run does not take them, showing the message
// "Aplikacja jest aktywna. ...".
bool claimSingleInstance(InstanceLock& lock, const QStringList& documents = {});
