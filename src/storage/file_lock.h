#pragma once
// The write lock of a document file: its write permission bits. A locked ("read-only")
// file has none; taking the lock removes them and reports which bits it removed, and
// lifting it gives exactly those back, so a file writable by its group or by everyone is
// so again afterwards. The permission bits themselves are tested, never whether the
// current user could write, since root may write anything.
// Failures of these operations (a missing file, a foreign owner) are ignored: a user who
// may not change a file's mode takes nothing from it. Who holds a lock, and which bits it
// took, is recorded beside the file (LockOwner).

#include <QFile>
#include <QString>

namespace file_lock {

// True when the file exists and its owner may not write it.
bool isReadOnly(const QString& path);
// Takes every write permission away; the other bits stay. Returns the write bits it took:
// none when the file is missing, had none or its mode may not be changed by this user.
QFile::Permissions setReadOnly(const QString& path);
// Gives the file the write permission bits `writeBits` back; the other bits stay.
void setArchive(const QString& path, QFile::Permissions writeBits);
// The write bits the program's lock took from the file `path`, as its lock-owner record
// says; none when no copy of the program holds a lock on it (no record). A file whose
// user could write it before the lock was taken had one of these bits for that user.
QFile::Permissions takenWriteBits(const QString& path);
// The mode bits (0666 less the process's umask) of a newly created file.
unsigned newFileMode();
// The write bits a newly created file gets.
QFile::Permissions newFileWriteBits();
// The write bits among the mode bits `mode` (0200 owner, 020 group, 02 others), and back.
QFile::Permissions writeBitsOfMode(unsigned mode);
unsigned modeOfWriteBits(QFile::Permissions bits);

} // namespace file_lock
