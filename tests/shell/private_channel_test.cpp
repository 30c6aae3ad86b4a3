// The lock of the running copy and its hand-over socket live where no other user can reach
// them, and a second start hands its documents to no process of another user.

#include "shell/document_channel.h"
#include "shell/instance_lock.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <cstring>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

enum class Place {
    Missing,
    Private,      // the user's, entered by no one else
    Open,         // the user's, but writable by everyone, as the shared temporary folder
    Link,         // a link to a private folder
    OtherUsers,   // private to another user
};

struct FolderCase {
    const char* name;
    Place runtime;
    Place cacheFolder;   // "ocena-ryzyka" in the cache folder, before the start
    const char* chosen;  // "runtime", "cache", or "" for no folder at all
};

// Makes `path` as `place` says; false when this user cannot (only root gives a folder away).
bool make(const QString& path, Place place)
{
    const QByteArray name = QFile::encodeName(path);
    switch (place) {
    case Place::Missing:
        return true;
    case Place::Private:
        return ::mkdir(name.constData(), 0700) == 0;
    case Place::Open:
        return ::mkdir(name.constData(), 0700) == 0 && ::chmod(name.constData(), 01777) == 0;
    case Place::Link:
        return ::mkdir((name + "-target").constData(), 0700) == 0 && ::symlink((name + "-target").constData(), name.constData()) == 0;
    case Place::OtherUsers:
        return ::geteuid() == 0 && ::mkdir(name.constData(), 0700) == 0 && ::chown(name.constData(), Nobody, Nobody) == 0;
    }
    return false;
}

class PrivateFolder : public ::testing::TestWithParam<FolderCase> {};

TEST_P(PrivateFolder, IsNeverOneThatAnotherUserCanReach)
{
    const FolderCase& c = GetParam();
    TempFolder home;
    const QString runtime = home.path("runtime");
    const QString cache = home.path("cache");
    ASSERT_TRUE(QDir().mkpath(cache));
    if (!make(runtime, c.runtime) || !make(QDir(cache).filePath("ocena-ryzyka"), c.cacheFolder))
        GTEST_SKIP() << "only root can give a folder to another user";

    const QString chosen = InstanceLock::privateFolder(c.runtime == Place::Missing ? QString() : runtime, cache);

    const QString expected = QString::fromLatin1(c.chosen) == "runtime" ? runtime
                             : QString::fromLatin1(c.chosen) == "cache" ? QDir(cache).filePath("ocena-ryzyka")
                                                                        : QString();
    EXPECT_EQ(chosen.toStdString(), expected.toStdString());
    if (chosen.isEmpty())
        return;
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(chosen).constData(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_uid, ::geteuid());
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

INSTANTIATE_TEST_SUITE_P(
    , PrivateFolder,
    ::testing::Values(FolderCase{"PrivateRuntimeFolder", Place::Private, Place::Missing, "runtime"},
                      FolderCase{"NoRuntimeFolder", Place::Missing, Place::Missing, "cache"},
                      FolderCase{"SharedRuntimeFolder", Place::Open, Place::Missing, "cache"},
                      FolderCase{"RuntimeFolderIsALink", Place::Link, Place::Missing, "cache"},
                      FolderCase{"RuntimeFolderOfAnotherUser", Place::OtherUsers, Place::Missing, "cache"},
                      FolderCase{"CacheFolderLeftOpenIsClosed", Place::Missing, Place::Open, "cache"},
                      FolderCase{"CacheFolderIsALink", Place::Open, Place::Link, ""},
                      FolderCase{"CacheFolderOfAnotherUser", Place::Missing, Place::OtherUsers, ""}),
    [](const auto& test) { return std::string(test.param.name); });

struct PeerCase {
    const char* name;
    bool otherUser;   // the process listening on the socket runs as another user
    bool handedOver;
};

// A process listening on `path` as the program does, in a child running as `uid`: it
// confirms whatever it receives, and its exit code is 1 when it received anything, else 0.
pid_t listenAs(uid_t uid, const QByteArray& path, int readyPipe)
{
    if (const pid_t child = ::fork(); child != 0)
        return child;
    if (uid != ::geteuid() && (::setgid(Nobody) != 0 || ::setuid(uid) != 0))
        ::_exit(2);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(server, 1) != 0
        || ::write(readyPipe, "r", 1) != 1)
        ::_exit(3);
    pollfd waiting{server, POLLIN, 0};
    const int connection = ::poll(&waiting, 1, 20000) == 1 ? ::accept(server, nullptr, nullptr) : -1;
    pollfd reading{connection, POLLIN, 0};
    char bytes[256];
    const bool received = ::poll(&reading, 1, 10000) == 1 && ::read(connection, bytes, sizeof bytes) > 0;
    if (received && ::write(connection, "K", 1) != 1)
        ::_exit(4);
    ::_exit(received ? 1 : 0);
}

class HandOver : public ::testing::TestWithParam<PeerCase> {};

TEST_P(HandOver, GoesOnlyToAProcessOfTheSameUser)
{
    const PeerCase& c = GetParam();
    if (c.otherUser && ::geteuid() != 0)
        GTEST_SKIP() << "only root can listen as another user";
    TempFolder folder;
    // The child, as another user, must be able to make its socket here.
    ASSERT_EQ(::chmod(QFile::encodeName(folder.root()).constData(), 0711), 0);
    const QString shared = folder.path("shared");
    ASSERT_TRUE(make(shared, Place::Open));
    const QString socket = QDir(shared).filePath("Mendrol.socket");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t listener = listenAs(c.otherUser ? Nobody : ::geteuid(), QFile::encodeName(socket), ready[1]);
    char signal = 0;
    ASSERT_EQ(::read(ready[0], &signal, 1), 1) << "the listener started";

    EXPECT_EQ(DocumentChannel::send(socket, {QStringLiteral("/home/bhp/A.ron")}), c.handedOver);

    int status = 0;
    ASSERT_EQ(::waitpid(listener, &status, 0), listener);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), c.handedOver ? 1 : 0) << "1: the listener received the paths";
    ::close(ready[0]);
    ::close(ready[1]);
}

INSTANTIATE_TEST_SUITE_P(, HandOver,
                         ::testing::Values(PeerCase{"SameUser", false, true}, PeerCase{"AnotherUser", true, false}),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
