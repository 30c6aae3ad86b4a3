#pragma once
// The write lock of a document file: its write permission bits. A locked ("read-only")
// file has none; taking the lock removes them and reports which bits the file had, and
// lifting it gives exactly those back, so a file writable by its group or by everyone is
// so again afterwards. The permission bits themselves are tested, never whether the
// current user could write, since root may write anything.
// Failures of these operations (a missing file, a foreign owner) are ignored.

#include <QFile>
#include <QString>

namespace file_lock {

// True when the file exists and its owner may not write it.
bool isReadOnly(const QString& path);
// Takes every write permission away; the other bits stay. Returns the write bits the file
// had (none when it is missing).
QFile::Permissions setReadOnly(const QString& path);
// Gives the file the write permission bits `writeBits` back; the other bits stay.
void setArchive(const QString& path, QFile::Permissions writeBits);
// The mode bits (0666 less the process's umask) of a newly created file.
unsigned newFileMode();
// The write bits a newly created file gets.
QFile::Permissions newFileWriteBits();

} // namespace file_lock
