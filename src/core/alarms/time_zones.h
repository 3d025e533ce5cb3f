#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>

// The time-zone board's arithmetic. Zones are whole hours counted positive west of Greenwich
// (zone 5 is New York, zone -1 Rome); no daylight saving anywhere.
namespace vidorev::alarms {

// The window label of zone z: a large city of that zone, or "Zone " + z.
QString zoneLabel(double zone);

// Brings a zone number back into -12 .. 12 (12 and -12 both stay: both are Fiji).
double wrapZone(double zone);

// The six windows around the local zone, in window order: 3 west, 3 east, 2 west, 2 east,
// 1 west, 1 east... as zone numbers, wrapped.
std::array<double, 6> boardZones(double localZone);

// Date-times here are wall-clock readings with no zone of their own, so that adding hours
// never meets a daylight-saving gap; they are marked Qt::UTC only for that reason.
QDateTime wallClock(const QDateTime &local);
// Greenwich time of a local reading in the given zone (zone 8 at 10:00 gives 18:00).
QDateTime greenwichTime(const QDateTime &local, double localZone);
// The reading in a zone at a Greenwich time; a fractional zone moves by its minutes.
QDateTime zoneTime(const QDateTime &greenwich, double zone);

// The platform's general date-time text ("7/1/2026 8:30:00 PM"): the locale's short date with
// a four-digit year, then its long time of day.
QString generalDateTime(const QDateTime &at, const QLocale &locale = QLocale());
// A zone window's text: the weekday first, so a call abroad on another day is plain at a glance.
QString zoneWindowText(const QDateTime &at, const QLocale &locale = QLocale());

} // namespace vidorev::alarms
