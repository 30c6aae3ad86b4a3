#include "storage/recovery_store.h"

#include "base/app_error.h"
#include "storage/atomic_file_writer.h"
#include "storage/private_folder.h"
#include "storage/process_start.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <algorithm>

namespace {

const char* const ContentExtension = ".kopia";
const char* const DescriptionExtension = ".json";

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    if (!private_folder::make(folder_))
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
        {QStringLiteral("start"), process_start::own().toString(Qt::ISODate)},
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
            || process_start::runs(description.value(QStringLiteral("proces")).toInteger(),
                                   QDateTime::fromString(description.value(QStringLiteral("start")).toString(), Qt::ISODate)))
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
