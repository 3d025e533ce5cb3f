#include "alarms/can_reset.h"
#include "alarms/down_time.h"
#include "alarms/holiday_strip.h"
#include "alarms/time_lert.h"
#include "alarms/time_set.h"
#include "alarms/time_window.h"
#include "diary/diary_writer.h"
#include "local_zone.h"
#include "platform/settings_keys.h"
#include "shell/main_window.h"
#include "test_env.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vidorev::test {
namespace {

const QDate kMonday(2025, 12, 22);

// The main window with its alarm bank, time-zone board and holiday strip, started at 09:59 on a
// Monday with Christmas, that Thursday, in the holiday list.
class AlarmPanels : public ::testing::Test {
protected:
    AlarmPanels() {
        set(kMonday, QTime(9, 59));
        save(keys::kSecAdmin, keys::kHolidays, ";12/25;");
        window = std::make_unique<MainWindow>(env.services(), writer, QString());
        window->show();
        window->handleFirstActivation();
        bank = find<TimeLert>("TimeLert1");
        strip = find<HolidayStrip>("HolidayStrip1");
    }
    // The time-zone board is built when first shown.
    TimeSet *board() { return find<TimeSet>("TimeSet1"); }
    template <typename T = QWidget> T *find(const char *name, QWidget *in = nullptr) {
        return (in ? in : window.get())->findChild<T *>(QString::fromLatin1(name));
    }
    void click(const char *name, QWidget *in = nullptr) {
        QTest::mouseClick(find(name, in), Qt::LeftButton);
    }
    void save(const QString &section, const QString &key, const char *value) {
        env.store().save(keys::kAppDiary, section, key, QString::fromLatin1(value));
    }
    QString stored(int n, const QString &key) {
        return env.store().get(keys::kAppDiary, keys::alarmSection(n), key);
    }
    void set(const QDate &date, const QTime &time) { env.clock().set(QDateTime(date, time)); }
    QString text(const char *name, QWidget *in = nullptr) {
        return find<QLineEdit>(name, in)->text();
    }

    TestEnv env;
    DiaryWriter writer{env.store(), QStringLiteral("PLM0D1S0K5"), QStringLiteral("1.0.0")};
    std::unique_ptr<MainWindow> window;
    TimeLert *bank = nullptr;
    HolidayStrip *strip = nullptr;
};

// With VIDOREV_SHOTS set, the window is kept there as a picture with each panel shown.
TEST_F(AlarmPanels, StartUpRunsTheClockAndEveryPanelDrawsWithNamedFocusableControls) {
    EXPECT_EQ(bank->findChild<QTimer *>(QStringLiteral("Timer1"))->interval(), 1000);
    EXPECT_TRUE(bank->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    EXPECT_TRUE(find("Frame2")->isAncestorOf(strip));
    const QString shots = qEnvironmentVariable("VIDOREV_SHOTS");
    for (const char *button : {"cmdMainMenu", "cmdSetAlarms", "cmdTimeZone"}) {
        click(button);
        const QPixmap picture = window->grab();
        EXPECT_GT(picture.width(), 100);
        if (!shots.isEmpty())
            picture.save(QStringLiteral("%1/%2.png").arg(shots).arg(QLatin1String(button)));
    }
    for (QWidget *panel : QList<QWidget *>{bank, board(), strip}) {
        for (QWidget *w : panel->findChildren<QWidget *>()) {
            if (!qobject_cast<QAbstractButton *>(w) && !qobject_cast<QLineEdit *>(w) &&
                !qobject_cast<QAbstractSlider *>(w))
                continue;
            EXPECT_FALSE(w->accessibleName().isEmpty()) << qPrintable(w->objectName());
            EXPECT_TRUE(w->focusPolicy() & Qt::TabFocus) << qPrintable(w->objectName());
        }
    }
}

TEST_F(AlarmPanels, HolidayStripMarksTodayAndTheWeeksListedDaysInTheirColours) {
    const struct {
        const char *list; // nullptr: no list stored
        QDate today;
        int bold; // 1 = Sunday; 0 for none
        QColor colour;
    } cases[] = {
        {";12/25;", kMonday, 5, QColor(255, 0, 0)},
        {";7/4;H80FF00;", QDate(2026, 7, 1), 7, QColor(0x00, 0xFF, 0x80)}, // blue-green-red
        {nullptr, QDate(2026, 7, 1), 0, QColor()}, // the earlier marks are cleared
    };
    for (const auto &c : cases) {
        if (c.list)
            save(keys::kSecAdmin, keys::kHolidays, c.list);
        else
            env.store().remove(keys::kAppDiary, keys::kSecAdmin, keys::kHolidays);
        set(c.today, QTime(12, 0));
        strip->setDisplay();
        for (int w = 1; w <= 7; ++w) {
            const QLabel *letter = strip->letter(w);
            EXPECT_EQ(letter->font().underline(), w == c.today.dayOfWeek() % 7 + 1) << w;
            EXPECT_EQ(letter->font().bold(), w == c.bold) << w;
            EXPECT_EQ(letter->palette().color(QPalette::WindowText),
                      w == c.bold ? c.colour : QColor(0, 0, 0))
                << w;
        }
    }
}

TEST_F(AlarmPanels, TimeZonesFollowTheClockTickAndTheStoredLocalZone) {
    test::LocalZone losAngeles("America/Los_Angeles");
    set(kMonday, QTime(10, 0, 5));
    bank->tick();
    EXPECT_EQ(text("ClockCal"), QStringLiteral("10:00:05 AM 12-22-2025"));
    click("cmdTimeZone"); // no "TZone" stored: the system's standard offset, zone 8
    EXPECT_EQ(board()->window(1)->label(), QStringLiteral("New York (Zone 5)"));
    EXPECT_EQ(board()->window(6)->label(), QStringLiteral("Juneau (Zone 9)"));
    env.clock().advanceSeconds(1);
    bank->tick();
    EXPECT_EQ(board()->window(1)->text(), QStringLiteral("Mon 12/22/2025 1:00:06 PM"));
    click("Command2", board()); // help, until the next zone write
    EXPECT_TRUE(find("Frame1", board())->isHidden());

    // Honolulu's 23:30 is 09:30 Greenwich time, 21:30 on Wake Island (zone -11, window 2).
    test::LocalZone honolulu("Pacific/Honolulu");
    env.store().save(keys::kAppClock, keys::kSecLocal, keys::kTZone, QStringLiteral("10"));
    set(QDate(2026, 6, 30), QTime(23, 30));
    click("cmdMainMenu");
    click("cmdTimeZone");
    EXPECT_FALSE(find("Frame1", board())->isHidden());
    EXPECT_EQ(board()->window(2)->text(), QStringLiteral("Wed 7/1/2026 9:30:00 PM"));
    EXPECT_EQ(text("Text1", board()), QStringLiteral("Tue 6/30/2026 11:30:00 PM"));
    board()->setTimeZone(11);
    EXPECT_EQ(board()->window(2)->label(), QStringLiteral("Canberra (Zone -10)"));
}

TEST_F(AlarmPanels, RingShowsPingAndTheDailyResetRefreshesRowsAndStrip) {
    save(keys::alarmSection(1), keys::kTime, "10:00:00");
    click("cmdStartAlarms"); // all fourteen on, bank reloaded
    bank->tick();            // batch tick: alarms 2..14 at midnight switch off silently
    EXPECT_EQ(find<QLabel>("Alert")->text(), QStringLiteral(" "));
    set(kMonday, QTime(10, 0));
    bank->tick(); // rings while the bank is hidden: its rows are redrawn when it shows
    EXPECT_EQ(find<QLabel>("Alert")->text(), QStringLiteral("Ping!"));
    click("cmdSetAlarms");
    EXPECT_EQ(find<QLabel>("Alert")->text(), QStringLiteral(" "));
    EXPECT_FALSE(find<QCheckBox>("Check", bank->row(1))->isChecked());
    EXPECT_TRUE(find<CanReset>("CanReset1", bank)->armed());

    // The list changes; the strip shows it after the reset at 00:01.
    save(keys::kSecAdmin, keys::kHolidays, ";12/26;");
    set(kMonday.addDays(1), QTime(0, 1));
    bank->tick();
    EXPECT_TRUE(find<QCheckBox>("Check", bank->row(1))->isChecked());
    EXPECT_FALSE(find<CanReset>("CanReset1", bank)->armed());
    EXPECT_TRUE(strip->letter(3)->font().underline()); // Tuesday
    EXPECT_TRUE(strip->letter(6)->font().bold());      // Friday the 26th
    EXPECT_FALSE(strip->letter(5)->font().bold());
}

TEST_F(AlarmPanels, SetAlarmsReloadsTheBankAndShowsAlarmsNineToFourteenOnlyToTheAdministrator) {
    save(keys::alarmSection(3), keys::kTime, "15:00:00");
    save(keys::alarmSection(3), keys::kOn, "1");
    click("cmdSetAlarms");
    EXPECT_TRUE(bank->bank().alarm(3).on());
    EXPECT_EQ(bank->bank().alarm(3).alarmTime(), QTime(15, 0));
    auto *adminFrame = find("frmAdminTimers", bank);
    for (int n = 1; n <= 14; ++n)
        EXPECT_EQ(adminFrame->isAncestorOf(bank->row(n)), n >= 9) << n;
    EXPECT_TRUE(find("cmdAdminTimers", bank)->isHidden());

    save(keys::kSecAdmin, keys::kKeyHold, "Boss");
    find<QLineEdit>("txtUserId")->setText(QStringLiteral("Boss"));
    click("cmdSetAlarms");
    click("cmdAdminTimers", bank);
    EXPECT_FALSE(adminFrame->isHidden());
    click("Command2", bank); // help replaces the alarms until its OK
    EXPECT_TRUE(find("Frame1", bank)->isHidden());
    click("Command3", bank);
    EXPECT_FALSE(find("Frame1", bank)->isHidden());
}

TEST_F(AlarmPanels, AlarmRowEditsReachTheStore) {
    save(QStringLiteral("allDT2"), keys::kType, "Chimes");
    click("cmdSetAlarms");
    bank->tick(); // the day boxes write once the batch tick is over
    DownTime *row = bank->row(1);
    auto *timeBox = find<QLineEdit>("TimeBox", row);
    const auto retype = [timeBox](const char *text) {
        timeBox->selectAll();
        QTest::keyClicks(timeBox, QString::fromLatin1(text));
    };
    retype("11:00");
    QTest::keyClick(timeBox, Qt::Key_Return);
    EXPECT_EQ(stored(1, keys::kTime), QStringLiteral("11:00:00"));
    QTest::mouseClick(find("Check", row), Qt::LeftButton);
    EXPECT_EQ(stored(1, keys::kOn), QStringLiteral("1"));

    // A typed time counts when editing finishes: "10:3" on the way to "10:30" is not 10:03,
    // which at 10:10 would ring at once and switch the alarm off.
    set(kMonday, QTime(10, 10));
    retype("10:3");
    bank->tick();
    EXPECT_EQ(stored(1, keys::kTime), QStringLiteral("11:00:00"));
    EXPECT_TRUE(find<QCheckBox>("Check", row)->isChecked());
    QTest::keyClicks(timeBox, QStringLiteral("0"));
    QTest::keyClick(timeBox, Qt::Key_Return);
    EXPECT_EQ(stored(1, keys::kTime), QStringLiteral("10:30:00"));
    retype("6:45x");
    emit timeBox->editingFinished(); // leaving the box: not a time, so the old one stays
    EXPECT_EQ(stored(1, keys::kTime), QStringLiteral("10:30:00"));
    EXPECT_EQ(timeBox->text(), QStringLiteral("10:30"));

    click("cmdExtend", row);
    QTest::mouseClick(find("chkSunday", row), Qt::LeftButton);
    EXPECT_EQ(stored(1, keys::kDays), QStringLiteral("sMTWTFSeeh"));
    find<QAbstractSlider>("HScroll1", row)->setValue(2);
    find<QAbstractSlider>("HScroll1", row)->setValue(3); // no description: not taken
    EXPECT_EQ(find<QLabel>("Label1", row)->text(), QStringLiteral("Chimes"));
    EXPECT_EQ(stored(1, keys::kRedir), QStringLiteral("AllDT2"));
}

TEST_F(AlarmPanels, AnAlarmEditTheStoreRefusesIsSaidInTheFrameAndTheRowShowsTheStoredAlarm) {
    click("cmdSetAlarms");
    bank->tick();
    DownTime *row = bank->row(1);
    auto *timeBox = find<QLineEdit>("TimeBox", row);
    auto *notice = find<QLabel>("lblNotSaved", bank);
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isHidden());
    const QString on = stored(1, keys::kOn), time = stored(1, keys::kTime);
    {
        FullDisk full;
        QTest::mouseClick(find("Check", row), Qt::LeftButton);
        timeBox->selectAll();
        QTest::keyClicks(timeBox, QStringLiteral("7:15"));
        QTest::keyClick(timeBox, Qt::Key_Return);
    }
    EXPECT_FALSE(find<QCheckBox>("Check", row)->isChecked());
    EXPECT_EQ(timeBox->text(), QStringLiteral("00:00"));
    EXPECT_EQ(stored(1, keys::kOn), on);
    EXPECT_EQ(stored(1, keys::kTime), time);
    EXPECT_FALSE(notice->isHidden());
    EXPECT_TRUE(notice->text().startsWith(QStringLiteral("Not saved: ")))
        << qPrintable(notice->text());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(notice)->text(QAccessible::Name),
              notice->text());
    click("cmdMainMenu");
    click("cmdSetAlarms"); // a reload starts afresh
    EXPECT_TRUE(notice->isHidden());
}

} // namespace
} // namespace vidorev::test
