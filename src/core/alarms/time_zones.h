#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTimeZone>

#include <array>

// The time-zone board. Zones are numbered in hours positive west of Greenwich (zone 5 is New
// York, zone -1 Rome); the number chooses the windows, and each window shows the real time of
// its city under the system's time-zone rules, summer time included.
namespace vidorev::alarms {

// The window label of zone z: a large city of that zone, or "Zone " + z.
QString zoneLabel(double zone);

// Brings a zone number back into -12 .. 12 (12 and -12 both stay: both are Fiji).
double wrapZone(double zone);

// The six windows around the local zone, in window order: 3 west, 3 east, 2 west, 2 east,
// 1 west, 1 east... as zone numbers, wrapped.
std::array<double, 6> boardZones(double localZone);

// A wall-clock reading as a date-time with no zone of its own (marked Qt::UTC only for that),
// so formatting it never meets another zone's rules.
QDateTime wallClock(const QDateTime &at);
// The rules of a zone's window: its city's own, where the system knows them, else the plain
// offset of the zone number.
QTimeZone zoneRules(double zone);
// The wall-clock reading in a zone's window at the instant at.
QDateTime readingIn(const QDateTime &at, double zone);
// The zone number of the system's standard (winter) offset at now: the board's zone when none
// is stored.
double systemZone(const QDateTime &now);

// The platform's general date-time text ("7/1/2026 8:30:00 PM"): the locale's short date with
// a four-digit year, then its long time of day.
QString generalDateTime(const QDateTime &at, const QLocale &locale = QLocale());
// A zone window's text: the weekday first, so a call abroad on another day is plain at a glance.
QString zoneWindowText(const QDateTime &at, const QLocale &locale = QLocale());

} // namespace vidorev::alarms
