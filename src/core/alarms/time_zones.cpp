#include "alarms/time_zones.h"

#include "platform/text_forms.h"

#include <cmath>

namespace vidorev::alarms {

namespace {
struct ZoneName {
    double zone;
    const char *label;
    const char *rules; // the city's time-zone rules, by their IANA name
};
constexpr ZoneName kZoneNames[] = {
    {0, "London (Zone 0)", "Europe/London"},
    {3, "Rio de Janeiro (Zone 3)", "America/Sao_Paulo"},
    {4, "Halifax (Zone 4)", "America/Halifax"},
    {5, "New York (Zone 5)", "America/New_York"},
    {6, "Chicago (Zone 6)", "America/Chicago"},
    {7, "Denver (Zone 7)", "America/Denver"},
    {8, "Los Angeles (Zone 8)", "America/Los_Angeles"},
    {9, "Juneau (Zone 9)", "America/Juneau"},
    {10, "Honolulu (Zone 10)", "Pacific/Honolulu"},
    {11, "Nome (Zone 11)", "America/Nome"},
    {12, "Fiji", "Pacific/Fiji"},
    {-12, "Fiji", "Pacific/Fiji"},
    {-11, "Wake Island (Zone -11)", "Pacific/Wake"},
    {-10, "Canberra (Zone -10)", "Australia/Sydney"},
    {-9, "Vladivostok (Zone -9)", "Asia/Vladivostok"},
    {-8, "Perth (Zone -8)", "Australia/Perth"},
    {-7, "Singapore (Zone -7)", "Asia/Singapore"},
    {-6, "Calcutta (Zone -6)", "Asia/Kolkata"},
    {-5, "New Delhi (Zone -5)", "Asia/Kolkata"},
    {-3, "Baghdad (Zone -3)", "Asia/Baghdad"},
    {-2, "Cairo (Zone -2)", "Africa/Cairo"},
    {-1, "Rome (Zone -1)", "Europe/Rome"},
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

QDateTime wallClock(const QDateTime &at) {
    return QDateTime(at.date(), at.time(), Qt::UTC);
}

QTimeZone zoneRules(double zone) {
    for (const ZoneName &name : kZoneNames)
        if (name.zone == zone) {
            const QTimeZone rules(name.rules);
            if (rules.isValid())
                return rules;
        }
    return QTimeZone(int(-secondsOf(zone)));
}

QDateTime readingIn(const QDateTime &at, double zone) {
    return wallClock(at.toTimeZone(zoneRules(zone)));
}

double systemZone(const QDateTime &now) {
    return -QTimeZone::systemTimeZone().standardTimeOffset(now) / 3600.0;
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
