#include "alarms/holiday_strip.h"
#include "alarms/time_set.h"
#include "alarms/time_window.h"
#include "platform/settings_keys.h"
#include "test_env.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vidorev::test {
namespace {

TEST(TimeSetPanel, LocalZoneEightLabelsItsNeighbours) {
    TimeSet board;
    board.setTimeZone(8);
    const char *labels[] = {"New York (Zone 5)",  "Nome (Zone 11)",  "Chicago (Zone 6)",
                            "Honolulu (Zone 10)", "Denver (Zone 7)", "Juneau (Zone 9)"};
    const double zones[] = {5, 11, 6, 10, 7, 9};
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(board.window(n)->label(), QString::fromLatin1(labels[n - 1]));
        EXPECT_EQ(board.window(n)->timeZone(), zones[n - 1]);
        EXPECT_EQ(board.window(n)->objectName(), QStringLiteral("TimeWindow%1").arg(n));
    }
    board.setTimeZone(11);
    EXPECT_EQ(board.window(2)->label(), QStringLiteral("Canberra (Zone -10)"));
}

TEST(TimeSetPanel, TimesCarryOverMidnightWithTheirWeekday) {
    TimeSet board;
    board.setTimeZone(10);
    board.setTime(QDateTime(QDate(2026, 6, 30), QTime(23, 30)));
    EXPECT_EQ(board.greenwich().time(), QTime(9, 30));
    EXPECT_EQ(board.window(2)->label(), QStringLiteral("Wake Island (Zone -11)"));
    EXPECT_EQ(board.window(2)->text(), QStringLiteral("Wed 7/1/2026 8:30:00 PM"));
    EXPECT_EQ(board.window(1)->text(), QStringLiteral("Wed 7/1/2026 2:30:00 AM"));
    EXPECT_EQ(board.findChild<QLineEdit *>(QStringLiteral("Text1"))->text(),
              QStringLiteral("Tue 6/30/2026 11:30:00 PM"));
}

TEST(TimeSetPanel, HelpAndZoneWriteSwapTheFrames) {
    TimeSet board;
    board.show();
    auto *frame1 = board.findChild<QGroupBox *>(QStringLiteral("Frame1"));
    auto *frame2 = board.findChild<QGroupBox *>(QStringLiteral("Frame2"));
    EXPECT_EQ(frame1->title(), QStringLiteral("Times in several places"));
    EXPECT_EQ(frame2->title(), QStringLiteral("Help on the time zone clocks"));
    QTest::mouseClick(board.findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    EXPECT_TRUE(frame1->isHidden());
    board.setTimeZone(8);
    EXPECT_FALSE(frame1->isHidden());
    EXPECT_TRUE(frame2->isHidden());
}

class HolidayStripTest : public ::testing::Test {
protected:
    void show(const QString &list, const QDate &today) {
        env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kHolidays, list);
        env.clock().set(QDateTime(today, QTime(12, 0)));
        strip.setHost(keys::kAppDiary);
        strip.setUser(keys::kSecAdmin);
        strip.setSelf(keys::kHolidays);
        strip.setDisplay();
    }
    QColor colour(int weekday) {
        return strip.letter(weekday)->palette().color(QPalette::WindowText);
    }
    TestEnv env;
    HolidayStrip strip{env.store(), env.clock()};
};

TEST_F(HolidayStripTest, ChristmasWeekMarksThursdayAndUnderlinesMonday) {
    show(QStringLiteral(";12/25;"), QDate(2025, 12, 22));
    for (int w = 1; w <= 7; ++w) {
        EXPECT_EQ(strip.letter(w)->font().underline(), w == 2) << w;
        EXPECT_EQ(strip.letter(w)->font().bold(), w == 5) << w;
    }
    EXPECT_EQ(colour(5), QColor(255, 0, 0));
    EXPECT_EQ(colour(2), QColor(0, 0, 0));
    EXPECT_EQ(strip.letter(5)->objectName(), QStringLiteral("lblThursday"));
    EXPECT_EQ(strip.letter(5)->text(), QStringLiteral("T"));
    EXPECT_EQ(strip.letter(5)->toolTip(),
              QStringLiteral("Day of week and holidays display.  Today underlined, holiday red."));
}

TEST_F(HolidayStripTest, MarkedDayIsGreenAndSumsWithAnEveryMonthEntry) {
    show(QStringLiteral(";7/4;H80FF00;"), QDate(2026, 7, 1));
    EXPECT_TRUE(strip.letter(7)->font().bold());
    EXPECT_EQ(colour(7), QColor(0x00, 0xFF, 0x80)); // &H80FF00 is blue-green-red
    show(QStringLiteral(";7/4;*/4;HFF8000;"), QDate(2026, 7, 1));
    EXPECT_EQ(colour(7), QColor(0xFF, 0x80, 0xFF)); // &HFF80FF
}

TEST_F(HolidayStripTest, RefreshClearsEarlierMarksAndAMissingListShowsNone) {
    show(QStringLiteral(";7/4;"), QDate(2026, 7, 1));
    ASSERT_TRUE(strip.letter(7)->font().bold());
    env.store().remove(keys::kAppDiary, keys::kSecAdmin, keys::kHolidays);
    strip.setDisplay();
    for (int w = 1; w <= 7; ++w) {
        EXPECT_FALSE(strip.letter(w)->font().bold()) << w;
        EXPECT_EQ(colour(w), QColor(0, 0, 0)) << w;
    }
    EXPECT_TRUE(strip.letter(4)->font().underline()); // Wednesday
}

} // namespace
} // namespace vidorev::test
