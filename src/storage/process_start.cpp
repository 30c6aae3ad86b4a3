#include "storage/process_start.h"

#include <QFile>
#include <QList>
#include <QTimeZone>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

// The start time is worked out from the boot time, which the system gives to the second and
// may shift by a second as the clock is adjusted.
constexpr qint64 StartTolerance = 2;

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

} // namespace

namespace process_start {

QDateTime of(qint64 pid)
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

const QDateTime& own()
{
    static const QDateTime start = of(::getpid());
    return start;
}

bool runs(qint64 pid, const QDateTime& started)
{
    if (pid <= 0)
        return false;
    if (QFile::exists(QStringLiteral("/proc/%1/stat").arg(pid))) {
        const QDateTime now = of(pid);
        return now.isValid() && (!started.isValid() || qAbs(now.secsTo(started)) <= StartTolerance);
    }
    // Not in /proc: gone, unless the system hides other users' processes there (or has no
    // /proc). Then only the process id can be asked for: a process of another user answers
    // "not permitted" but runs.
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

} // namespace process_start
