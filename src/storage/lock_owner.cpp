#include "storage/lock_owner.h"

#include "storage/file_lock.h"
#include "storage/regular_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryFile>
#include <QTimeZone>
#include <cerrno>
#include <csignal>
#include <cstdio>

#include <pwd.h>
#include <unistd.h>

namespace {

// A record is a few lines; anything larger is not one.
constexpr qint64 MaxRecordBytes = 4096;
// The start time of a process is worked out from the boot time, which the system gives
// to the second and may shift by a second as the clock is adjusted.
constexpr qint64 StartTolerance = 2;

QString loginName()
{
    if (const passwd* entry = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(::geteuid());
}

// When the system started, in seconds since the epoch (the line "btime" of /proc/stat);
// -1 when it does not tell.
qint64 bootTime()
{
    QFile stat(QStringLiteral("/proc/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : stat.readAll().split('\n')) {
        if (line.startsWith("btime "))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

// When process `pid` started, as the system tells it; invalid when no such process runs
// (or the system does not tell). A killed process its parent has not yet collected (a
// zombie) runs no more.
QDateTime processStart(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray line = stat.readAll();
    // The program's name, in parentheses, may hold blanks: the fields are counted after it.
    // The state is the 3rd field, the first after the name; the start time (in clock ticks
    // after boot) is the 22nd, the 20th after the name.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (const QByteArray state = fields.value(0); state == "Z" || state == "X")
        return {};
    bool ok = false;
    const qint64 ticks = fields.value(19).toLongLong(&ok);
    const qint64 boot = bootTime();
    if (!ok || boot < 0)
        return {};
    return QDateTime::fromSecsSinceEpoch(boot + ticks / ::sysconf(_SC_CLK_TCK), QTimeZone::utc());
}

// When this process started, asked once: asked again, the answer may differ by a second.
const QDateTime& ownStart()
{
    static const QDateTime start = processStart(::getpid());
    return start;
}

} // namespace

LockOwner LockOwner::thisProcess(QFile::Permissions takenWriteBits)
{
    return {loginName(), QSysInfo::machineHostName(), ::getpid(), ownStart(), takenWriteBits};
}

QString LockOwner::fileOf(const QString& documentPath)
{
    const QFileInfo document(documentPath);
    return document.dir().filePath(QLatin1Char('.') + document.fileName() + QStringLiteral(".blokada"));
}

std::optional<LockOwner> LockOwner::read(const QString& documentPath)
{
    const QString path = fileOf(documentPath);
    if (!QFileInfo::exists(path))
        return std::nullopt;
    QByteArray bytes;
    try {
        bytes = regular_file::read(path, MaxRecordBytes);
    } catch (const AppError&) {
        return std::nullopt;
    }
    LockOwner owner;
    bool pidOk = false;
    bool bitsOk = false;
    for (const QByteArray& line : bytes.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        const QByteArray key = line.left(equals);
        const QString value = QString::fromUtf8(line.mid(equals + 1)).trimmed();
        if (key == "Uzytkownik")
            owner.user = value;
        else if (key == "Komputer")
            owner.host = value;
        else if (key == "Proces")
            owner.processId = value.toLongLong(&pidOk);
        else if (key == "Start")
            owner.started = QDateTime::fromString(value, Qt::ISODate);
        else if (key == "Zabrane")
            owner.takenWriteBits = file_lock::writeBitsOfMode(value.toUInt(&bitsOk, 8));
    }
    if (!pidOk || !bitsOk || owner.host.isEmpty())
        return std::nullopt;
    return owner;
}

bool LockOwner::write(const QString& documentPath) const
{
    // Written beside the record and renamed over it: a reader sees the old record or the
    // new one, whole. A record of another user is replaced this way too, where a file that
    // is not the writer's own could not be rewritten.
    const QString path = fileOf(documentPath);
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open())
        return false;
    // Every copy of the program, whoever runs it, must be able to read who holds the lock.
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    const QString text = QStringLiteral("Uzytkownik=%1\nKomputer=%2\nProces=%3\nStart=%4\nZabrane=0%5\n")
                             .arg(user, host)
                             .arg(processId)
                             .arg(started.isValid() ? started.toString(Qt::ISODate) : QString())
                             .arg(file_lock::modeOfWriteBits(takenWriteBits), 3, 8, QLatin1Char('0'));
    if (file.write(text.toUtf8()) < 0 || !file.flush()
        || ::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
}

void LockOwner::removeOwn(const QString& documentPath)
{
    if (const std::optional<LockOwner> owner = read(documentPath); owner && owner->isThisProcess())
        QFile::remove(fileOf(documentPath));
}

LockOwner::State LockOwner::stateOf(const std::optional<LockOwner>& owner, bool writeBitOff)
{
    if (owner)
        return owner->runs() ? State::Held : State::Stale;
    return writeBitOff ? State::Held : State::Free;
}

LockOwner::State LockOwner::stateOf(const QString& documentPath)
{
    if (!QFileInfo::exists(documentPath))
        return State::Free;
    return stateOf(read(documentPath), !(QFile::permissions(documentPath) & QFile::WriteOwner));
}

bool LockOwner::isThisProcess() const
{
    return processId == ::getpid() && host == QSysInfo::machineHostName() && started == ownStart();
}

bool LockOwner::runs() const
{
    if (host != QSysInfo::machineHostName())
        return true;
    if (QFile::exists(QStringLiteral("/proc/%1/stat").arg(processId))) {
        const QDateTime now = processStart(processId);
        return now.isValid() && (!started.isValid() || qAbs(now.secsTo(started)) <= StartTolerance);
    }
    // Not in /proc: gone, unless the system hides other users' processes there (or has no
    // /proc). Then only the process id can be asked for: a process of another user answers
    // "not permitted" but runs.
    return ::kill(pid_t(processId), 0) == 0 || errno == EPERM;
}

QString LockOwner::describe() const
{
    QString text = QStringLiteral("użytkownik %1, komputer %2").arg(user, host);
    if (started.isValid())
        text += QStringLiteral(", program uruchomiony %1").arg(started.toLocalTime().toString(QStringLiteral("dd.MM.yyyy 'o' HH:mm")));
    return text;
}
