// Writing over files of other users, links and special files: the decision from owners,
// ids and permission bits, the same saves made by another user on real files, and two
// processes saving one file at once.

#include "base/app_error.h"
#include "storage/atomic_file_writer.h"
#include "storage/write_access.h"
#include "storage/ini_dat.h"

#include "support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

#include <tuple>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using write_access::Way;

namespace {

constexpr uid_t User = 3000;
constexpr uid_t Owner = 1234;
constexpr gid_t Team = 2345;

struct DecisionCase {
    const char* name;
    write_access::Writer writer;
    write_access::Target target;
    Way expected;
};

write_access::Target file(uid_t owner, gid_t group, mode_t mode, mode_t lockedWriteBits = 0)
{
    return {"/d/a.ron", {}, true, mode_t(S_IFREG | mode), owner, group, lockedWriteBits};
}

// `target` reached through a link of `linkOwner` in a folder of root with mode `folderMode`.
write_access::Target through(uid_t linkOwner, mode_t folderMode, write_access::Target target)
{
    target.links = {{"/tmp/a.ron", linkOwner, 0, folderMode}};
    return target;
}

const write_access::Writer Colleague{User, User, {Team}};

const DecisionCase DecisionCases[] = {
    {"OwnFileUnderTheProgramsLock", Colleague, file(User, User, 0444, 0200), Way::Replace},
    {"ForeignFileTheLockCouldNotChange", Colleague, file(Owner, Owner, 0644, 0200), Way::NotWritable},
    {"GroupMemberWritesInPlace", Colleague, file(Owner, Team, 0664, 0220), Way::InPlace},
    {"GroupWritableFileOfAnotherGroup", Colleague, file(Owner, Owner, 0664, 0220), Way::NotWritable},
    {"WorldWritableForeignFileInPlace", Colleague, file(Owner, Owner, 0666, 0222), Way::InPlace},
    {"RootGivesTheFileBack", {0, 0, {}}, file(Owner, Team, 0444), Way::Replace},
    {"Fifo", {0, 0, {}}, {"/d/p", {}, true, S_IFIFO | 0666, 0, 0, 0}, Way::NotRegular},
    {"PlantedLinkInStickyFolder", Colleague, through(Owner, 01777, file(User, User, 0644)), Way::PlantedLink},
    {"PlantedLinkToNothing", {0, 0, {}}, through(Owner, 01777, {}), Way::PlantedLink},
    {"OwnLinkInStickyFolder", Colleague, through(User, 01777, file(User, User, 0644)), Way::Replace},
    {"FolderOwnersLinkInStickyFolder", Colleague, through(0, 01777, file(User, User, 0644)), Way::Replace},
    {"ForeignLinkInPrivateFolder", Colleague, through(Owner, 0755, file(User, User, 0644)), Way::Replace},
};

class WriteDecision : public ::testing::TestWithParam<DecisionCase> {};

} // namespace

