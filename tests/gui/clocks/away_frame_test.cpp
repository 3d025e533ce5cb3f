#include "clocks/away_frame.h"

#include "clocks/away_watcher.h"
#include "gui/desk.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QProcess>

// The away question fed by a screen saver on a private bus, as a desktop would run one.
namespace vidorev::test {
namespace {

const QString kSaver = "org.freedesktop.ScreenSaver", kPath = "/org/freedesktop/ScreenSaver";

// The screen saver's side: answers GetActive and counts the calls it gets.
class FakeScreenSaver final : public QDBusVirtualObject {
public:
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &bus) override {
        ++calls;
        return bus.send(message.createReply(QVariant(false)));
    }
    QString introspect(const QString &) const override { return {}; }
    int calls = 0;
};

TEST(AwayFrame, ALockedSessionAsksAboutTheAbsenceAndStopsTheClockWhenItBegan) {
    QTemporaryDir dir;
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address",
                                 "--address=unix:path=" + dir.filePath("bus")});
    ASSERT_TRUE(daemon.waitForReadyRead(5000)) << "dbus-daemon did not start";
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    QDBusConnection saver = QDBusConnection::connectToBus(address, "fake-saver");
    FakeScreenSaver fake;
    ASSERT_TRUE(saver.registerVirtualObject(kPath, &fake));
    ASSERT_TRUE(saver.registerService(kSaver));

    TestEnv env;
    const QString diary = env.makeDiary("ann");
    env.clock().set(QDateTime(QDate(2026, 12, 4), QTime(10, 0)));
    RunningJobs(env.store(), env.clock()).start("ann", "annTC1", "722", "Check timing");
    auto *watcher = new AwayWatcher(address, QString());
    AwayFrame frame(env.services(), watcher);
    frame.setUser("ann");
    QSignalSpy locks(watcher, &AwayWatcher::lockChanged);
    QTRY_COMPARE(fake.calls, 1); // subscribed, and asked whether the screen is locked
    const auto setLocked = [&](int h, int m, bool locked) {
        env.clock().set(QDateTime(QDate(2026, 12, 4), QTime(h, m)));
        saver.send(QDBusMessage::createSignal(kPath, kSaver, "ActiveChanged") << locked);
        ASSERT_TRUE(locks.wait(5000));
    };
    setLocked(10, 20, true);
    EXPECT_TRUE(frame.isHidden()); // nothing asked, nothing changed while away
    setLocked(11, 5, false);
    ASSERT_FALSE(frame.isHidden());
    EXPECT_EQ(frame.findChild<QLabel *>("lblAway")->text(),
              "Away 10:20–11:05 (45 min) while job 722 (Check timing) ran.");
    { // a restart while the question is open asks it again
        AwayFrame again(env.services(), new AwayWatcher(address, QString()));
        again.setUser("ann");
        EXPECT_FALSE(again.isHidden());
        EXPECT_EQ(again.findChild<QLabel *>("lblAway")->text(),
                  frame.findChild<QLabel *>("lblAway")->text());
    }
    auto *stop = frame.findChild<QPushButton *>("cmdAwayStop");
    EXPECT_EQ(stop->accessibleName(), "Stop at 10:20");
    QSignalSpy changed(&frame, &AwayFrame::timingChanged);
    stop->click();
    EXPECT_TRUE(env.diaryLines(diary).last().startsWith(
        "[722][Stop ]{20}<Check timing> @ 11:05:00 AM after 20 minutes, away from 10:20 to 11:05"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(frame.isHidden());
    QDBusConnection::disconnectFromBus("fake-saver"); // the daemon ends with its QProcess
}

} // namespace
} // namespace vidorev::test
