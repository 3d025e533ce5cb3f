#pragma once

#include <QDate>
#include <QString>

#include <array>

// The holiday list: ";" + month "/" day ";" ..., no years, "*" for every month, and an optional
// colour marker "H" + six hex digits (blue, green, red) + ";" right after a date. A date without a
// marker is a holiday; a date with one is only shown in its colour.
namespace vidorev::alarms {

// ";" + month + "/", where month 13 is January again.
QString monthPrefix(int month);

// The token that names the date k days after today, using this month's prefix or, once the day
// of the month has wrapped, the next month's.
QString weekToken(const QDate &today, int k);
// The token for that day of every month: ";*/" + day + ";".
QString everyMonthToken(int day);

// Whether the date found at position (of the token's opening ";") carries a colour marker.
bool markedAt(const QString &list, qsizetype position);

// Weekdays (index 0 = Sunday) that fall on a holiday in the coming week, today included.
// "*" entries and marked dates are not holidays.
std::array<bool, 7> holidayWeekdays(const QString &list, const QDate &today);

// A colour as the list spells it: 0xBBGGRR.
using BgrColour = quint32;
inline constexpr BgrColour kHolidayRed = 0x0000FF;

// The colour of the date found at position: red for a holiday, the marker's colour for a marked
// day. A marker that is not six hexadecimal digits shows as a holiday would.
BgrColour colourAt(const QString &list, qsizetype position);

// Adds two colours channel by channel, each channel capped at 0xFF.
BgrColour addColours(BgrColour a, BgrColour b);

// "&H" + six upper-case hex digits.
QString colourText(BgrColour colour);

struct StripLetter {
    bool underlined = false;
    bool bold = false;
    BgrColour colour = 0; // black
    bool operator==(const StripLetter &) const = default;
};

// The holiday strip for the week starting today: today's letter underlined, every weekday that
// falls on a listed date (dated or "*") bold in the sum of the colours found for it.
std::array<StripLetter, 7> scanWeek(const QString &list, const QDate &today);

} // namespace vidorev::alarms