TEST_P(WriteDecision, FollowsOwnersIdsAndBits)
{
    const DecisionCase& c = GetParam();
    EXPECT_EQ(write_access::decide(c.writer, c.target).way, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteDecision, ::testing::ValuesIn(DecisionCases),
                         [](const auto& param) { return std::string(param.param.name); });

namespace {

// Runs `save` in a child process as user `uid` with group `gid`; its exit code.
template <class Save>
int asUser(uid_t uid, gid_t gid, Save save)
{
    const pid_t child = ::fork();
    if (child == 0) {
        const bool switched = ::setgroups(1, &gid) == 0 && ::setresgid(gid, gid, gid) == 0
                              && ::setresuid(uid, uid, uid) == 0;
        ::_exit(switched ? save() : 99);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// 0 when `path` was written, 1 when the save was refused with a message holding `mention`,
// 2 for any other message.
int save(const QString& path, QFile::Permissions lockedWriteBits, const QString& mention,
         AtomicFileWriter&& writer = AtomicFileWriter())
{
    try {
        writer.write(path, "nowa treść", lockedWriteBits);
        return 0;
    } catch (const AppError& error) {
        return error.text().contains(mention) ? 1 : 2;
    }
}

// Writes the temporary file, then fails overwriting the document in place: the disk is full.
class FullDiskInPlace : public AtomicFileWriter {
    bool writeAll(int fd, const QByteArray& bytes) override
    {
        if (++writes_ == 1)
            return AtomicFileWriter::writeAll(fd, bytes);
        errno = ENOSPC;
        return false;
    }
    int writes_ = 0;
};

struct StatOf {
    explicit StatOf(const QString& path) { ::lstat(QFile::encodeName(path).constData(), &st); }
    struct stat st {};
};

class WriteAsAnotherUser : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root to act as other users";
        ASSERT_EQ(::chmod(QFile::encodeName(folder.root()).constData(), 01777), 0);
    }
    TempFolder folder;
};

} // namespace

// A colleague's saves, made in a process of his: a group member overwrites the owner's file in
// place (a failure keeps the whole new text beside it), a file he could never write stays.
TEST_F(WriteAsAnotherUser, KeepsTheOwnersFileAndRefusesWhatHeMayNotWrite)
{
    const QString shared = folder.write("wspólny.ron", "stara treść");
    ASSERT_EQ(::chown(QFile::encodeName(shared).constData(), Owner, Team), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 0664), 0);
    ASSERT_EQ(::link(QFile::encodeName(shared).constData(), QFile::encodeName(folder.path("twardy.ron")).constData()), 0);
    const auto attributes = [&shared] {
        const StatOf now(shared);
        return std::tuple(now.st.st_ino, now.st.st_uid, now.st.st_gid, now.st.st_mode, now.st.st_nlink);
    };
    const auto before = attributes();

    EXPECT_EQ(asUser(User, Team, [&] { return save(shared, {}, ".kopia", FullDiskInPlace()); }), 1);
    EXPECT_EQ(folder.read(shared), "stara treść");
    EXPECT_EQ(folder.read(shared + ".kopia"), "nowa treść") << "the whole new text stays beside it";
    ASSERT_TRUE(QFile::remove(shared + ".kopia"));

    EXPECT_EQ(asUser(User, Team, [&] { return save(shared, {}, {}); }), 0);
    EXPECT_EQ(folder.read(shared), "nowa treść");
    EXPECT_EQ(attributes(), before) << "file, owner, group, mode and links as they were";

    const QString foreign = folder.write("cudzy.ron", "cudza treść");
    ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), Owner, Owner), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(foreign).constData(), 0644), 0);
    EXPECT_EQ(asUser(User, User, [&] { return save(foreign, QFile::WriteOwner, "brak uprawnień"); }), 1);
    EXPECT_EQ(folder.read(foreign), "cudza treść");
    // Opened by him, it is read-only at once: no lock, no record, its mode as it was.
    EXPECT_EQ(asUser(User, User, [&] {
                  TIniDat dat;
                  return dat.OpenIniFile(foreign) == TIniDat::LockNews::HeldByOther ? 0 : 1;
              }),
              0);
    EXPECT_EQ(StatOf(foreign).st.st_mode & 07777, mode_t(0644));

    QStringList left = QDir(folder.root()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    left.sort();
    EXPECT_EQ(left, (QStringList{"cudzy.ron", "twardy.ron", "wspólny.ron"})) << "no temporary file stays";
}

// Each of two processes saves one file many times at once; every save succeeds, and the
// file holds one whole text at the end.
TEST(ConcurrentWriters, TwoProcessesSavingOneReportAllSucceed)
{
    TempFolder folder;
    const QString path = folder.path("raport.docx");
    const QByteArray texts[] = {QByteArray(200000, 'a'), QByteArray(300000, 'b')};
    pid_t children[2] = {};
    for (int i = 0; i < 2; ++i) {
        children[i] = ::fork();
        if (children[i] == 0) {
            int failed = 0;
            for (int n = 0; n < 40; ++n) {
                try {
                    AtomicFileWriter().write(path, texts[i]);
                } catch (const AppError&) {
                    ++failed;
                }
            }
            ::_exit(failed);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "failed saves: " << WEXITSTATUS(status);
    }
    const QByteArray content = folder.read(path);
    EXPECT_TRUE(content == texts[0] || content == texts[1]);
}
