#include "alarms/time_zones.h"

#include "platform/text_forms.h"

#include <cmath>

namespace vidorev::alarms {

namespace {
struct ZoneName {
    double zone;
    const char *label;
};
constexpr ZoneName kZoneNames[] = {
    {0, "London (Zone 0)"},
    {3, "Rio de Janeiro (Zone 3)"},
    {4, "Halifax (Zone 4)"},
    {5, "New York (Zone 5)"},
    {6, "Chicago (Zone 6)"},
    {7, "Denver (Zone 7)"},
    {8, "Los Angeles (Zone 8)"},
    {9, "Juneau (Zone 9)"},
    {10, "Honolulu (Zone 10)"},
    {11, "Nome (Zone 11)"},
    {12, "Fiji"},
    {-12, "Fiji"},
    {-11, "Wake Island (Zone -11)"},
    {-10, "Canberra (Zone -10)"},
    {-9, "Vladivostok (Zone -9)"},
    {-8, "Perth (Zone -8)"},
    {-7, "Singapore (Zone -7)"},
    {-6, "Calcutta (Zone -6)"},
    {-5, "New Delhi (Zone -5)"},
    {-3, "Baghdad (Zone -3)"},
    {-2, "Cairo (Zone -2)"},
    {-1, "Rome (Zone -1)"},
};
constexpr double kBoardSteps[6] = {-3, 3, -2, 2, -1, 1};

qint64 secondsOf(double hours) {
    return std::llround(hours * 3600.0);
}
} // namespace

QString zoneLabel(double zone) {
    for (const ZoneName &name : kZoneNames)
        if (name.zone == zone)
            return QString::fromLatin1(name.label);
    return QStringLiteral("Zone ") + text::number(zone);
}

double wrapZone(double zone) {
    if (zone > 24)
        zone -= 24;
    if (zone < -24)
        zone += 24;
    if (zone > 12)
        zone -= 24;
    if (zone < -12)
        zone += 24;
    return zone;
}

std::array<double, 6> boardZones(double localZone) {
    std::array<double, 6> zones{};
    for (std::size_t i = 0; i < zones.size(); ++i)
        zones[i] = wrapZone(localZone + kBoardSteps[i]);
    return zones;
}

QDateTime wallClock(const QDateTime &local) {
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

QDateTime greenwichTime(const QDateTime &local, double localZone) {
    return wallClock(local).addSecs(secondsOf(localZone));
}

QDateTime zoneTime(const QDateTime &greenwich, double zone) {
    return wallClock(greenwich).addSecs(-secondsOf(zone));
}

QString generalDateTime(const QDateTime &at, const QLocale &locale) {
    QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QLatin1String("yyyy")))
        dateFormat.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return locale.toString(at.date(), dateFormat) + u' ' + text::diaryTime(at.time(), locale);
}

QString zoneWindowText(const QDateTime &at, const QLocale &locale) {
    return locale.toString(at.date(), QStringLiteral("ddd")) + u' ' + generalDateTime(at, locale);
}

} // namespace vidorev::alarms
