#include "storage/write_access.h"

#include "base/app_error.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace write_access {

namespace {

constexpr int maxLinks = 40;   // as many as the kernel follows before it gives up (ELOOP)

mode_t modeBits(QFile::Permissions bits)
{
    return (bits.testFlag(QFile::WriteOwner) ? S_IWUSR : 0) | (bits.testFlag(QFile::WriteGroup) ? S_IWGRP : 0)
           | (bits.testFlag(QFile::WriteOther) ? S_IWOTH : 0);
}

bool lstatOf(const QString& path, struct stat* st)
{
    return ::lstat(QFile::encodeName(path).constData(), st) == 0;
}

QString joined(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

QString parentOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

// True when the kernel's protected-symlinks rule lets `writer` follow `link`.
bool mayFollow(const Writer& writer, const Link& link)
{
    const bool shared = (link.folderMode & S_ISVTX) && (link.folderMode & S_IWOTH);
    return !shared || link.owner == writer.uid || link.owner == link.folderOwner;
}

// True when `writer` could write the file before the program's lock took its write bits.
bool couldWrite(const Writer& writer, const Target& target)
{
    const mode_t mode = target.mode | target.lockedWriteBits;
    if (writer.uid == 0)
        return true;
    if (writer.uid == target.owner)
        return mode & S_IWUSR;
    if (writer.isMemberOf(target.group))
        return mode & S_IWGRP;
    return mode & S_IWOTH;
}

} // namespace

Writer Writer::current()
{
    Writer writer{::geteuid(), ::getegid(), {}};
    const int count = ::getgroups(0, nullptr);
    if (count > 0) {
        writer.groups.resize(count);
        writer.groups.resize(std::max(0, ::getgroups(count, writer.groups.data())));
    }
    return writer;
}

Target inspect(const QString& path, QFile::Permissions lockedWriteBits)
{
    Target target;
    target.lockedWriteBits = modeBits(lockedWriteBits);
    // Resolved one name at a time, as the kernel does, so every link on the way is seen
    // together with the folder that holds it.
    QStringList pending = QFileInfo(path).absoluteFilePath().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString resolved = QStringLiteral("/");
    while (!pending.isEmpty()) {
        const QString name = pending.takeFirst();
        if (name == QLatin1String("."))
            continue;
        if (name == QLatin1String("..")) {
            resolved = parentOf(resolved);
            continue;
        }
        const QString next = joined(resolved, name);
        struct stat st {};
        if (!lstatOf(next, &st) || !S_ISLNK(st.st_mode) || target.links.size() == maxLinks) {
            resolved = next;
            continue;
        }
        struct stat folder {};
        lstatOf(resolved, &folder);
        target.links.append({next, st.st_uid, folder.st_uid, mode_t(folder.st_mode & 07777)});
        QByteArray content(PATH_MAX, '\0');
        const ssize_t size = ::readlink(QFile::encodeName(next).constData(), content.data(), size_t(content.size()));
        if (size <= 0) {
            resolved = next;
            continue;
        }
        const QString linkTarget = QFile::decodeName(content.first(size));
        if (linkTarget.startsWith(QLatin1Char('/')))
            resolved = QStringLiteral("/");
        pending = linkTarget.split(QLatin1Char('/'), Qt::SkipEmptyParts) + pending;
    }
    target.file = resolved;
    struct stat st {};
    if (::stat(QFile::encodeName(resolved).constData(), &st) == 0) {
        target.exists = true;
        target.mode = st.st_mode;
        target.owner = st.st_uid;
        target.group = st.st_gid;
    }
    return target;
}

Decision decide(const Writer& writer, const Target& target)
{
    for (const Link& link : target.links) {
        if (!mayFollow(writer, link))
            return {Way::PlantedLink, link.path};
    }
    if (!target.exists)
        return {};
    if (!S_ISREG(target.mode))
        return {Way::NotRegular, {}};
    if (!couldWrite(writer, target))
        return {Way::NotWritable, {}};
    // Only root may give a file away; a user's own file stays his when it is replaced.
    if (writer.uid != 0 && writer.uid != target.owner)
        return {Way::InPlace, {}};
    return {};
}

Way requireWritable(const QString& path, const Target& target)
{
    const Decision decision = decide(Writer::current(), target);
    const QString file = QDir::toNativeSeparators(path);
    const auto refuse = [&file](const QString& cause) {
        return AppError(QStringLiteral("Nie można zapisać pliku \"%1\" (%2). Plik na dysku pozostał bez zmian.")
                            .arg(file, cause));
    };
    switch (decision.way) {
    case Way::PlantedLink:
        throw refuse(QStringLiteral("dowiązanie symboliczne \"%1\" leży we wspólnym folderze i należy do innego "
                                    "użytkownika, więc program za nim nie podąża")
                         .arg(QDir::toNativeSeparators(decision.link)));
    case Way::NotRegular:
        throw refuse(QStringLiteral("to nie jest zwykły plik, lecz urządzenie, potok, gniazdo albo folder"));
    case Way::NotWritable:
        throw refuse(QStringLiteral("brak uprawnień do zapisu tego pliku"));
    case Way::Replace:
    case Way::InPlace:
        break;
    }
    return decision.way;
}

bool sameFile(const QString& a, const QString& b)
{
    struct stat first {};
    struct stat second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0
           && ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev
           && first.st_ino == second.st_ino;
}

} // namespace write_access
