#pragma once
// The rules a save follows before it writes a file: which file a path leads to, whether
// that file may be written at all, and whether it is replaced (a new file renamed over it)
// or overwritten in place, which keeps its owner, group, mode and links.
//
// The rules are decided from owners, ids and permission bits, never by trying: root may
// write anything, and the decision must hold for any user all the same.
//  - A symbolic link in a folder writable by everyone with the sticky bit (/tmp) is followed
//    only when it belongs to the writing user or to the folder's owner, as the kernel's
//    protected-symlinks rule has it: someone else's link there may lead anywhere.
//  - A device, pipe, socket or folder is never replaced by a file.
//  - A file the user could not write before the program's own lock took its write bits
//    stays unwritten.
//  - A file the user cannot give back to its owner (not his, and he is not root) is
//    overwritten in place: replacing it would make the user its owner.

#include <QFile>
#include <QList>
#include <QString>

#include <sys/types.h>

namespace write_access {

// The user a save runs as.
struct Writer {
    uid_t uid = 0;
    gid_t gid = 0;
    QList<gid_t> groups;   // the supplementary groups

    bool isMemberOf(gid_t group) const { return group == gid || groups.contains(group); }
    // The process's effective user and groups.
    static Writer current();
};

// A symbolic link met on the way to the file.
struct Link {
    QString path;
    uid_t owner = 0;
    uid_t folderOwner = 0;
    mode_t folderMode = 0;   // permission bits of the folder holding the link
};

// What a path to be written leads to.
struct Target {
    QString file;            // the path with every link resolved
    QList<Link> links;       // the links followed, in order
    bool exists = false;
    mode_t mode = 0;         // type and permission bits (st_mode)
    uid_t owner = 0;
    gid_t group = 0;
    mode_t lockedWriteBits = 0;   // the write bits the program's own lock took from the file
};

enum class Way { Replace, InPlace, PlantedLink, NotRegular, NotWritable };

struct Decision {
    Way way = Way::Replace;
    QString link;   // for PlantedLink: the link that is not followed
};

// Resolves every link of `path` (relative to the working folder) and gathers the facts.
// `lockedWriteBits` are the write bits the program's lock took from the file, if it holds it.
Target inspect(const QString& path, QFile::Permissions lockedWriteBits = {});

Decision decide(const Writer& writer, const Target& target);

// decide for the current user; throws AppError naming `path` (or the link) and the cause
// when the file `target` (inspected from `path`) must not be written. Returns the way to
// write it otherwise: Replace or InPlace.
Way requireWritable(const QString& path, const Target& target);

// True when both paths exist and lead, through their links, to one file.
bool sameFile(const QString& a, const QString& b);

} // namespace write_access
