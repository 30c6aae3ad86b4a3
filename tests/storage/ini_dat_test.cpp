#include "storage/ini_dat.h"

#include "base/app_error.h"
#include "storage/file_lock.h"
#include "storage/regular_file.h"
#include "support/crashed_lock.h"
#include "support/failing_writer.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QByteArray handWritten = "; komentarz\r\n[OPIS]\r\n  Stanowisko = Spawacz  \r\n\r\n[ZAGROZENIA]\r\nTABELA0/1=Hałas";
const QByteArray handWrittenNormalised =
    "[OPIS]\r\nStanowisko=Spawacz\r\n\r\n[ZAGROZENIA]\r\nTABELA0/1=Hałas\r\n\r\n";

constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
constexpr QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;

// The lock as another instance sees it: no write permission bit at all.
bool lockedOnDisk(const QString& path)
{
    return !(QFile::permissions(path) & anyWrite);
}

bool ownerMayWrite(const QString& path)
{
    return QFile::permissions(path) & QFile::WriteOwner;
}

} // namespace

class IniDatTest : public ::testing::Test {
protected:
    PromptsScope scope;
    TempFolder folder;

    const QList<ScriptedPrompts::Shown>& shown() const { return scope.prompts.messages; }
    QStringList folderEntries() const { return QDir(folder.root()).entryList(QDir::Files | QDir::Hidden); }
    // What a fresh copy reads from the file.
    QByteArray valueOnDisk(const QString& path, const QByteArray& section, const QByteArray& key) const
    {
        TMemIniFile fresh(path);
        fresh.LoadFromFile();
        return fresh.ReadValue(section, key, "brak");
    }
};

// ---- Opening with the lock ----------------------------------------------------------

TEST_F(IniDatTest, StartsWithoutCopyOrLock)
{
    TIniDat dat;
    EXPECT_EQ(dat.Pozycja(), -1);
    EXPECT_EQ(dat.Ini(), nullptr);
    EXPECT_FALSE(dat.Locked());
    EXPECT_FALSE(dat.ReadTylko());
    EXPECT_TRUE(dat.FileName().isEmpty());
}

