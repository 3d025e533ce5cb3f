#include "alarms/holiday_list.h"

#include "test_env.h"

namespace vidorev::alarms {
namespace {

TEST(HolidayList, HolidaysOfTheComingWeekAreUnmarkedDatesOnly) {
    const struct {
        const char *list;
        QDate today;
        int weekday; // Sunday = 0; -1 for none
    } cases[] = {
        {";1/1;7/4;12/25;", QDate(2026, 6, 28), 6},
        {";7/4;", QDate(2026, 6, 26), -1},           // eight days ahead
        {";1/1;", QDate(2026, 12, 27), 5},           // into January of the next year
        {";11/1;", QDate(2026, 12, 27), -1},         // ";1/1;" is not inside ";11/1;"
        {";7/4;HFF8000;", QDate(2026, 7, 4), -1},    // marked: shown only
        {";*/4;", QDate(2026, 7, 4), -1},            // every month: shown only
        {";7/3;H80FF00;7/4;", QDate(2026, 7, 3), 6}, // found through a marker's ";"
    };
    for (const auto &c : cases) {
        std::array<bool, 7> expected{};
        if (c.weekday >= 0)
            expected[std::size_t(c.weekday)] = true;
        EXPECT_EQ(holidayWeekdays(c.list, c.today), expected) << c.list;
    }
}

// The strip underlines today and colours the week's listed days: a holiday red, a marked day in
// its marker's colour, the colours of one day summed channel by channel and capped; a malformed
// marker shows red.
TEST(HolidayList, StripUnderlinesTodayAndColoursListedDaysOfTheWeek) {
    EXPECT_EQ(addColours(0x808080, 0x909090), 0xFFFFFFu);
    EXPECT_EQ(colourText(0x0000FF), "&H0000FF");
    const struct {
        const char *list;
        QDate today;
        int bold; // Sunday = 0; -1 for none
        BgrColour colour;
    } cases[] = {{";12/25;", QDate(2025, 12, 22), 4, kHolidayRed}, // Monday; Christmas on Thursday
                 {";7/4;*/4;HFF8000;", QDate(2026, 7, 1), 6, 0xFF80FF},
                 {";7/4;Hzz;", QDate(2026, 7, 1), 6, kHolidayRed},
                 {";*/1;", QDate(2026, 6, 28), 3, kHolidayRed},
                 {";*/20;", QDate(2026, 7, 1), -1, 0}};
    for (const auto &c : cases) {
        const auto strip = scanWeek(c.list, c.today);
        const int today = c.today.dayOfWeek() % 7;
        for (int i = 0; i < 7; ++i) {
            const StripLetter expected{i == today, i == c.bold, i == c.bold ? c.colour : 0};
            EXPECT_EQ(strip[std::size_t(i)], expected) << c.list << " day " << i;
        }
    }
}

} // namespace
} // namespace vidorev::alarms
