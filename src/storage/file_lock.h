#pragma once
// The write lock of a document file: the owner's write permission. A locked
// ("read-only") file has no write permission bit; an unlocked ("archive") file may be
// written by its owner. The permission bits themselves are tested, never whether the
// current user could write, since root may write anything.
// Failures of these operations (a missing file, a foreign owner) are ignored.

#include <QString>

namespace file_lock {

// True when the file exists and its owner may not write it.
bool isReadOnly(const QString& path);
// Takes every write permission away; the other bits stay.
void setReadOnly(const QString& path);
// Gives the owner the write permission back; the other bits stay.
void setArchive(const QString& path);

} // namespace file_lock