TEST_F(IniDatTest, OpeningAWritableFileTakesTheLockAtOnce)
{
    const QString path = folder.write("a.rpr", handWritten);
    TIniDat dat;
    dat.OpenIniFile(path);
    EXPECT_EQ(dat.FileName(), path);
    EXPECT_TRUE(dat.Locked());
    EXPECT_TRUE(lockedOnDisk(path));
    EXPECT_TRUE(QFile::permissions(path) & QFile::ReadOwner);
    ASSERT_NE(dat.Ini(), nullptr);
    EXPECT_TRUE(dat.Ini()->WriteAllowed);
    EXPECT_EQ(dat.Ini()->FileName(), path);
    EXPECT_EQ(dat.Pozycja(), 0);
    EXPECT_EQ(dat.Ini()->ReadValue("opis", "stanowisko", "brak"), "Spawacz");
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(IniDatTest, OpenSequenceRewritesTheFileInWrittenFormAndKeepsTheLock)
{
    const QString path = folder.write("a.rpr", handWritten);
    TIniDat dat;
    dat.OpenIniFile(path);
    dat.Ini()->WriteToDisk();
    dat.CloseIni();
    EXPECT_EQ(folder.read(path), handWrittenNormalised);
    EXPECT_TRUE(lockedOnDisk(path));
    EXPECT_TRUE(dat.Locked());
    EXPECT_EQ(dat.Ini(), nullptr);
    EXPECT_EQ(dat.Pozycja(), -1);
    EXPECT_EQ(folderEntries(), (QStringList{".a.rpr.blokada", "a.rpr"})) << "the document and its lock-owner record";
}

TEST_F(IniDatTest, CommentOnlyFileOpenedWithTheLockBecomesEmpty)
{
    const QString path = folder.write("a.rpr", "; tylko komentarz\r\n\r\n");
    TIniDat dat;
    dat.OpenIniFile(path);
    EXPECT_TRUE(dat.Ini()->SectionNames().isEmpty());
    EXPECT_EQ(dat.Ini()->ReadValue("OPIS", "Stanowisko", "domyślna"), "domyślna");
    dat.Ini()->WriteToDisk();
    EXPECT_EQ(QFileInfo(path).size(), 0);
    EXPECT_TRUE(lockedOnDisk(path));
}

TEST_F(IniDatTest, ReopeningForASaveKeepsTheLockAndKeepsUnwrittenKeys)
{
    const QString path = folder.write("a.rpr", handWritten);
    TIniDat dat;
    dat.OpenIniFile(path);
    dat.CloseIni();

    dat.OpenIniFile(path);
    EXPECT_TRUE(dat.Locked());
    EXPECT_TRUE(dat.Ini()->WriteAllowed);
    dat.Ini()->WriteValue("OPIS", "Stanowisko", "Tokarz");
    dat.Ini()->WriteToDisk();
    dat.CloseIni();

    EXPECT_TRUE(lockedOnDisk(path));
    EXPECT_EQ(valueOnDisk(path, "OPIS", "Stanowisko"), "Tokarz");
    EXPECT_EQ(valueOnDisk(path, "ZAGROZENIA", "TABELA0/1"), "Hałas");
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(IniDatTest, ReopeningPutsBackALockThatWasTakenAwayMeanwhile)
{
    const QString path = folder.write("a.rpr", handWritten);
    TIniDat dat;
    dat.OpenIniFile(path);
    dat.CloseIni();
    QFile::setPermissions(path, readOnly | QFile::WriteOwner);
    dat.OpenIni();
    EXPECT_TRUE(dat.Locked());
    EXPECT_TRUE(lockedOnDisk(path));
    EXPECT_TRUE(shown().isEmpty());
}

// ---- Giving the lock back -----------------------------------------------------------

TEST_F(IniDatTest, ReleaseGivesTheLockBackAndDropsTheCopy)
{
    const QString path = folder.write("a.rpr", handWritten);
    TIniDat dat;
    dat.OpenIniFile(path);
    dat.ReleaseIni();
    EXPECT_FALSE(dat.Locked());
    EXPECT_TRUE(ownerMayWrite(path));
    EXPECT_EQ(dat.Ini(), nullptr);
    EXPECT_EQ(dat.Pozycja(), -1);
}

TEST_F(IniDatTest, DestructionGivesTheLockBack)
{
    const QString path = folder.write("a.rpr", handWritten);
    {
        TIniDat dat;
        dat.OpenIniFile(path);
        dat.CloseIni();
        EXPECT_TRUE(lockedOnDisk(path));
    }
    EXPECT_TRUE(ownerMayWrite(path));
    {
        TIniDat holdingItsCopy;
        holdingItsCopy.OpenIniFile(path);
    }
    EXPECT_TRUE(ownerMayWrite(path));
}

TEST_F(IniDatTest, DestructionByTheOwningWindowGivesTheLockBack)
{
    const QString path = folder.write("a.rpr", handWritten);
    auto window = std::make_unique<QObject>();
    auto* dat = new TIniDat(window.get());
    dat->OpenIniFile(path);
    dat->CloseIni();
    window.reset();
    EXPECT_TRUE(ownerMayWrite(path));
}

TEST_F(IniDatTest, SaveUnderANewNameMovesTheLockToTheNewFile)
{
    const QString oldPath = folder.write("a.rpr", handWritten);
    const QString newPath = folder.path("b.rpr");
    TIniDat dat;
    dat.OpenIniFile(oldPath);
    dat.CloseIni();

    dat.ReleaseIni();
    dat.OpenIniFile(newPath);
    EXPECT_TRUE(dat.Locked());
    dat.Ini()->WriteValue("OPIS", "Stanowisko", "Tokarz");
    dat.Ini()->WriteToDisk();
    dat.CloseIni();

    EXPECT_TRUE(ownerMayWrite(oldPath));
    EXPECT_TRUE(lockedOnDisk(newPath));
    EXPECT_EQ(folder.read(newPath), "[OPIS]\r\nStanowisko=Tokarz\r\n\r\n");
}

// ---- A file locked by someone else --------------------------------------------------

TEST_F(IniDatTest, ReadOnlyFileOpensWithoutTheLockAndWarnsOnce)
{
    const QString path = folder.write("a.rpr", handWritten);
    QFile::setPermissions(path, readOnly);
    {
        TIniDat dat;
        EXPECT_EQ(dat.OpenIniFile(path), TIniDat::LockNews::HeldByOther) << "the foreign lock is news";
        EXPECT_FALSE(dat.Locked());
        EXPECT_TRUE(dat.ReadOnlyWarned());
        EXPECT_FALSE(dat.Ini()->WriteAllowed);

        // The save sequence reopens the file, writes nothing and reports nothing.
        dat.Ini()->WriteToDisk();
        dat.CloseIni();
        EXPECT_EQ(dat.OpenIni(), TIniDat::LockNews::None);
        dat.Ini()->WriteValue("OPIS", "Stanowisko", "Tokarz");
        dat.Ini()->WriteToDisk();
        dat.CloseIni();
        EXPECT_TRUE(shown().isEmpty()) << "the storage shows nothing itself";
        EXPECT_EQ(folder.read(path), handWritten);
    }
    EXPECT_TRUE(lockedOnDisk(path));
}

TEST_F(IniDatTest, SecondWindowOnALockedFileIsWarnedUntilTheFirstCloses)
{
    const QString path = folder.write("a.rpr", handWritten);
    auto first = std::make_unique<TIniDat>();
    first->OpenIniFile(path);
    first->CloseIni();

    TIniDat second;
    EXPECT_EQ(second.OpenIniFile(path), TIniDat::LockNews::HeldByOther);
    EXPECT_FALSE(second.Locked());
    second.CloseIni();

    first.reset();
    EXPECT_TRUE(ownerMayWrite(path));
    EXPECT_EQ(second.OpenIni(), TIniDat::LockNews::None);
    EXPECT_TRUE(second.Locked());
}

TEST_F(IniDatTest, ReleaseWithoutTheLockNeitherUnlocksNorWarnsAgain)
{
    const QString path = folder.write("a.rpr", handWritten);
    QFile::setPermissions(path, readOnly);
    TIniDat dat;
    EXPECT_EQ(dat.OpenIniFile(path), TIniDat::LockNews::HeldByOther);
    dat.ReleaseIni();
    EXPECT_TRUE(lockedOnDisk(path));
    EXPECT_TRUE(dat.ReadOnlyWarned());
    EXPECT_EQ(dat.OpenIni(), TIniDat::LockNews::None);
}

TEST_F(IniDatTest, ReleasingAHeldLockLetsTheWarningShowAgain)
{
    const QString path = folder.write("a.rpr", handWritten);
    QFile::setPermissions(path, readOnly);
    TIniDat dat;
    EXPECT_EQ(dat.OpenIniFile(path), TIniDat::LockNews::HeldByOther);
    dat.CloseIni();
    // The user takes the attribute off; the next open takes the lock.
    QFile::setPermissions(path, readOnly | QFile::WriteOwner);
    EXPECT_EQ(dat.OpenIni(), TIniDat::LockNews::None);
    EXPECT_TRUE(dat.Locked());
    EXPECT_TRUE(dat.ReadOnlyWarned());
    dat.ReleaseIni();
    EXPECT_FALSE(dat.ReadOnlyWarned());

    QFile::setPermissions(path, readOnly);
    EXPECT_EQ(dat.OpenIni(), TIniDat::LockNews::HeldByOther);
}

TEST_F(IniDatTest, LockLeftByACrashedWindowIsSeenByTheNextOpen)
{
    const QString path = folder.write("a.rpr", handWritten);
    {
        TIniDat crashed;
        crashed.OpenIniFile(path);
        crashed.CloseIni();
        // A window that ends without destroying its TIniDat never gives the lock back;
        // a TIniDat that names no file gives nothing back either.
        crashed.SetFileName({});
    }
    TIniDat next;
    EXPECT_EQ(next.OpenIniFile(path), TIniDat::LockNews::HeldByOther) << "its process still runs";
    EXPECT_FALSE(next.Locked());
}

// A program killed while it held the file (mode 0664 before) left it 0444 with its record:
// the open reports it, the take-over locks the file for this component, and the release
// gives back the bits the killed program took.
TEST_F(IniDatTest, LockOfAProgramThatIsGoneIsTakenOverAndReleasedToTheBitsItTook)
{
    const QString path = folder.write("a.rpr", handWritten);
    QFile::setPermissions(path, readOnly);
    ASSERT_TRUE(crashedOwner(QFile::WriteOwner | QFile::WriteGroup).write(path));
    TIniDat dat;
    EXPECT_EQ(dat.OpenIniFile(path), TIniDat::LockNews::Stale);
    EXPECT_FALSE(dat.Ini()->WriteAllowed);
    ASSERT_TRUE(dat.StaleOwner());
    EXPECT_EQ(dat.StaleOwner()->processId, GoneProcessId);

    dat.TakeOverLock();
    EXPECT_TRUE(dat.Locked());
    EXPECT_TRUE(dat.Ini()->WriteAllowed);
    EXPECT_TRUE(LockOwner::read(path)->isThisProcess());
    EXPECT_EQ(file_lock::takenWriteBits(path), QFile::WriteOwner | QFile::WriteGroup);
    dat.CloseIni();
    EXPECT_EQ(dat.OpenIni(), TIniDat::LockNews::None) << "a save reopens it under the lock";

    dat.ReleaseIni();
    EXPECT_EQ(QFile::permissions(path) & anyWrite, QFile::WriteOwner | QFile::WriteGroup);
    EXPECT_EQ(folderEntries(), QStringList{"a.rpr"});
}

// ---- Read-only use ------------------------------------------------------------------

TEST_F(IniDatTest, ReadOnlyModeNeverTouchesTheFile)
{
    const QString path = folder.write("a.rpr", handWritten);
    {
        TIniDat dat;
        dat.SetReadTylko(true);
        dat.OpenIniFile(path);
        EXPECT_FALSE(dat.Locked());
        EXPECT_FALSE(dat.Ini()->WriteAllowed);
        EXPECT_TRUE(ownerMayWrite(path));
        EXPECT_EQ(dat.Ini()->ReadValue("OPIS", "Stanowisko", "brak"), "Spawacz");
        dat.Ini()->WriteValue("OPIS", "Stanowisko", "Tokarz");
        dat.Ini()->WriteToDisk();
        dat.ReleaseIni();
    }
    EXPECT_EQ(folder.read(path), handWritten);
    EXPECT_TRUE(ownerMayWrite(path));
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(IniDatTest, ReadOnlyModeOnALockedFileDoesNotWarn)
{
    const QString path = folder.write("a.rpr", handWritten);
    QFile::setPermissions(path, readOnly);
    {
        TIniDat dat;
        dat.SetReadTylko(true);
        EXPECT_EQ(dat.OpenIniFile(path), TIniDat::LockNews::None);
        EXPECT_FALSE(dat.Locked());
    }
    EXPECT_TRUE(lockedOnDisk(path));
}

TEST_F(IniDatTest, ReadOnlyModeOnAMissingPathLeavesTheDiskUntouched)
{
    const QString path = folder.path("brak.rpr");
    {
        TIniDat dat;
        dat.SetReadTylko(true);
        dat.OpenIniFile(path);
        EXPECT_FALSE(dat.Locked());
        EXPECT_TRUE(dat.Ini()->SectionNames().isEmpty());
        dat.Ini()->WriteToDisk();
        dat.CloseIni();
    }
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(IniDatTest, ProjectReadForANewAssessmentThenBoundToItsOwnFile)
{
    const QString project = folder.write("a.rpr", handWritten);
    const QString assessment = folder.path("OCENA1.ron");
    TIniDat dat;
    dat.SetReadTylko(true);
    dat.OpenIniFile(project);
    dat.Ini()->WriteToDisk();
    dat.CloseIni();
    dat.SetReadTylko(false);
    dat.SetFileName(assessment);

    dat.OpenIni();
    dat.Ini()->WriteValue("OPIS", "Stanowisko", "Spawacz");
    dat.Ini()->WriteToDisk();
    dat.CloseIni();
    EXPECT_EQ(folder.read(project), handWritten);
    EXPECT_TRUE(ownerMayWrite(project));
    EXPECT_TRUE(lockedOnDisk(assessment));
}

// ---- A path that does not exist yet -------------------------------------------------

TEST_F(IniDatTest, MissingFileIsCreatedEmptyAndLockedByTheFirstWrite)
{
    const QString path = folder.path("nowy.rpr");
    {
        TIniDat dat;
        dat.OpenIniFile(path);
        EXPECT_TRUE(dat.Locked());
        EXPECT_TRUE(dat.Ini()->WriteAllowed);
        EXPECT_FALSE(QFile::exists(path));
        dat.Ini()->WriteToDisk();
        dat.CloseIni();
        EXPECT_TRUE(QFile::exists(path));
        EXPECT_EQ(QFileInfo(path).size(), 0);
        EXPECT_TRUE(lockedOnDisk(path));
    }
    EXPECT_TRUE(ownerMayWrite(path));
    EXPECT_TRUE(shown().isEmpty());
}

// ---- Failures -----------------------------------------------------------------------

TEST_F(IniDatTest, FolderIsRefusedBeforeTheLockAndNoCopyIsHeld)
{
    const QString path = folder.path("katalog.rpr");
    QDir(folder.root()).mkdir("katalog.rpr");
    TIniDat dat;
    EXPECT_THROW(dat.OpenIniFile(path), FileRefused);
    EXPECT_TRUE(shown().isEmpty()) << "the code that opens the document tells the user";
    EXPECT_EQ(dat.Ini(), nullptr);
    EXPECT_EQ(dat.Pozycja(), -1);
    EXPECT_FALSE(dat.Locked());
}

TEST_F(IniDatTest, FailedReadDropsACopyHeldBefore)
{
    const QString good = folder.write("a.rpr", handWritten);
    QDir(folder.root()).mkdir("katalog.rpr");
    TIniDat dat;
    dat.SetReadTylko(true);
    dat.OpenIniFile(good);
    EXPECT_THROW(dat.OpenIniFile(folder.path("katalog.rpr")), AppError);
    EXPECT_EQ(dat.Ini(), nullptr);
}

TEST_F(IniDatTest, SaveFailingHalfWayKeepsTheDocumentAndReportsTheFile)
{
    const QString path = folder.write("a.rpr", handWritten);
    TIniDat dat;
    dat.OpenIniFile(path);
    FailingWriter writer;
    writer.failure = FailingWriter::Failure::HalfWay;
    dat.Ini()->SetWriter(&writer);
    dat.Ini()->WriteValue("OPIS", "Stanowisko", QByteArray(4000, 'x'));
    try {
        dat.Ini()->WriteToDisk();
        FAIL() << "the save did not fail";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.text().contains(QDir::toNativeSeparators(path))) << e.text().toStdString();
    }
    dat.CloseIni();
    EXPECT_EQ(folder.read(path), handWritten);
    EXPECT_EQ(folderEntries(), (QStringList{".a.rpr.blokada", "a.rpr"})) << "the document and its lock-owner record";
    // The window still holds the lock, on the file as in memory.
    EXPECT_TRUE(lockedOnDisk(path));
    EXPECT_TRUE(dat.Locked());
}
