#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <array>

// An alarm's day-of-week schedule: ten letters, one per check box, upper case when ticked.
namespace vidorev::alarms {

inline constexpr int kScheduleLength = 10;
enum SchedulePosition {
    kSunday = 0,
    kMonday,
    kTuesday,
    kWednesday,
    kThursday,
    kFriday,
    kSaturday,
    kEndOfMonth, // sound only on the last scheduled day of the month
    kNotEnd,     // sound on every scheduled day but the last of the month
    kHoliday,    // keep sounding on holidays
};

// The letter a position holds when its box is ticked ("S", "M", .. "E", "E", "H").
QChar tickedLetter(int position);
QChar untickedLetter(int position);

// Whether the letters tick the box at position: only the upper-case letter of that position does.
bool lettersTick(const QString &letters, int position);
// The letters with one position set to its ticked or unticked letter; a short value is padded
// with unticked letters first so the position exists.
QString withPosition(const QString &letters, int position, bool ticked);

// An older value of 6 to 9 letters gains "S", "e", "e", "h" in turn until it has ten; any other
// length is kept as it is.
QString repairLetters(const QString &stored);

// 1 = Sunday .. 7 = Saturday.
int weekdayNumber(const QDate &date);

// Days from weekday w to the nearest other ticked weekday (1..6); keeps `fallback` when no
// other weekday is ticked.
int daysToNextScheduled(const std::array<bool, 7> &weekdays, int weekday, int fallback);

// Today is the last scheduled day of its month when the next scheduled day falls in the next
// month, that is when its day of the month is not greater than the days to it.
bool lastScheduledDayOfMonth(const QDate &today, int daysToNext);

// Minutes from one time of day to another, counted as minute boundaries crossed:
// 10:00:59 -> 10:01:00 is 1; a time already passed gives zero or less.
int minutesUntil(const QTime &from, const QTime &to);

// Stored alarm times are ISO 8601 times of day ("14:30:00"); older general forms ("2:30:00 PM",
// "12/30/1899 2:30:00 PM") read as well. Invalid text reads as an invalid time.
QString storedTimeOfDay(const QTime &time);
QTime parseTimeOfDay(const QString &text);

} // namespace vidorev::alarms
