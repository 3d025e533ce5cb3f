#include "alarms/holiday_strip.h"
#include "alarms/time_lert.h"
#include "alarms/time_set.h"
#include "alarms/time_window.h"
#include "diary/diary_writer.h"
#include "platform/settings_keys.h"
#include "shell/main_window.h"
#include "test_env.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vidorev::test {
namespace {

// The main window hosting the alarm bank, the time-zone board and the holiday strip.
class AlarmWiring : public ::testing::Test {
protected:
    AlarmWiring() {
        env.clock().set(QDateTime(QDate(2025, 12, 22), QTime(9, 59)));
        env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kHolidays,
                         QStringLiteral(";12/25;"));
        window = std::make_unique<MainWindow>(env.services(), writer, QString());
        window->show();
        window->handleFirstActivation();
    }
    template <typename T> T *find(const char *name) {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    void click(const char *button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    void alarmAt(int n, const char *time) {
        env.store().save(keys::kAppDiary, keys::alarmSection(n), keys::kTime,
                         QString::fromLatin1(time));
    }

    TestEnv env;
    DiaryWriter writer{env.store(), QStringLiteral("PLM0D1S0K5"), QStringLiteral("1.0.0")};
    std::unique_ptr<MainWindow> window;
};

TEST_F(AlarmWiring, StartUpRunsTheBankClockAndPointsTheStripAtTheHolidayList) {
    auto *bank = find<TimeLert>("TimeLert1");
    auto *strip = find<HolidayStrip>("HolidayStrip1");
    ASSERT_NE(bank, nullptr);
    ASSERT_NE(strip, nullptr);
    ASSERT_NE(find<TimeSet>("TimeSet1"), nullptr);
    EXPECT_TRUE(bank->clockRun());
    EXPECT_TRUE(bank->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    EXPECT_EQ(strip->host(), QStringLiteral("PLMDiary"));
    EXPECT_EQ(strip->user(), QStringLiteral("AdminData"));
    EXPECT_EQ(strip->self(), QStringLiteral("Holidays"));
    EXPECT_TRUE(find<QGroupBox>("Frame2")->isAncestorOf(strip));
    EXPECT_TRUE(strip->isVisible());
    EXPECT_TRUE(strip->letter(5)->font().bold()); // Christmas on Thursday
    EXPECT_EQ(find<QLineEdit>("ClockCal")->text(), QStringLiteral("9:59:00 AM 12-22-2025"));
}

TEST_F(AlarmWiring, ClockTickDrivesTheReadoutAndTheBoard) {
    auto *bank = find<TimeLert>("TimeLert1");
    env.clock().set(QDateTime(QDate(2025, 12, 22), QTime(10, 0, 5)));
    bank->tick();
    EXPECT_EQ(find<QLineEdit>("ClockCal")->text(), QStringLiteral("10:00:05 AM 12-22-2025"));
    click("cmdTimeZone");
    auto *board = find<TimeSet>("TimeSet1");
    EXPECT_EQ(board->timeZone(), 8); // no "TZone" stored
    env.clock().advanceSeconds(1);
    bank->tick();
    EXPECT_EQ(board->window(1)->text(), QStringLiteral("Mon 12/22/2025 1:00:06 PM"));
}

TEST_F(AlarmWiring, TimeZonesReadsTheStoredLocalZone) {
    env.store().save(keys::kAppClock, keys::kSecLocal, keys::kTZone, QStringLiteral("11"));
    click("cmdTimeZone");
    auto *board = find<TimeSet>("TimeSet1");
    EXPECT_TRUE(board->isVisible());
    EXPECT_EQ(board->window(2)->label(), QStringLiteral("Canberra (Zone -10)"));
}

TEST_F(AlarmWiring, SilentAlarmShowsPingAndSetAlarmsClearsIt) {
    alarmAt(1, "10:00:00");
    click("cmdStartAlarms"); // all fourteen on, bank reloaded
    auto *bank = find<TimeLert>("TimeLert1");
    bank->tick(); // batch tick: alarms 2..14 at midnight switch off silently
    EXPECT_EQ(find<QLabel>("Alert")->text(), QStringLiteral(" "));
    env.clock().set(QDateTime(QDate(2025, 12, 22), QTime(10, 0)));
    bank->tick();
    EXPECT_EQ(find<QLabel>("Alert")->text(), QStringLiteral("Ping!"));
    click("cmdSetAlarms");
    EXPECT_TRUE(bank->isVisible());
    EXPECT_EQ(find<QLabel>("Alert")->text(), QStringLiteral(" "));
}

TEST_F(AlarmWiring, SetAlarmsOffersTheExtraTimersOnlyToTheAdministrator) {
    auto *bank = find<TimeLert>("TimeLert1");
    click("cmdSetAlarms");
    EXPECT_FALSE(bank->superUser());
    env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold, QStringLiteral("Boss"));
    find<QLineEdit>("txtUserId")->setText(QStringLiteral("Boss"));
    click("cmdSetAlarms");
    EXPECT_TRUE(bank->superUser());
}

TEST_F(AlarmWiring, PanelSwitchReloadsTheBankFromTheStore) {
    auto *bank = find<TimeLert>("TimeLert1");
    alarmAt(3, "15:00:00");
    env.store().save(keys::kAppDiary, keys::alarmSection(3), keys::kOn, QStringLiteral("1"));
    EXPECT_FALSE(bank->bank().alarm(3).on());
    click("cmdSetAlarms");
    EXPECT_TRUE(bank->bank().alarm(3).on());
    EXPECT_EQ(bank->bank().alarm(3).alarmTime(), QTime(15, 0));
}

TEST_F(AlarmWiring, DailyResetRefreshesTheStrip) {
    auto *bank = find<TimeLert>("TimeLert1");
    auto *strip = find<HolidayStrip>("HolidayStrip1");
    alarmAt(1, "10:00:00");
    env.store().save(keys::kAppDiary, keys::alarmSection(1), keys::kOn, QStringLiteral("1"));
    click("cmdMainMenu");
    click("cmdSetAlarms");
    bank->tick();
    env.clock().set(QDateTime(QDate(2025, 12, 22), QTime(10, 0)));
    bank->tick();
    // The list changes; the strip shows it after the reset at 00:01.
    env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kHolidays, QStringLiteral(";12/26;"));
    env.clock().set(QDateTime(QDate(2025, 12, 23), QTime(0, 1)));
    bank->tick();
    EXPECT_TRUE(strip->letter(3)->font().underline()); // Tuesday
    EXPECT_TRUE(strip->letter(6)->font().bold());      // Friday the 26th
    EXPECT_FALSE(strip->letter(5)->font().bold());
}

} // namespace
} // namespace vidorev::test
