#include "base/program_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// Where an install puts the program's data and tools, relative to its prefix (the build
// passes the same folders to its install rules).
#ifndef INSTALL_DATA_DIR
#error "INSTALL_DATA_DIR must name the data folder under the install prefix"
#endif
#ifndef INSTALL_TOOLS_DIR
#error "INSTALL_TOOLS_DIR must name the tools folder under the install prefix"
#endif

namespace {

// The prefix of an install whose executables lie in `binFolder`.
QDir prefixOf(const QString& binFolder)
{
    return QDir(QDir::cleanPath(QDir(binFolder).absoluteFilePath(QStringLiteral(".."))));
}

// May the user write into `folder`? The permission bits count as well as access(): root
// may write anywhere, yet a folder without a single write bit is meant to stay as it is.
bool userMayWrite(const QString& folder)
{
    const QFileInfo info(folder);
    constexpr auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isDir() && info.isWritable() && (info.permissions() & anyWrite);
}

QString madeWhenMissing(const QString& folder)
{
    QDir().mkpath(folder);
    return folder;
}

} // namespace

ProgramPaths::UserFolders ProgramPaths::UserFolders::standard()
{
    return {QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QStandardPaths::writableLocation(QStandardPaths::CacheLocation)};
}

ProgramPaths::ProgramPaths(const QString& programFolder)
    : settingsFolder_(programFolder)
    , documentsFolder_(QDir(programFolder).filePath(QStringLiteral("PROJEKTY")))
    , cacheFolder_(programFolder)
    , dataFolder_(programFolder)
    , toolsFolder_(programFolder)
{
}

ProgramPaths ProgramPaths::installed(const QString& binFolder, const UserFolders& user)
{
    const QDir prefix = prefixOf(binFolder);
    ProgramPaths paths;
    paths.installed_ = true;
    paths.settingsFolder_ = user.configuration;
    paths.documentsFolder_ = QDir(user.documents).filePath(QStringLiteral("PROJEKTY"));
    paths.cacheFolder_ = user.cache;
    paths.dataFolder_ = prefix.filePath(QStringLiteral(INSTALL_DATA_DIR));
    paths.toolsFolder_ = prefix.filePath(QStringLiteral(INSTALL_TOOLS_DIR));
    return paths;
}

ProgramPaths ProgramPaths::forProgramFolder(const QString& programFolder, const UserFolders& user)
{
    const bool installData = QFileInfo(prefixOf(programFolder).filePath(QStringLiteral(INSTALL_DATA_DIR))).isDir();
    if (userMayWrite(programFolder) && !installData)
        return ProgramPaths(programFolder);
    return installed(programFolder, user);
}

QString ProgramPaths::settingsFile() const
{
    const QString folder = installed_ ? madeWhenMissing(settingsFolder_) : settingsFolder_;
    return QDir(folder).filePath(QStringLiteral("TARVEN.INI"));
}

QString ProgramPaths::documentsFolder() const
{
    return installed_ ? madeWhenMissing(documentsFolder_) : documentsFolder_;
}

QString ProgramPaths::dataFile(const QString& name) const
{
    return QDir(dataFolder_).filePath(name);
}

QString ProgramPaths::helpTopics() const
{
    return dataFile(QStringLiteral("TARVEN.qch"));
}

QString ProgramPaths::helpCollection() const
{
    const QString folder = installed_ ? madeWhenMissing(cacheFolder_) : cacheFolder_;
    return QDir(folder).filePath(QStringLiteral("TARVEN.qhc"));
}

QString ProgramPaths::hazardCatalogue() const
{
    return dataFile(QStringLiteral("ZAGROZENIA.txt"));
}

QString ProgramPaths::templatesFolder() const
{
    return dataFile(QStringLiteral("SZABLONY"));
}

QString ProgramPaths::userTemplatesFolder() const
{
    const QString folder = QDir(settingsFolder_).filePath(QStringLiteral("MOJE_SZABLONY"));
    return installed_ ? madeWhenMissing(folder) : folder;
}
