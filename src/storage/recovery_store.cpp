#include "storage/recovery_store.h"

#include "base/app_error.h"
#include "storage/atomic_file_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

const char* const ContentExtension = ".kopia";
const char* const DescriptionExtension = ".json";

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What tells a process from a later one given the same number: the boot it runs in and the
// moment it started (field 22 of /proc/<pid>/stat, in clock ticks since the boot). Empty
// where the system does not say; "ended" for a killed process its parent has not yet
// collected (a zombie), which runs no more.
QString processStart(qint64 pid)
{
    const QByteArray stat = readAll(QStringLiteral("/proc/%1/stat").arg(pid));
    const QByteArray boot = readAll(QStringLiteral("/proc/sys/kernel/random/boot_id")).trimmed();
    // The command's name, in parentheses, may hold blanks: the fields are counted after it,
    // from field 3 on.
    const qsizetype nameEnd = stat.lastIndexOf(')');
    const QList<QByteArray> fields = stat.mid(nameEnd + 2).split(' ');
    if (nameEnd < 0 || boot.isEmpty() || fields.size() < 20)
        return {};
    if (fields[0] == "Z" || fields[0] == "X")
        return QStringLiteral("ended");
    return QString::fromLatin1(boot + ':' + fields[19]);
}

// Whether the process `pid` that started at `start` still runs. In doubt (the system tells
// no start) a live process number counts as the same process: a copy is rather offered late
// than taken from a running program.
bool stillRuns(qint64 pid, const QString& start)
{
    if (pid <= 0 || (::kill(pid_t(pid), 0) != 0 && errno != EPERM))
        return false;
    const QString now = processStart(pid);
    return start.isEmpty() || now.isEmpty() || now == start;
}

} // namespace

RecoveryStore::RecoveryStore(const QString& folder) : folder_(folder) {}

QString RecoveryStore::defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).filePath(QStringLiteral("odzyskiwanie"));
}

QString RecoveryStore::nameOf(int number)
{
    return QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(number);
}

QString RecoveryStore::filePath(const QString& name, const char* extension) const
{
    return QDir(folder_).filePath(name + QLatin1String(extension));
}

// The copies hold the user's work: the folder is his alone, and a folder that is not (a
// link, another owner) is not used.
void RecoveryStore::makePrivateFolder() const
{
    constexpr QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QDir().mkpath(QFileInfo(folder_).absolutePath());
    QDir().mkdir(folder_, ownerOnly);
    const QFileInfo info(folder_);
    if (!info.isDir() || info.isSymLink() || info.ownerId() != ::geteuid() || !QFile::setPermissions(folder_, ownerOnly))
        throw AppError(QStringLiteral("Nie można utworzyć prywatnego folderu kopii zapasowych „%1”.")
                           .arg(QDir::toNativeSeparators(folder_)));
}

void RecoveryStore::write(const RecoveryCopy& copy, const QByteArray& content) const
{
    makePrivateFolder();
    AtomicFileWriter writer;
    writer.write(filePath(copy.name, ContentExtension), content);
    const qint64 pid = QCoreApplication::applicationPid();
    const QJsonObject description{
        {QStringLiteral("dokument"), copy.document},
        {QStringLiteral("rodzaj"), copy.extension},
        {QStringLiteral("czas"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
        {QStringLiteral("proces"), pid},
        {QStringLiteral("start"), processStart(pid)},
    };
    writer.write(filePath(copy.name, DescriptionExtension), QJsonDocument(description).toJson());
}

void RecoveryStore::remove(const QString& name) const
{
    QFile::remove(filePath(name, DescriptionExtension));
    QFile::remove(filePath(name, ContentExtension));
}

QList<RecoveryCopy> RecoveryStore::leftCopies() const
{
    QList<RecoveryCopy> copies;
    const QStringList descriptions =
        QDir(folder_).entryList({QStringLiteral("*") + QLatin1String(DescriptionExtension)}, QDir::Files);
    for (const QString& fileName : descriptions) {
        const QJsonObject description = QJsonDocument::fromJson(readAll(QDir(folder_).filePath(fileName))).object();
        const RecoveryCopy copy{
            QFileInfo(fileName).completeBaseName(),
            description.value(QStringLiteral("dokument")).toString(),
            description.value(QStringLiteral("rodzaj")).toString(),
            QDateTime::fromString(description.value(QStringLiteral("czas")).toString(), Qt::ISODateWithMs),
        };
        if (copy.document.isEmpty() || !copy.time.isValid() || !QFile::exists(filePath(copy.name, ContentExtension))
            || stillRuns(description.value(QStringLiteral("proces")).toInteger(),
                         description.value(QStringLiteral("start")).toString()))
            continue;
        copies.append(copy);
    }
    std::sort(copies.begin(), copies.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.time < b.time; });
    return copies;
}

QByteArray RecoveryStore::content(const QString& name) const
{
    QFile file(filePath(name, ContentExtension));
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Nie można odczytać kopii zapasowej „%1”.")
                           .arg(QDir::toNativeSeparators(file.fileName())));
    return file.readAll();
}
