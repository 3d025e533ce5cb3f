// One window per store, met through the real program as a later start.
#include "shell/single_instance.h"

#include <QElapsedTimer>
#include <QProcess>

#include "gui/desk.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace vidorev::test {
namespace {

using Start = SingleInstance::Start;

// A later start hands its line over and leaves at once, even where a window that crashed left
// its socket behind (bound, never listened to, never removed).
TEST(SingleInstance, ALaterStartHandsItsLineToTheWindowPastAStaleSocket) {
    QTemporaryDir dir;
    const QString store = dir.filePath("s.sqlite");
    const QByteArray path = QFile::encodeName(SingleInstance::socketPathFor(store));
    sockaddr_un address{AF_UNIX, {}};
    std::copy(path.begin(), path.end(), address.sun_path);
    const int crashed = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(crashed, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ::close(crashed);

    SingleInstance first(store);
    ASSERT_EQ(first.claim("/Uann"), Start::First);
    ASSERT_TRUE(first.serve());
    QSignalSpy lines(&first, &SingleInstance::startLineArrived);
    QProcess later;
    QSignalSpy finished(&later, &QProcess::finished);
    QElapsedTimer clock;
    clock.start();
    later.start(VIDOREV_APP_PATH, {"--store", dir.path() + "/./s.sqlite", "/Ubob"});
    ASSERT_TRUE(finished.wait(10000)) << "a second window opened";
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(later.exitCode(), 0) << later.readAllStandardError().toStdString();
    EXPECT_EQ(lines.value(0).value(0).toString(), "/Ubob");
}

// Another store, or another user, never meets this window; the meeting point is the user's own.
TEST(SingleInstance, OnlyTheSameStoreMeets) {
    QTemporaryDir dir;
    const QString store = dir.filePath("s");
    EXPECT_EQ(SingleInstance::socketPathFor(dir.path() + "/./s"),
              SingleInstance::socketPathFor(store));
    SingleInstance first(store), other(dir.filePath("t"));
    ASSERT_EQ(first.claim({}), Start::First);
    EXPECT_EQ(other.claim({}), Start::First); // at once: nothing to wait for
    EXPECT_TRUE(first.socketPath().contains(QStringLiteral("-%1-").arg(::getuid())));
    const auto perms = QFileInfo(first.socketPath()).permissions();
    EXPECT_EQ(perms & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              0);
}

} // namespace
} // namespace vidorev::test
