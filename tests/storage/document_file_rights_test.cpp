// What a save and the lock leave of a document file besides its text: owner, group and
// mode, the file a link points to, and the temporary files of earlier saves.

#include "storage/ini_dat.h"

#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Rights {
    uid_t owner = 0;
    gid_t group = 0;
    mode_t mode = 0;
    bool operator==(const Rights&) const = default;
};

void PrintTo(const Rights& rights, std::ostream* out)
{
    *out << "owner " << rights.owner << " group " << rights.group << " mode 0" << std::oct << rights.mode;
}

Rights rightsOf(const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {st.st_uid, st.st_gid, st.st_mode & 07777};
}

// Another user's file where the test may give it away (it runs as root in CI), else the
// test's own.
Rights foreignRights(mode_t mode)
{
    return ::geteuid() == 0 ? Rights{1234, 2345, mode} : Rights{::geteuid(), ::getegid(), mode};
}

void give(const QString& path, const Rights& rights)
{
    const QByteArray name = QFile::encodeName(path);
    ASSERT_EQ(::chown(name.constData(), rights.owner, rights.group), 0);
    ASSERT_EQ(::chmod(name.constData(), rights.mode), 0);
}

class DocumentFile : public ::testing::Test {
protected:
    PromptsScope scope;
    TempFolder folder;
};

class DocumentFileRights : public DocumentFile, public ::testing::WithParamInterface<mode_t> {};

} // namespace

// The open sequence, a save and the release: the file keeps its owner and group throughout,
// is locked while the window holds it and gets back exactly the write bits it had.
TEST_P(DocumentFileRights, OwnerGroupAndModeSurviveOpenSaveAndRelease)
{
    const QString path = folder.write("a.rpr", "[OPIS]\r\nStanowisko=Spawacz\r\n");
    const Rights original = foreignRights(GetParam());
    give(path, original);
    const Rights locked{original.owner, original.group, mode_t(original.mode & ~0222)};

    TIniDat dat;
    dat.OpenIniFile(path);
    dat.Ini()->WriteToDisk();
    dat.CloseIni();
    EXPECT_EQ(rightsOf(path), locked) << "after the open";

    dat.OpenIni();
    dat.Ini()->WriteValue("OPIS", "Stanowisko", "Tokarz");
    dat.Ini()->WriteToDisk();
    dat.CloseIni();
    EXPECT_EQ(rightsOf(path), locked) << "after a save";
    EXPECT_EQ(folder.read(path), "[OPIS]\r\nStanowisko=Tokarz\r\n\r\n");

    dat.ReleaseIni();
    EXPECT_EQ(rightsOf(path), original) << "after the release";
}

INSTANTIATE_TEST_SUITE_P(Modes, DocumentFileRights, ::testing::Values(0644, 0664, 0666, 0600, 0620));

TEST_F(DocumentFile, NewDocumentIsCreatedLockedAndReleasedWithTheUsualWriteBits)
{
    const QString path = folder.path("nowy.rpr");
    const mode_t mask = ::umask(022);
    {
        TIniDat dat;
        dat.OpenIniFile(path);
        dat.Ini()->WriteToDisk();
        dat.CloseIni();
        EXPECT_EQ(rightsOf(path).mode, 0444u);
    }
    ::umask(mask);
    EXPECT_EQ(rightsOf(path), (Rights{::geteuid(), ::getegid(), 0644}));
}

TEST_F(DocumentFile, SaveThroughALinkReplacesTheFileItPointsToAndKeepsTheLink)
{
    QDir(folder.root()).mkdir("dane");
    const QString target = folder.write("dane/a.rpr", "[S]\r\nA=1\r\n");
    const QString link = folder.path("skrót.rpr");
    ASSERT_TRUE(QFile::link(target, link));

    TIniDat dat;
    dat.OpenIniFile(link);
    dat.Ini()->WriteValue("S", "A", "2");
    dat.Ini()->WriteToDisk();
    dat.ReleaseIni();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(folder.read(target), "[S]\r\nA=2\r\n\r\n");
}

// A save killed between writing and renaming leaves its temporary file: a dot, the
// document's name, a dot, the process id and "-" (not in older copies of the program), six
// letters or digits, ".tmp". The next save of that document removes those that are stale
// (their process is gone, or an hour old) and nothing else: another save may be in progress.
TEST_F(DocumentFile, SaveRemovesTheStaleTemporaryFilesOfTheSameDocument)
{
    const QString path = folder.write("a.rpr", "[S]\r\nA=1\r\n");
    const QString old = folder.write(".a.rpr.Ab12Cd.tmp", "[S]\r\nA=przerwany\r\n");
    QFile oldFile(old);
    ASSERT_TRUE(oldFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(oldFile.setFileTime(QDateTime::currentDateTime().addSecs(-7200), QFileDevice::FileModificationTime));
    oldFile.close();
    const QString running = QStringLiteral(".a.rpr.%1-Qw12Er.tmp").arg(::getpid());
    folder.write(".a.rpr.999999999-Zx12Cv.tmp", "[S]\r\nA=zabity\r\n");  // no such process
    folder.write(running, "[S]\r\nA=w toku\r\n");
    folder.write(".a.rpr.Po09Iu.tmp", "[S]\r\nA=w toku\r\n");             // fresh, older form
    folder.write(".b.rpr.Xy12zQ.tmp", "[S]\r\nB=1\r\n");   // another document's
    folder.write(".a.rpr.krótki.tmp", "cudzy");           // not a temporary name
    folder.write("a.rpr.Xy12zQ.tmp", "cudzy");

    TIniDat dat;
    dat.OpenIniFile(path);
    dat.Ini()->WriteToDisk();
    dat.ReleaseIni();
    QStringList entries = QDir(folder.root()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    entries.sort();
    QStringList kept{running, ".a.rpr.Po09Iu.tmp", ".a.rpr.krótki.tmp", ".b.rpr.Xy12zQ.tmp", "a.rpr", "a.rpr.Xy12zQ.tmp"};
    kept.sort();
    EXPECT_EQ(entries, kept);
}
