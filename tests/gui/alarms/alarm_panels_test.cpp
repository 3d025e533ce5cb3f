#include "alarms/alarm_timer.h"
#include "alarms/can_reset.h"
#include "alarms/down_time.h"
#include "alarms/time_lert.h"
#include "platform/settings_keys.h"
#include "test_env.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vidorev::test {
namespace {

template <typename T> T *child(QWidget *parent, const char *name) {
    return parent->findChild<T *>(QString::fromLatin1(name));
}

class DownTimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        env.clock().set(QDateTime(QDate(2026, 7, 7), QTime(9, 0)));
        env.store().save(keys::kAppDiary, QStringLiteral("allDT2"), keys::kType,
                         QStringLiteral("Chimes"));
        row.setIdent(keys::alarmSection(1));
        row.show();
    }
    QString stored(const QString &key) {
        return env.store().get(keys::kAppDiary, keys::alarmSection(1), key);
    }

    TestEnv env;
    AlarmTimer model{env.services()};
    DownTime row{model};
};

TEST_F(DownTimeTest, ControlsCarryTheirNamesTipsAndAccessibleNames) {
    EXPECT_EQ(row.ident(), QStringLiteral("DownTimer"));
    EXPECT_EQ(child<QCheckBox>(&row, "Check")->toolTip(),
              QStringLiteral("Check to turn alarm on, uncheck to turn off"));
    EXPECT_EQ(child<QLineEdit>(&row, "TimeBox")->toolTip(),
              QStringLiteral("Set/read the Alarm time"));
    EXPECT_EQ(child<QLineEdit>(&row, "Text")->toolTip(), QStringLiteral("Minutes till Alarm"));
    EXPECT_EQ(child<QLabel>(&row, "Label1")->toolTip(), QStringLiteral("Alarm sound selected"));
    EXPECT_EQ(child<QLabel>(&row, "Label2")->text(), QStringLiteral("Enabled"));
    EXPECT_EQ(child<QPushButton>(&row, "cmdExtend")->text(), QStringLiteral("X"));
    EXPECT_EQ(child<QCheckBox>(&row, "chkHoliday")->toolTip(),
              QStringLiteral("Check if NOT to turn off on holidays."));
    EXPECT_EQ(child<QCheckBox>(&row, "chkEOM")->toolTip(),
              QStringLiteral("Last work day of Month (check all normal workdays too)"));
    for (QWidget *w : row.findChildren<QWidget *>()) {
        if (qobject_cast<QLabel *>(w) || w->objectName().isEmpty()) continue;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << qPrintable(w->objectName());
        if (qobject_cast<QCheckBox *>(w) || qobject_cast<QLineEdit *>(w) ||
            qobject_cast<QSlider *>(w) || qobject_cast<QPushButton *>(w)) {
            EXPECT_TRUE(w->focusPolicy() & Qt::TabFocus) << qPrintable(w->objectName());
        }
    }
}

TEST_F(DownTimeTest, UserEditsReachTheStore) {
    QTest::mouseClick(child<QCheckBox>(&row, "Check"), Qt::LeftButton);
    EXPECT_EQ(stored(keys::kOn), QStringLiteral("1"));

    auto *timeBox = child<QLineEdit>(&row, "TimeBox");
    timeBox->selectAll();
    QTest::keyClicks(timeBox, QStringLiteral("6:45"));
    EXPECT_EQ(stored(keys::kTime), QStringLiteral("06:45:00"));
    emit timeBox->editingFinished();
    EXPECT_EQ(timeBox->text(), QStringLiteral("06:45"));

    // The batch state ends with the bank's first tick; only then do the day boxes write.
    model.setBatch(false);
    auto *extend = child<QPushButton>(&row, "cmdExtend");
    auto *extended = child<QGroupBox>(&row, "pbExtended");
    EXPECT_TRUE(extended->isHidden());
    QTest::mouseClick(extend, Qt::LeftButton);
    EXPECT_FALSE(extended->isHidden());
    EXPECT_EQ(extend->toolTip(), QStringLiteral("Back to normal view"));
    QTest::mouseClick(child<QCheckBox>(&row, "chkSunday"), Qt::LeftButton);
    EXPECT_EQ(stored(keys::kDays), QStringLiteral("sMTWTFSeeh"));
    QTest::mouseClick(extend, Qt::LeftButton);
    EXPECT_TRUE(extended->isHidden());
    EXPECT_EQ(extend->toolTip(), QStringLiteral("Schedule by day of week"));
}

TEST_F(DownTimeTest, SoundSliderShowsTheSlotTypeAndIgnoresEmptySlots) {
    auto *slider = child<QSlider>(&row, "HScroll1");
    auto *label = child<QLabel>(&row, "Label1");
    EXPECT_EQ(slider->maximum(), 9);
    EXPECT_EQ(slider->value(), 1);
    slider->setValue(2);
    EXPECT_EQ(label->text(), QStringLiteral("Chimes"));
    EXPECT_EQ(stored(keys::kRedir), QStringLiteral("AllDT2"));
    slider->setValue(3); // no description: nothing changes
    EXPECT_EQ(label->text(), QStringLiteral("Chimes"));
    EXPECT_EQ(stored(keys::kRedir), QStringLiteral("AllDT2"));
}

