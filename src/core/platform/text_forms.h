#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

// The text forms that the Diary, the readouts and the store share.
namespace vidorev::text {

// Time of day in the locale's long form without a zone: "3:45:12 PM" or "15:45:12".
QString diaryTime(const QTime &time, const QLocale &locale = QLocale());
// Month-day-year joined by "-", whatever the locale: "12-04-2026".
QString diaryDate(const QDate &date);
// " @ " + Diary time + " " + Diary date.
QString stamp(const QDateTime &at, const QLocale &locale = QLocale());

// A number as the general form shows it: at most 15 significant digits, no trailing zeros,
// no thousands separators, the locale's decimal point.
QString number(double value, const QLocale &locale = QLocale());
// A number as a user types it: in the locale's form (its decimal comma included), else with a
// "." point; never with group separators, so "1,000" is no number rather than a thousand.
std::optional<double> typedNumber(const QString &text, const QLocale &locale = QLocale());

// Stored date-times are written as ISO 8601 local text with the offset from UTC in force at
// that moment ("2026-11-01T01:30:00-05:00"), so a time in a repeated hour reads back as itself...
QString storedDateTime(const QDateTime &at);
// ...and read, as local time, from ISO 8601 with or without an offset or from the older general
// forms ("12/4/2026 3:45:12 PM"). Returns an invalid QDateTime for anything else.
QDateTime parseStoredDateTime(const QString &text);

// Reads a Diary time of day in 12- or 24-hour form; invalid when it is neither.
QTime parseDiaryTime(const QString &text);

} // namespace vidorev::text
