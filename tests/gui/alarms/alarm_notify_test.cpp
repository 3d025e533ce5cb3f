#include "alarms/alarm_bank_panel.h"
#include "gui/desk.h"
#include "widgets/desktop_notifier.h"

#include <QElapsedTimer>

namespace vidorev::test {
namespace {

TEST(AlarmNotify, OneNoticePerRingWhileTheWindowIsInactiveAndNoneWhileActive) {
    Desk desk;
    const QDate day(2026, 7, 7);
    for (int n : {3, 5}) {
        desk.env.put(keys::alarmSection(n), keys::kTime, QTime(9, n).toString(Qt::ISODate));
        desk.env.put(keys::alarmSection(n), keys::kOn, "1");
    }
    desk.env.clock().set(QDateTime(day, QTime(9, 0)));
    desk.open();
    auto *bank = desk.find<AlarmBankPanel>("TimeLert1");
    bank->tick(); // the batch tick after the load
    desk.env.clock().set(QDateTime(day, QTime(9, 3)));
    bank->tick(); // alarm 3, seen at the window
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    desk.env.clock().set(QDateTime(day, QTime(9, 5)));
    bank->tick();
    EXPECT_EQ(desk.env.notifier().notices,
              QStringList{"Alarm 5 \u2013 09:05 | Vidorev alarm 5, set for 09:05, went off."});
}

// With no bus, or nobody on it to show notices, the notice is lost, later, and the call returns
// at once.
TEST(AlarmNotify, WithoutABusTheNoticeIsLostWithoutWaiting) {
    QTemporaryDir dir;
    DesktopNotifier noBus(QStringLiteral("unix:path=%1/none").arg(dir.path()));
    QSignalSpy lost(&noBus, &DesktopNotifier::lost);
    QElapsedTimer took;
    took.start();
    noBus.notify("Alarm 1 \u2013 09:00", "body");
    EXPECT_LT(took.elapsed(), 500);
    ASSERT_TRUE(lost.count() == 1 || lost.wait(10000));
    EXPECT_FALSE(lost.first().first().toString().isEmpty());
}

} // namespace
} // namespace vidorev::test
