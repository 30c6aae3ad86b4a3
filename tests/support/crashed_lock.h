#pragma once
// The lock-owner record a program of this computer leaves when it is killed while holding a
// document: it names this user and host and a process that no longer runs.

#include "storage/lock_owner.h"

// Above the largest process id the system gives (2^22), so no process has it.
constexpr qint64 GoneProcessId = 0x7ffffffe;

inline LockOwner crashedOwner(QFile::Permissions takenWriteBits)
{
    LockOwner owner = LockOwner::thisProcess(takenWriteBits);
    owner.processId = GoneProcessId;
    return owner;
}
