#pragma once
// LockOwner: who holds the write lock of a document file, recorded beside it.
//
// The lock other copies of the program see is the file's missing write permission
// (file_lock). Taking the lock also writes a small hidden lock-owner file next to the
// document, and giving the lock back removes it. It names the holder, so that
//  - a lock left by a program that ended without giving it back (a crash, a kill, a power
//    cut) can be told from a lock that is still held: its process is gone;
//  - a lock holds also where the write bits alone cannot carry it: a group member may not
//    change the mode of a colleague's group-writable file, yet the record names him;
//  - the bits the lock took can be asked for (file_lock::takenWriteBits), also by a program
//    that took the lock over from a crashed one.
//
// The file: for the document "<folder>/<name>" it is "<folder>/.<name>.blokada", UTF-8
// text, one "key=value" line each, written whole (replaced, never edited in place):
//   Uzytkownik=<login name of the holder>
//   Komputer=<host name>
//   Proces=<process id>
//   Start=<when that process started: ISO 8601 in UTC, 2026-12-07T20:21:09+00:00>
//   Zabrane=<the write bits the lock took, octal, e.g. 0220>
// The process id and its start time together name one process: a process id the system
// has given again to another program has another start time.

#include <QDateTime>
#include <QFile>
#include <QString>
#include <optional>

class LockOwner {
public:
    // How a file that someone may hold looks to this program.
    enum class State {
        Free,   // nobody holds it: the lock may be taken
        Held,   // a running program holds it, another computer does, or the write bit is off
                // without a record (the user set it, or an older copy of the program holds it)
        Stale,  // the record names a program of this computer that no longer runs
    };

    QString user;
    QString host;
    qint64 processId = 0;
    QDateTime started;               // UTC, whole seconds
    QFile::Permissions takenWriteBits;

    // This process, having taken `takenWriteBits`.
    static LockOwner thisProcess(QFile::Permissions takenWriteBits);
    // The lock-owner file of `documentPath`.
    static QString fileOf(const QString& documentPath);
    // The record beside `documentPath`; none when there is none or it cannot be read whole.
    static std::optional<LockOwner> read(const QString& documentPath);
    // Replaces the record beside `documentPath` by this one, also one of another user.
    // False when it cannot be written (a folder the user may not write into, a folder
    // where only the owner of a file may replace it).
    bool write(const QString& documentPath) const;
    // Removes the record beside `documentPath` when it names this process.
    static void removeOwn(const QString& documentPath);

    // The state of a file whose record is `owner` and whose owner's write bit is off or on.
    static State stateOf(const std::optional<LockOwner>& owner, bool writeBitOff);
    // The state of the file `documentPath` (Free when it does not exist).
    static State stateOf(const QString& documentPath);

    // True when this record names this very process.
    bool isThisProcess() const;
    // True when the process named runs on this computer; a process of another computer
    // cannot be seen and counts as running.
    bool runs() const;
    // The holder for a message: "użytkownik jan, komputer stacja1, program uruchomiony
    // 07.12.2026 o 19:50".
    QString describe() const;
};
