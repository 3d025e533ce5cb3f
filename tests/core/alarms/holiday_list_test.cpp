#include "alarms/holiday_list.h"

#include "test_env.h"

namespace vidorev::alarms {
namespace {

// A holiday of the coming week, Sunday first, as the alarms read it: unmarked dates only; and
// the strip as it shows the week: "_" under today, "*" for a listed day in its colour (a
// holiday red, a marked day in its marker's colour, one day's colours summed channel by channel
// and capped, a malformed marker red).
TEST(HolidayList, TheWeeksHolidaysAndItsStrip) {
    const std::tuple<const char *, QDate, const char *, const char *> cases[] = {
        {";1/1;7/4;12/25;", QDate(2026, 6, 28), "0000001", "_.....*0000FF"},
        {";7/4;", QDate(2026, 6, 26), "0000000", "....._."},        // eight days ahead
        {";1/1;", QDate(2026, 12, 27), "0000010", "_....*0000FF."}, // into the next year
        {";11/1;", QDate(2026, 12, 27), "0000000", "_......"},      // ";1/1;" not in ";11/1;"
        {";7/4;*/4;HFF8000;", QDate(2026, 7, 1), "0000001", "..._..*FF80FF"}, // */4 marked: shown
        {";7/3;Hzz;7/4;", QDate(2026, 7, 3), "0000001", "....._*0000FF*0000FF"},
        {";*/1;", QDate(2026, 6, 28), "0000000", "_..*0000FF..."}};
    for (const auto &[list, today, holidays, strip] : cases) {
        QString days, shown;
        const auto letters = scanWeek(list, today);
        for (int i = 0; i < 7; ++i) {
            days += holidayWeekdays(list, today)[std::size_t(i)] ? '1' : '0';
            const StripLetter &l = letters[std::size_t(i)];
            shown += (l.underlined ? "_" : "") +
                     QString(l.bold ? "*" + colourText(l.colour).mid(2) : "");
            if (!l.underlined && !l.bold)
                shown += '.';
        }
        EXPECT_EQ(days + ' ' + shown, QString(holidays) + ' ' + strip) << list;
    }
    EXPECT_EQ(addColours(0x808080, 0x909090), 0xFFFFFFu);
    EXPECT_EQ(scanWeek(";", QDate(2026, 7, 1))[0], StripLetter{});
}

} // namespace
} // namespace vidorev::alarms
