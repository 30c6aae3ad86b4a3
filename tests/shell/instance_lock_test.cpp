// One running instance at a time: the lock file, and the program started as a process.

#include "shell/instance_lock.h"

#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const QString SecondInstanceMessage =
    QStringLiteral("Aplikacja jest aktywna. Nie można otworzyć drugiego egzemplarza aplikacji!!");

TEST(InstanceLock, FirstRunTakesTheLockNamedMendrol)
{
    TempFolder runtime;
    InstanceLock lock(runtime.root());
    EXPECT_TRUE(lock.tryAcquire());
    EXPECT_EQ(QFileInfo(lock.fileName()).fileName(), "Mendrol");
    EXPECT_TRUE(QFile::exists(runtime.path("Mendrol")));
}

TEST(InstanceLock, SecondRunIsRefusedWhileTheFirstHoldsIt)
{
    TempFolder runtime;
    InstanceLock first(runtime.root());
    ASSERT_TRUE(first.tryAcquire());
    InstanceLock second(runtime.root());
    EXPECT_FALSE(second.tryAcquire());
}

TEST(InstanceLock, ReleasedOrDestroyedLockCanBeTakenAgain)
{
    TempFolder runtime;
    InstanceLock first(runtime.root());
    ASSERT_TRUE(first.tryAcquire());
    first.release();
    {
        InstanceLock second(runtime.root());
        EXPECT_TRUE(second.tryAcquire());
    }
    InstanceLock third(runtime.root());
    EXPECT_TRUE(third.tryAcquire());
}

TEST(InstanceLock, LockOfALiveRunNeverGrowsStale)
{
    TempFolder runtime;
    InstanceLock first(runtime.root());
    ASSERT_TRUE(first.tryAcquire());
    QFile file(first.fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
    file.close();
    InstanceLock second(runtime.root());
    EXPECT_FALSE(second.tryAcquire());
}

TEST(InstanceLock, WithoutAPlaceForTheLockTheRunGoesOnUnguarded)
{
    TempFolder runtime;
    InstanceLock lock(runtime.path("missing/folder"));
    EXPECT_TRUE(lock.tryAcquire());
}

TEST(ClaimSingleInstance, FreeLockIsTakenSilently)
{
    PromptsScope scope;
    TempFolder runtime;
    InstanceLock lock(runtime.root());
    EXPECT_TRUE(claimSingleInstance(lock));
    EXPECT_TRUE(scope.prompts.messages.isEmpty());
}

TEST(ClaimSingleInstance, HeldLockShowsThePlainMessage)
{
    PromptsScope scope;
    TempFolder runtime;
    InstanceLock first(runtime.root());
    ASSERT_TRUE(first.tryAcquire());
    InstanceLock second(runtime.root());
    EXPECT_FALSE(claimSingleInstance(second));
    ASSERT_EQ(scope.prompts.messages.size(), 1);
    EXPECT_EQ(scope.prompts.messages[0].text, SecondInstanceMessage);
    EXPECT_EQ(scope.prompts.messages[0].icon, Prompts::Icon::None);
}

// The program itself, copied into a folder of its own (so its settings file is a fresh
// one) and started on the offscreen platform with its own runtime folder.
class RunningProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        program = programFolder.path("OcenaRyzyka");
        ASSERT_TRUE(QFile::copy(QStringLiteral(PROGRAM_EXECUTABLE), program));
    }

    void TearDown() override
    {
        for (QProcess* process : {&first, &second}) {
            process->kill();
            process->waitForFinished(5000);
        }
    }

    void start(QProcess& process, const QStringList& arguments = {}, const QString& workingFolder = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_RUNTIME_DIR", runtime.root());
        process.setProcessEnvironment(environment);
        process.setProgram(program);
        process.setArguments(arguments);
        process.setWorkingDirectory(workingFolder);
        process.start();
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    // The process id written into the lock file, 0 while there is none.
    qint64 lockOwner() const
    {
        QLockFile probe(runtime.path("Mendrol"));
        qint64 pid = 0;
        QString host;
        QString application;
        return probe.getLockInfo(&pid, &host, &application) ? pid : 0;
    }

    bool waitForLockOwner(qint64 pid) const
    {
        for (QDeadlineTimer deadline(20000); !deadline.hasExpired(); QThread::msleep(50)) {
            if (lockOwner() == pid)
                return true;
        }
        return false;
    }

    // A risk assessment that a run has open holds its write lock: no write bit is left.
    bool waitForDocumentLocked(const QString& path) const
    {
        for (QDeadlineTimer deadline(20000); !deadline.hasExpired(); QThread::msleep(50)) {
            if (!(QFile::permissions(path) & QFile::WriteOwner))
                return true;
        }
        return false;
    }

    TempFolder programFolder;
    TempFolder documents;
    TempFolder runtime;
    QString program;
    QProcess first;
    QProcess second;
};

TEST_F(RunningProgram, HoldsTheLockSoASecondStartIsRefused)
{
    start(first);
    ASSERT_TRUE(waitForLockOwner(first.processId()));
    EXPECT_EQ(first.state(), QProcess::Running);

    PromptsScope scope;
    InstanceLock secondStart(runtime.root());
    EXPECT_FALSE(claimSingleInstance(secondStart));
    ASSERT_EQ(scope.prompts.messages.size(), 1);
    EXPECT_EQ(scope.prompts.messages[0].text, SecondInstanceMessage);
    EXPECT_EQ(first.state(), QProcess::Running) << "the first run is unaffected";
}

TEST_F(RunningProgram, StartsAgainAfterTheFirstRunWasKilled)
{
    start(first);
    ASSERT_TRUE(waitForLockOwner(first.processId()));
    first.kill();   // SIGKILL: no chance to remove the lock file
    ASSERT_TRUE(first.waitForFinished(5000));
    ASSERT_TRUE(QFile::exists(runtime.path("Mendrol"))) << "the killed run left its lock behind";

    start(second);
    EXPECT_TRUE(waitForLockOwner(second.processId())) << "the new run took the stale lock over";
    EXPECT_EQ(second.state(), QProcess::Running);
}

// The first start opens the documents on its command line; a second start hands its own to
// the running copy and ends without a word.
TEST_F(RunningProgram, OpensTheDocumentsOfItsOwnAndOfASecondStart)
{
    programFolder.write("TARVEN.INI", "[USTAWIENIA]\r\nPowitalny=0\r\n");
    const QString own = documents.write("A.ron", "[OPIS]\r\nMetoda=PHA\r\n");
    const QString handed = documents.write("B.ron", "[OPIS]\r\nMetoda=PHA\r\n");
    start(first, {own});
    EXPECT_TRUE(waitForDocumentLocked(own));
    ASSERT_TRUE(waitForLockOwner(first.processId()));

    start(second, {"B.ron"}, documents.root());   // a name relative to the second start's folder
    ASSERT_TRUE(second.waitForFinished(60000)) << "a message box would keep it waiting";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(waitForDocumentLocked(handed)) << "the running copy opened it";
    EXPECT_EQ(first.state(), QProcess::Running);
}

} // namespace
