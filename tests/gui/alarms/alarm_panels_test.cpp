#include "alarms/alarm_bank_panel.h"
#include "alarms/alarm_row.h"
#include "alarms/daily_reset_label.h"
#include "alarms/holiday_strip.h"
#include "gui/desk.h"

namespace vidorev::test {
namespace {

const QDate kMonday(2025, 12, 22);

// The main window with its alarm bank, started at 09:59 on a Monday; the bank's rules are
// pinned by the core tests, these check what reaches the panels and the desktop.
class AlarmPanels : public ::testing::Test {
protected:
    AlarmPanels() {
        set(kMonday, QTime(9, 59));
        desk.open();
        bank = desk.find<AlarmBankPanel>("TimeLert1");
    }
    QString stored(const QString &key) { return desk.env.get(keys::alarmSection(1), key); }
    void set(const QDate &date, const QTime &time) { desk.env.clock().set(QDateTime(date, time)); }
    bool checked() { return desk.find<QCheckBox>("Check", bank->row(1))->isChecked(); }
    QLineEdit *timeBox() { return desk.find<QLineEdit>("TimeBox", bank->row(1)); }
    void retype(const char *text, bool enter = true) {
        timeBox()->selectAll();
        QTest::keyClicks(timeBox(), text);
        if (enter)
            QTest::keyClick(timeBox(), Qt::Key_Return);
    }

    Desk desk;
    AlarmBankPanel *bank = nullptr;
};

// A ring with no sound set up plays the chime and shows "Ping!" on the menu and, on every page,
// in the hot-button row until acknowledged there (by keyboard too) or by opening the alarms; the
// desktop is told only while the window is elsewhere. The daily reset redraws the rows and the
// holiday strip in the list's colours.
TEST_F(AlarmPanels, RingsReachThePanelAndTheDesktopAndTheDailyResetRedraws) {
    desk.env.put(keys::alarmSection(1), keys::kTime, "10:00:00");
    desk.env.put(keys::alarmSection(2), keys::kTime, "10:05:00");
    desk.click("cmdStartAlarms"); // all fourteen on, bank reloaded
    bank->tick();                 // batch tick: alarms 3..14 at midnight switch off silently
    set(kMonday, QTime(10, 0));
    bank->tick(); // rings while the bank is hidden and the window active
    EXPECT_EQ(desk.env.sound().played, QStringList{SoundPlayer::kBuiltInChime});
    QLabel *alert = desk.find<QLabel>("Alert");
    QWidget *flag = desk.find("cmdPingFlag");
    EXPECT_EQ(alert->text(), "Ping!");
    desk.click("cmdTimeZone");
    EXPECT_TRUE(flag->isVisible() && flag->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(flag, Qt::Key_Space);
    EXPECT_EQ(QString::number(flag->isVisible()) + alert->text(), "0 ");
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    set(kMonday, QTime(10, 5));
    bank->tick();
    EXPECT_EQ(desk.env.notifier().notices,
              QStringList{"Alarm 2 \u2013 10:05 | Vidorev alarm 2, set for 10:05, went off."});
    EXPECT_TRUE(flag->isVisible());
    desk.click("cmdSetAlarms");
    EXPECT_FALSE(flag->isVisible());
    EXPECT_EQ(desk.find<QLabel>("Label1", bank->row(1))->text(), "(the desk's chime)"); // what rang
    EXPECT_FALSE(checked());
    desk.env.put(keys::kSecAdmin, keys::kHolidays, ";12/26;H80FF00;");
    set(kMonday.addDays(1), QTime(0, 1));
    bank->tick();
    EXPECT_TRUE(checked());
    EXPECT_FALSE(desk.find<DailyResetLabel>("CanReset1", bank)->armed());
    const QLabel *friday = desk.find<HolidayStrip>("HolidayStrip1")->letter(6); // the 26th
    EXPECT_TRUE(friday->font().bold());
    EXPECT_EQ(friday->palette().color(QPalette::WindowText), QColor(0, 0xFF, 0x80)); // from BGR
}

TEST_F(AlarmPanels, AlarmRowEditsReachTheStore) {
    desk.click("cmdSetAlarms");
    bank->tick(); // the day boxes write once the batch tick is over
    AlarmRow *row = bank->row(1);
    retype("11:00");
    QTest::mouseClick(desk.find("Check", row), Qt::LeftButton);
    EXPECT_EQ(stored(keys::kOn), "1");
    // A typed time counts when editing finishes: "10:3" on the way to "10:30" is not 10:03,
    // which at 10:10 would ring at once and switch the alarm off.
    set(kMonday, QTime(10, 10));
    retype("10:3", false);
    bank->tick();
    EXPECT_TRUE(checked());
    retype("6:45x", false);
    emit timeBox()->editingFinished(); // leaving the box: not a time, so the old one stays
    EXPECT_EQ(timeBox()->text(), "11:00");
    desk.click("cmdExtend", row);
    QTest::mouseClick(desk.find("chkSunday", row), Qt::LeftButton);
    EXPECT_EQ(stored(keys::kDays), "sMTWTFSeeh");
}

} // namespace
} // namespace vidorev::test
