#include "alarms/holiday_list.h"

#include <gtest/gtest.h>

namespace vidorev::alarms {
namespace {

TEST(HolidayList, HolidaysOfTheComingWeekAreUnmarkedDatesOnly) {
    const struct {
        const char *list;
        QDate today;
        int weekday; // Sunday = 0; -1 for none
    } cases[] = {
        {";7/4;", QDate(2026, 7, 4), 6},
        {";1/1;7/4;12/25;", QDate(2026, 6, 28), 6},
        {";7/4;", QDate(2026, 6, 26), -1},           // eight days ahead
        {";1/1;", QDate(2026, 12, 27), 5},           // into January of the next year
        {";7/1;", QDate(2026, 6, 28), 3},            // into the next month
        {";11/1;", QDate(2026, 12, 27), -1},         // ";1/1;" is not inside ";11/1;"
        {";7/4;HFF8000;", QDate(2026, 7, 4), -1},    // marked: shown only
        {";*/4;", QDate(2026, 7, 4), -1},            // every month: shown only
        {";7/3;H80FF00;7/4;", QDate(2026, 7, 3), 6}, // found through a marker's ";"
    };
    for (const auto &c : cases) {
        std::array<bool, 7> expected{};
        if (c.weekday >= 0)
            expected[std::size_t(c.weekday)] = true;
        EXPECT_EQ(holidayWeekdays(QString::fromLatin1(c.list), c.today), expected) << c.list;
    }
}

TEST(HolidayList, ColoursSumChannelWiseAndAMalformedMarkerShowsRed) {
    EXPECT_EQ(addColours(kHolidayRed, 0xFF8000), 0xFF80FFu);
    EXPECT_EQ(addColours(0x808080, 0x909090), 0xFFFFFFu);
    EXPECT_EQ(addColours(0x010203, 0x0A0B0C), 0x0B0D0Fu);
    EXPECT_EQ(colourText(0x0000FF), QStringLiteral("&H0000FF"));
    const QString list = QStringLiteral(";7/4;H80FF00;7/5;Hzz;7/6;H12;");
    EXPECT_EQ(colourAt(list, list.indexOf(QStringLiteral(";7/4;"))), 0x80FF00u);
    EXPECT_EQ(colourAt(list, list.indexOf(QStringLiteral(";7/5;"))), kHolidayRed);
    EXPECT_EQ(colourAt(list, list.indexOf(QStringLiteral(";7/6;"))), kHolidayRed);
}

TEST(HolidayList, StripUnderlinesTodayAndColoursListedDaysOfTheWeek) {
    const struct {
        const char *list;
        QDate today;
        int bold; // Sunday = 0; -1 for none
        BgrColour colour;
    } cases[] = {
        {";12/25;", QDate(2025, 12, 22), 4, kHolidayRed}, // Monday; Christmas on Thursday
        {";7/4;H80FF00;", QDate(2026, 7, 1), 6, 0x80FF00},
        {";7/4;*/4;HFF8000;", QDate(2026, 7, 1), 6, 0xFF80FF},
        {";1/1;", QDate(2026, 12, 28), 5, kHolidayRed},
        {";*/1;", QDate(2026, 6, 28), 3, kHolidayRed},
        {";", QDate(2026, 7, 1), -1, 0},
        {";*/20;", QDate(2026, 7, 1), -1, 0},
    };
    for (const auto &c : cases) {
        const auto strip = scanWeek(QString::fromLatin1(c.list), c.today);
        const int today = c.today.dayOfWeek() % 7;
        for (int i = 0; i < 7; ++i) {
            const StripLetter expected{i == today, i == c.bold, i == c.bold ? c.colour : 0};
            EXPECT_EQ(strip[std::size_t(i)], expected) << c.list << " day " << i;
        }
    }
}

} // namespace
} // namespace vidorev::alarms
