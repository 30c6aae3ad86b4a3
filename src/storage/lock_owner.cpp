#include "storage/lock_owner.h"

#include "storage/file_lock.h"
#include "storage/process_start.h"
#include "storage/regular_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryFile>
#include <QTimeZone>
#include <cstdio>

#include <pwd.h>
#include <unistd.h>

namespace {

// A record is a few lines; anything larger is not one.
constexpr qint64 MaxRecordBytes = 4096;

QString loginName()
{
    if (const passwd* entry = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(::geteuid());
}

} // namespace

LockOwner LockOwner::thisProcess(QFile::Permissions takenWriteBits)
{
    return {loginName(), QSysInfo::machineHostName(), ::getpid(), process_start::own(), takenWriteBits};
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
    return processId == ::getpid() && host == QSysInfo::machineHostName() && started == process_start::own();
}

bool LockOwner::runs() const
{
    return host != QSysInfo::machineHostName() || process_start::runs(processId, started);
}

QString LockOwner::describe() const
{
    QString text = QStringLiteral("użytkownik %1, komputer %2").arg(user, host);
    if (started.isValid())
        text += QStringLiteral(", program uruchomiony %1").arg(started.toLocalTime().toString(QStringLiteral("dd.MM.yyyy 'o' HH:mm")));
    return text;
}
