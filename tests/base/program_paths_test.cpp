#include "base/program_paths.h"

#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

namespace {

// An install prefix (bin and share/ocena-ryzyka) and the user's own folders, all temporary.
class ProgramPathsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(prefix.root()).mkpath(QStringLiteral("bin"));
        QDir(prefix.root()).mkpath(QStringLiteral("share/ocena-ryzyka"));
    }
    QString bin() const { return prefix.path(QStringLiteral("bin")); }
    ProgramPaths::UserFolders user() const
    {
        return {home.path(".config/ocena-ryzyka"), home.path("Dokumenty"), home.path(".cache/ocena-ryzyka")};
    }

    TempFolder prefix;
    TempFolder home;
    TempFolder programFolder;
};

// Each file lies where its layout puts it; only the installed layout makes the folders it
// writes into, and leaves the settings file itself for the program to write.
TEST_F(ProgramPathsTest, EachFileLiesWhereItsLayoutPutsIt)
{
    const ProgramPaths own(programFolder.root());
    const ProgramPaths install = ProgramPaths::installed(bin(), user());
    struct Case {
        const char* what;
        std::function<QString(const ProgramPaths&)> path;
        QString ownLayout;
        QString installedLayout;
    };
    const Case cases[] = {
        {"settings", &ProgramPaths::settingsFile, programFolder.path("TARVEN.INI"),
         home.path(".config/ocena-ryzyka/TARVEN.INI")},
        {"documents", &ProgramPaths::documentsFolder, programFolder.path("PROJEKTY"), home.path("Dokumenty/PROJEKTY")},
        {"catalogue", &ProgramPaths::hazardCatalogue, programFolder.path("ZAGROZENIA.txt"),
         prefix.path("share/ocena-ryzyka/ZAGROZENIA.txt")},
        {"help topics", &ProgramPaths::helpTopics, programFolder.path("TARVEN.qch"),
         prefix.path("share/ocena-ryzyka/TARVEN.qch")},
        {"help collection", &ProgramPaths::helpCollection, programFolder.path("TARVEN.qhc"),
         home.path(".cache/ocena-ryzyka/TARVEN.qhc")},
        {"other data", [](const ProgramPaths& p) { return p.dataFile("karty.txt"); }, programFolder.path("karty.txt"),
         prefix.path("share/ocena-ryzyka/karty.txt")},
        {"tools", &ProgramPaths::toolsFolder, programFolder.root(), prefix.path("lib/ocena-ryzyka/tools")},
        {"templates", &ProgramPaths::templatesFolder, programFolder.path("SZABLONY"),
         prefix.path("share/ocena-ryzyka/SZABLONY")},
        {"user's templates", &ProgramPaths::userTemplatesFolder, programFolder.path("MOJE_SZABLONY"),
         home.path(".config/ocena-ryzyka/MOJE_SZABLONY")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.path(own), c.ownLayout) << c.what;
        EXPECT_EQ(c.path(install), c.installedLayout) << c.what;
    }
    for (const QString& written :
         {install.documentsFolder(), install.userTemplatesFolder(), user().configuration, user().cache})
        EXPECT_TRUE(QFileInfo(written).isDir()) << written.toStdString();
    EXPECT_FALSE(QFileInfo::exists(install.settingsFile()));
    EXPECT_FALSE(QFileInfo::exists(own.documentsFolder()));
    EXPECT_FALSE(QFileInfo::exists(own.userTemplatesFolder()));
}

TEST_F(ProgramPathsTest, TheProgramFolderIsItsOwnOnlyWhileTheUserMayWriteAndNoInstallLiesBesideIt)
{
    const QString readOnly = programFolder.path("tylko-do-odczytu");
    QDir().mkpath(readOnly);
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                        QFileDevice::ExeOther);
    struct Case {
        QString folder;
        bool installed;
    } const cases[] = {
        {programFolder.root(), false},
        {readOnly, true},   // also for root, who may write there all the same
        {bin(), true},      // writable, yet the bin folder of an install
    };
    for (const Case& c : cases) {
        const ProgramPaths paths = ProgramPaths::forProgramFolder(c.folder, user());
        EXPECT_EQ(paths.isInstalled(), c.installed) << c.folder.toStdString();
        EXPECT_EQ(QFileInfo(paths.settingsFile()).absolutePath(),
                  c.installed ? user().configuration : c.folder);
    }
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace
