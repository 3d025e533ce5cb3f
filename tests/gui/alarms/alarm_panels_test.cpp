#include "alarms/alarm_bank_panel.h"
#include "alarms/alarm_row.h"
#include "alarms/daily_reset_label.h"
#include "alarms/holiday_strip.h"
#include "alarms/time_zone_board.h"
#include "alarms/zone_window.h"
#include "gui/desk.h"
#include "local_zone.h"

#include <QAbstractSlider>
#include <QAccessible>

namespace vidorev::test {
namespace {

const QDate kMonday(2025, 12, 22);

// The main window with its alarm bank, time-zone board and holiday strip, started at 09:59 on a
// Monday; the bank's rules are pinned by the core tests, these check what reaches the panels.
class AlarmPanels : public ::testing::Test {
protected:
    AlarmPanels() {
        set(kMonday, QTime(9, 59));
        desk.open();
        bank = desk.find<AlarmBankPanel>("TimeLert1");
    }
    template <typename T = QWidget> T *find(const char *name, QWidget *in = nullptr) {
        return desk.find<T>(name, in);
    }
    QString stored(const QString &key) { return desk.env.get(keys::alarmSection(1), key); }
    void set(const QDate &date, const QTime &time) { desk.env.clock().set(QDateTime(date, time)); }
    bool checked() { return find<QCheckBox>("Check", bank->row(1))->isChecked(); }
    QLineEdit *timeBox() { return find<QLineEdit>("TimeBox", bank->row(1)); }
    void retype(const char *text, bool enter = true) {
        timeBox()->selectAll();
        QTest::keyClicks(timeBox(), text);
        if (enter)
            QTest::keyClick(timeBox(), Qt::Key_Return);
    }

    Desk desk;
    AlarmBankPanel *bank = nullptr;
};

TEST_F(AlarmPanels, TheTickRunsTheClockAndTheTimeZonesShowEachCitysRealTime) {
    // No zone stored: the board centres on the system's standard offset (Honolulu, zone 10).
    // Its 23:30 is 09:30 Greenwich time, 21:30 on Wake Island (zone -11, window 2).
    LocalZone honolulu("Pacific/Honolulu");
    set(QDate(2026, 6, 30), QTime(23, 30, 5));
    bank->tick();
    EXPECT_EQ(find<QLineEdit>("ClockCal")->text(), "11:30:05 PM 06-30-2026");
    desk.click("cmdTimeZone");
    EXPECT_EQ(find<TimeZoneBoard>("TimeSet1")->window(2)->label(), "Wake Island (Zone -11)");
    EXPECT_EQ(find<TimeZoneBoard>("TimeSet1")->window(2)->text(), "Wed 7/1/2026 9:30:05 PM");
}

TEST_F(AlarmPanels, RingShowsPingAndTheDailyResetRefreshesRowsAndStrip) {
    desk.env.put(keys::alarmSection(1), keys::kTime, "10:00:00");
    desk.click("cmdStartAlarms"); // all fourteen on, bank reloaded
    bank->tick();                 // batch tick: alarms 2..14 at midnight switch off silently
    set(kMonday, QTime(10, 0));
    bank->tick(); // rings while the bank is hidden: its rows are redrawn when it shows
    EXPECT_EQ(find<QLabel>("Alert")->text(), "Ping!");
    desk.click("cmdSetAlarms");
    EXPECT_EQ(find<QLabel>("Alert")->text(), " ");
    EXPECT_FALSE(checked());
    // The list changes; the strip shows it, in its colour, after the reset at 00:01.
    desk.env.put(keys::kSecAdmin, keys::kHolidays, ";12/26;H80FF00;");
    set(kMonday.addDays(1), QTime(0, 1));
    bank->tick();
    EXPECT_TRUE(checked());
    EXPECT_FALSE(find<DailyResetLabel>("CanReset1", bank)->armed());
    auto *strip = find<HolidayStrip>("HolidayStrip1");
    EXPECT_TRUE(strip->letter(3)->font().underline()); // Tuesday
    EXPECT_TRUE(strip->letter(6)->font().bold());      // Friday the 26th, blue-green-red
    EXPECT_EQ(strip->letter(6)->palette().color(QPalette::WindowText), QColor(0, 0xFF, 0x80));
}

TEST_F(AlarmPanels, AlarmsNineToFourteenShowOnlyToTheAdministrator) {
    desk.click("cmdSetAlarms");
    auto *adminFrame = find("frmAdminTimers", bank);
    EXPECT_TRUE(adminFrame->isAncestorOf(bank->row(9)) && !adminFrame->isAncestorOf(bank->row(8)));
    EXPECT_TRUE(find("cmdAdminTimers", bank)->isHidden());
    desk.env.put(keys::kSecAdmin, keys::kKeyHold, "Boss");
    desk.setUser("Boss");
    desk.click("cmdSetAlarms");
    desk.click("cmdAdminTimers", bank);
    EXPECT_FALSE(adminFrame->isHidden());
}

TEST_F(AlarmPanels, AlarmRowEditsReachTheStore) {
    desk.env.put("allDT2", keys::kType, "Chimes");
    desk.click("cmdSetAlarms");
    bank->tick(); // the day boxes write once the batch tick is over
    AlarmRow *row = bank->row(1);
    retype("11:00");
    QTest::mouseClick(find("Check", row), Qt::LeftButton);
    EXPECT_EQ(stored(keys::kOn), "1");
    // A typed time counts when editing finishes: "10:3" on the way to "10:30" is not 10:03,
    // which at 10:10 would ring at once and switch the alarm off.
    set(kMonday, QTime(10, 10));
    retype("10:3", false);
    bank->tick();
    EXPECT_TRUE(checked());
    QTest::keyClicks(timeBox(), "0");
    QTest::keyClick(timeBox(), Qt::Key_Return);
    EXPECT_EQ(stored(keys::kTime), "10:30:00");
    retype("6:45x", false);
    emit timeBox()->editingFinished(); // leaving the box: not a time, so the old one stays
    EXPECT_EQ(timeBox()->text(), "10:30");
    desk.click("cmdExtend", row);
    QTest::mouseClick(find("chkSunday", row), Qt::LeftButton);
    EXPECT_EQ(stored(keys::kDays), "sMTWTFSeeh");
    find<QAbstractSlider>("HScroll1", row)->setValue(2);
    find<QAbstractSlider>("HScroll1", row)->setValue(3); // no description: not taken
    EXPECT_EQ(find<QLabel>("Label1", row)->text(), "Chimes");
    EXPECT_EQ(stored(keys::kRedir), "AllDT2");
}

TEST_F(AlarmPanels, AnAlarmEditTheStoreRefusesIsSaidInTheFrameAndTheRowShowsTheStoredAlarm) {
    desk.click("cmdSetAlarms");
    bank->tick();
    auto *notice = find<QLabel>("lblNotSaved", bank);
    EXPECT_TRUE(notice->isHidden());
    const QString on = stored(keys::kOn), time = stored(keys::kTime);
    {
        FullDisk full;
        QTest::mouseClick(find("Check", bank->row(1)), Qt::LeftButton);
        retype("7:15");
    }
    EXPECT_FALSE(checked());
    EXPECT_EQ(timeBox()->text(), "00:00");
    EXPECT_EQ(stored(keys::kOn) + stored(keys::kTime), on + time);
    EXPECT_TRUE(notice->text().startsWith("Not saved: ")) << qPrintable(notice->text());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(notice)->text(QAccessible::Name),
              notice->text());
    desk.click("cmdMainMenu");
    desk.click("cmdSetAlarms"); // a reload starts afresh
    EXPECT_TRUE(notice->isHidden());
}

} // namespace
} // namespace vidorev::test