class TimeLertTest : public ::testing::Test {
protected:
    void SetUp() override {
        env.clock().set(QDateTime(QDate(2026, 7, 7), QTime(9, 59)));
        panel.setUser(keys::kAlarmBankUser);
        panel.show();
    }
    TestEnv env;
    TimeLert panel{env.services()};
};

TEST_F(TimeLertTest, FourteenRowsWithNineToFourteenBehindTheAdministratorsButton) {
    EXPECT_EQ(panel.user(), QStringLiteral("TimeLert"));
    auto *frame = child<QGroupBox>(&panel, "frmAdminTimers");
    auto *button = child<QPushButton>(&panel, "cmdAdminTimers");
    EXPECT_EQ(frame->title(), QStringLiteral(" Administrator's Aditional timers (9 - 14) "));
    for (int n = 1; n <= 14; ++n) {
        DownTime *row = child<DownTime>(&panel, qPrintable(QStringLiteral("DownTime%1").arg(n)));
        ASSERT_NE(row, nullptr) << n;
        EXPECT_EQ(frame->isAncestorOf(row), n >= 9) << n;
        EXPECT_EQ(row->model().section(), keys::alarmSection(n));
    }
    EXPECT_EQ(child<QLabel>(&panel, "Label1")->text(), QStringLiteral("8"));
    EXPECT_TRUE(button->isHidden());
    EXPECT_TRUE(frame->isHidden());
    panel.setSuperUser(true);
    EXPECT_TRUE(panel.superUser());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(frame->isHidden());
    // A new user write reloads and closes the frame.
    panel.setUser(keys::kAlarmBankUser);
    EXPECT_TRUE(frame->isHidden());
}

TEST_F(TimeLertTest, HelpSwapsTheFrames) {
    auto *frame1 = child<QGroupBox>(&panel, "Frame1");
    auto *frame2 = child<QGroupBox>(&panel, "Frame2");
    EXPECT_EQ(frame2->title(), QStringLiteral("Help for the Alert Timers"));
    QTest::mouseClick(child<QPushButton>(&panel, "Command2"), Qt::LeftButton);
    EXPECT_TRUE(frame1->isHidden());
    EXPECT_FALSE(frame2->isHidden());
    QTest::mouseClick(child<QPushButton>(&panel, "Command3"), Qt::LeftButton);
    EXPECT_FALSE(frame1->isHidden());
    EXPECT_TRUE(frame2->isHidden());
}

TEST_F(TimeLertTest, ClockRunStartsTheSecondTimerWhateverIsWritten) {
    auto *timer = panel.findChild<QTimer *>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(panel.clockRun());
    panel.setClockRun(false);
    EXPECT_TRUE(panel.clockRun());
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
}

TEST_F(TimeLertTest, TickShowsTimeCountsDownAndRelaysAPing) {
    env.store().save(keys::kAppDiary, keys::alarmSection(2), keys::kTime,
                     QStringLiteral("10:00:00"));
    env.store().save(keys::kAppDiary, keys::alarmSection(2), keys::kOn, QStringLiteral("1"));
    panel.setUser(keys::kAlarmBankUser);
    QSignalSpy ticks(&panel, &TimeLert::clockTick);
    QSignalSpy pings(&panel, &TimeLert::alarmPing);
    QSignalSpy rang(&panel, &TimeLert::alarmRang);
    panel.tick();
    EXPECT_EQ(ticks.count(), 1);
    EXPECT_EQ(child<QLineEdit>(&panel, "TimeNow")->text(), QStringLiteral("9:59:00 AM"));
    auto *row2 = panel.row(2);
    EXPECT_EQ(child<QLineEdit>(row2, "Text")->text(), QStringLiteral("1"));
    EXPECT_TRUE(child<QCheckBox>(row2, "Check")->isChecked());
    EXPECT_EQ(child<QLineEdit>(panel.row(1), "Text")->text(), QStringLiteral(" "));

    env.clock().set(QDateTime(QDate(2026, 7, 7), QTime(10, 0)));
    panel.tick();
    EXPECT_EQ(pings.count(), 1);
    EXPECT_EQ(rang.count(), 1);
    EXPECT_FALSE(child<QCheckBox>(row2, "Check")->isChecked());
    EXPECT_TRUE(panel.findChild<CanReset *>(QStringLiteral("CanReset1"))->armed());
}

TEST_F(TimeLertTest, DailyResetReloadsTheRowsAndRaisesAlarmsReset) {
    env.store().save(keys::kAppDiary, keys::alarmSection(2), keys::kTime,
                     QStringLiteral("10:00:00"));
    env.store().save(keys::kAppDiary, keys::alarmSection(2), keys::kOn, QStringLiteral("1"));
    panel.setUser(keys::kAlarmBankUser);
    QSignalSpy resets(&panel, &TimeLert::alarmsReset);
    panel.tick();
    env.clock().set(QDateTime(QDate(2026, 7, 7), QTime(10, 0)));
    panel.tick();
    env.clock().set(QDateTime(QDate(2026, 7, 8), QTime(0, 1)));
    panel.tick();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_TRUE(child<QCheckBox>(panel.row(2), "Check")->isChecked());
    EXPECT_FALSE(panel.findChild<CanReset *>(QStringLiteral("CanReset1"))->armed());
}

} // namespace
} // namespace vidorev::test
