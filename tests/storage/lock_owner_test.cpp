// Who holds a document's lock: the lock-owner record beside the file and its write bit
// decide whether the file is free, held, or left locked by a program that is gone.

#include "storage/lock_owner.h"

#include "support/crashed_lock.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

enum class Process { Running, Gone, IdGivenAgain };

struct LockCase {
    const char* holder;
    bool record;
    const char* user;   // nullptr: this user
    const char* host;   // nullptr: this computer
    Process process;
    bool writeBitOff;
    LockOwner::State state;
};

class LockStateTest : public ::testing::TestWithParam<LockCase> {};

} // namespace

TEST_P(LockStateTest, RecordAndWriteBitDecide)
{
    const LockCase& c = GetParam();
    TempFolder folder;
    const QString path = folder.write(QStringLiteral("a.rpr"), "[OPIS]\r\n");
    QFile::setPermissions(path, c.writeBitOff ? QFile::ReadOwner : QFile::ReadOwner | QFile::WriteOwner);
    if (c.record) {
        LockOwner owner = c.process == Process::Gone ? crashedOwner(QFile::WriteOwner)
                                                     : LockOwner::thisProcess(QFile::WriteOwner);
        if (c.process == Process::IdGivenAgain)
            owner.started = owner.started.addDays(-1);
        if (c.user)
            owner.user = QString::fromUtf8(c.user);
        if (c.host)
            owner.host = QString::fromUtf8(c.host);
        ASSERT_TRUE(owner.write(path));
    }
    EXPECT_EQ(LockOwner::stateOf(path), c.state) << c.holder;
}

INSTANTIATE_TEST_SUITE_P(
    Holders, LockStateTest,
    ::testing::Values(
        LockCase{"a running program of this user", true, nullptr, nullptr, Process::Running, true, LockOwner::State::Held},
        LockCase{"a program that is gone", true, nullptr, nullptr, Process::Gone, true, LockOwner::State::Stale},
        LockCase{"a program whose process id another one has now", true, nullptr, nullptr, Process::IdGivenAgain, true,
                 LockOwner::State::Stale},
        LockCase{"another computer", true, nullptr, "inny-komputer", Process::Gone, true, LockOwner::State::Held},
        // A group member cannot take the write bits of a colleague's file: the record holds.
        LockCase{"another user's running program", true, "kolega", nullptr, Process::Running, false,
                 LockOwner::State::Held},
        LockCase{"another user's program that is gone", true, "kolega", nullptr, Process::Gone, true,
                 LockOwner::State::Stale},
        LockCase{"no record, write bit off", false, nullptr, nullptr, Process::Running, true, LockOwner::State::Held},
        LockCase{"no record, writable", false, nullptr, nullptr, Process::Running, false, LockOwner::State::Free}));
