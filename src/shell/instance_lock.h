#pragma once
// InstanceLock: the marker of the running instance, a lock file named Mendrol in a folder
// of the user's own (privateFolder()). A lock left behind by a run that was killed is stale
// (its process is gone) and is taken over; the lock of a live run never goes stale, however
// long it has been held. The lock is released by release() or when the object is destroyed.

#include <QLockFile>
#include <QString>
#include <QStringList>

class InstanceLock {
public:
    // An empty `folder` guards nothing.
    explicit InstanceLock(const QString& folder = defaultFolder());
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // privateFolder() of the user's runtime and cache folders.
    static QString defaultFolder();
    // The folder of the lock and its socket, never one that other users may write to (they
    // could plant a lock that keeps the program from starting, or listen in the program's
    // place): `runtime` when it is a folder of this user's own that no one else may enter,
    // else "ocena-ryzyka" in `cache`, made or kept with the user's permissions alone. Links
    // and folders of other users are never taken. Empty when neither can be had.
    static QString privateFolder(const QString& runtime, const QString& cache);

    // Takes the lock. False only when another live run holds it: when no lock file can be
    // made at all (no private folder, a missing or read-only one), the run goes on
    // unguarded.
    bool tryAcquire();
    void release();

    const QString& fileName() const { return fileName_; }
    // The socket on which the holder of the lock receives documents (DocumentChannel):
    // beside the lock file, named after it; empty with no folder.
    QString channelName() const;

private:
    QString fileName_;
    QLockFile lock_;
};

// The single-instance test of the program's start: takes `lock` and returns true, or,
// when another run holds it, returns false after handing `documents` to that run, silently,
// or, when there are none or that run does not take them, showing the message
// "Aplikacja jest aktywna. ...".
bool claimSingleInstance(InstanceLock& lock, const QStringList& documents = {});
