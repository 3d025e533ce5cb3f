#include "alarms/holiday_list.h"

#include "alarms/alarm_schedule.h"

#include <algorithm>

namespace vidorev::alarms {

namespace {
constexpr QChar kSeparator = u';';
constexpr QChar kMarker = u'H';
constexpr int kMarkerDigits = 6;

// Weekday index (0 = Sunday) of the date k days after today.
int weekdayIndex(const QDate &today, int k) {
    return (weekdayNumber(today) - 1 + k) % 7;
}

// Start of the marker after the token opening at position, or -1.
qsizetype markerStart(const QString &list, qsizetype position) {
    const qsizetype close = list.indexOf(kSeparator, position + 1);
    if (close < 0 || close + 1 >= list.size())
        return -1;
    return list.at(close + 1) == kMarker ? close + 1 : -1;
}
} // namespace

QString monthPrefix(int month) {
    return u';' + QString::number(month == 13 ? 1 : month) + u'/';
}

QString weekToken(const QDate &today, int k) {
    const int day = today.addDays(k).day();
    const int month = day < today.day() ? today.month() + 1 : today.month();
    return monthPrefix(month) + QString::number(day) + kSeparator;
}

QString everyMonthToken(int day) {
    return QStringLiteral(";*/") + QString::number(day) + kSeparator;
}

bool markedAt(const QString &list, qsizetype position) {
    return markerStart(list, position) >= 0;
}

std::array<bool, 7> holidayWeekdays(const QString &list, const QDate &today) {
    std::array<bool, 7> holidays{};
    for (int k = 0; k < 7; ++k) {
        const qsizetype at = list.indexOf(weekToken(today, k));
        if (at >= 0 && !markedAt(list, at))
            holidays[std::size_t(weekdayIndex(today, k))] = true;
    }
    return holidays;
}

BgrColour colourAt(const QString &list, qsizetype position) {
    const qsizetype marker = markerStart(list, position);
    if (marker < 0)
        return kHolidayRed;
    const QString digits = list.mid(marker + 1, kMarkerDigits);
    bool ok = digits.size() == kMarkerDigits;
    for (const QChar c : digits)
        ok = ok && (c.isDigit() || (c.toUpper() >= u'A' && c.toUpper() <= u'F'));
    return ok ? BgrColour(digits.toUInt(nullptr, 16)) : kHolidayRed;
}

BgrColour addColours(BgrColour a, BgrColour b) {
    BgrColour sum = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const BgrColour channel =
            std::min<BgrColour>(((a >> shift) & 0xFF) + ((b >> shift) & 0xFF), 0xFF);
        sum |= channel << shift;
    }
    return sum;
}

QString colourText(BgrColour colour) {
    return QStringLiteral("&H") + QString::number(colour, 16).toUpper().rightJustified(6, u'0');
}

std::array<StripLetter, 7> scanWeek(const QString &list, const QDate &today) {
    std::array<StripLetter, 7> letters{};
    letters[std::size_t(weekdayIndex(today, 0))].underlined = true;
    const auto mark = [&](int k, qsizetype at) {
        StripLetter &letter = letters[std::size_t(weekdayIndex(today, k))];
        letter.bold = true;
        letter.colour = addColours(letter.colour, colourAt(list, at));
    };
    for (int k = 0; k < 7; ++k) {
        if (const qsizetype at = list.indexOf(weekToken(today, k)); at >= 0)
            mark(k, at);
        const int day = today.addDays(k).day();
        if (const qsizetype at = list.indexOf(everyMonthToken(day)); at >= 0)
            mark(k, at);
    }
    return letters;
}

} // namespace vidorev::alarms
