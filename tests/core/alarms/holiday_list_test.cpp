#include "alarms/holiday_list.h"

#include <gtest/gtest.h>

namespace vidorev::alarms {
namespace {

TEST(HolidayTokens, NextMonthPrefixWrapsFromThirteenToOne) {
    EXPECT_EQ(monthPrefix(7), QStringLiteral(";7/"));
    EXPECT_EQ(monthPrefix(13), QStringLiteral(";1/"));
    // December 27th: five days on is January 1st.
    EXPECT_EQ(weekToken(QDate(2026, 12, 27), 0), QStringLiteral(";12/27;"));
    EXPECT_EQ(weekToken(QDate(2026, 12, 27), 5), QStringLiteral(";1/1;"));
    EXPECT_EQ(weekToken(QDate(2026, 6, 28), 3), QStringLiteral(";7/1;"));
    EXPECT_EQ(everyMonthToken(15), QStringLiteral(";*/15;"));
}

// Weekdays as Sunday-first bits, for compact expectations.
std::array<bool, 7> days(std::initializer_list<int> indexes) {
    std::array<bool, 7> result{};
    for (int i : indexes)
        result[std::size_t(i)] = true;
    return result;
}

TEST(HolidayWeekdays, FindsHolidaysOfTheComingWeekOnly) {
    const QDate july4th(2026, 7, 4); // a Saturday
    EXPECT_EQ(holidayWeekdays(QStringLiteral(";7/4;"), july4th), days({6}));
    EXPECT_EQ(holidayWeekdays(QStringLiteral(";1/1;7/4;12/25;"), QDate(2026, 6, 28)), days({6}));
    // Eight days ahead is out of the week.
    EXPECT_EQ(holidayWeekdays(QStringLiteral(";7/4;"), QDate(2026, 6, 26)), days({}));
    EXPECT_EQ(holidayWeekdays(QStringLiteral(";1/1;"), QDate(2026, 12, 27)), days({5}));
}

TEST(HolidayWeekdays, MarkedDatesAndEveryMonthEntriesAreNotHolidays) {
    const QDate july4th(2026, 7, 4);
    EXPECT_EQ(holidayWeekdays(QStringLiteral(";7/4;HFF8000;"), july4th), days({}));
    EXPECT_EQ(holidayWeekdays(QStringLiteral(";*/4;"), july4th), days({}));
    // A date after a marked one is found through the marker's closing ";".
    EXPECT_EQ(holidayWeekdays(QStringLiteral(";7/3;H80FF00;7/4;"), july4th.addDays(-1)), days({6}));
    // ";1/1;" is not found inside ";11/1;".
    EXPECT_EQ(holidayWeekdays(QStringLiteral(";11/1;"), QDate(2026, 12, 27)), days({}));
}

TEST(Colours, ChannelWiseSumCappedAtFF) {
    EXPECT_EQ(addColours(0, 0xFF8000), 0xFF8000u);
    EXPECT_EQ(addColours(kHolidayRed, 0xFF8000), 0xFF80FFu);
    EXPECT_EQ(addColours(0x808080, 0x909090), 0xFFFFFFu);
    EXPECT_EQ(addColours(0x010203, 0x0A0B0C), 0x0B0D0Fu);
    EXPECT_EQ(colourText(0xFF80FF), QStringLiteral("&HFF80FF"));
    EXPECT_EQ(colourText(0x0000FF), QStringLiteral("&H0000FF"));
}

TEST(Colours, MarkerGivesItsColourAndAMalformedOneShowsRed) {
    const QString list = QStringLiteral(";7/4;H80FF00;7/5;Hzz;7/6;H12;");
    EXPECT_EQ(colourAt(list, list.indexOf(QStringLiteral(";7/4;"))), 0x80FF00u);
    EXPECT_EQ(colourAt(list, list.indexOf(QStringLiteral(";7/5;"))), kHolidayRed);
    EXPECT_EQ(colourAt(list, list.indexOf(QStringLiteral(";7/6;"))), kHolidayRed);
    EXPECT_EQ(colourAt(QStringLiteral(";7/4;"), 0), kHolidayRed);
}

TEST(StripScan, ChristmasFromMondayTheTwentySecond) {
    const auto strip = scanWeek(QStringLiteral(";12/25;"), QDate(2025, 12, 22));
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(strip[std::size_t(i)].underlined, i == 1) << i; // Monday
        EXPECT_EQ(strip[std::size_t(i)].bold, i == 4) << i;       // Thursday
    }
    EXPECT_EQ(strip[4].colour, kHolidayRed);
    EXPECT_EQ(strip[1].colour, 0u);
}

TEST(StripScan, MarkedDayTakesItsColour) {
    const auto strip = scanWeek(QStringLiteral(";7/4;H80FF00;"), QDate(2026, 7, 1));
    EXPECT_TRUE(strip[6].bold); // July 4th 2026 is a Saturday
    EXPECT_EQ(strip[6].colour, 0x80FF00u);
    EXPECT_TRUE(strip[3].underlined); // July 1st, a Wednesday
}

TEST(StripScan, DatedHolidayAndEveryMonthEntryOnOneDaySum) {
    const auto strip = scanWeek(QStringLiteral(";7/4;*/4;HFF8000;"), QDate(2026, 7, 1));
    EXPECT_EQ(colourText(strip[6].colour), QStringLiteral("&HFF80FF"));
}

TEST(StripScan, NewYearAndEveryMonthFirstAcrossTheMonthEnd) {
    const auto newYear = scanWeek(QStringLiteral(";1/1;"), QDate(2026, 12, 28));
    EXPECT_TRUE(newYear[5].bold); // January 1st 2027 is a Friday
    const auto first = scanWeek(QStringLiteral(";*/1;"), QDate(2026, 6, 28));
    EXPECT_TRUE(first[3].bold); // July 1st 2026 is a Wednesday
    EXPECT_EQ(first[3].colour, kHolidayRed);
}

TEST(StripScan, NothingListedNearbyLeavesLettersPlain) {
    for (const char *list : {";", "", ";12/25;", ";*/20;"}) {
        const auto strip = scanWeek(QString::fromLatin1(list), QDate(2026, 7, 1));
        for (const StripLetter &letter : strip) {
            EXPECT_FALSE(letter.bold) << list;
            EXPECT_EQ(letter.colour, 0u) << list;
        }
    }
}

} // namespace
} // namespace vidorev::alarms
