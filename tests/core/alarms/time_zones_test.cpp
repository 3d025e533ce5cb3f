#include "alarms/time_zones.h"
#include "local_zone.h"

#include "test_env.h"

namespace vidorev::alarms {
namespace {

TEST(ZoneBoard, WindowsAlternateWestAndEastOutwardWrappingAcrossTheDateLine) {
    EXPECT_EQ(boardZones(8), (std::array<double, 6>{5, 11, 6, 10, 7, 9}));
    EXPECT_EQ(zoneLabel(boardZones(11)[1]), QStringLiteral("Canberra (Zone -10)"));
    const std::pair<double, double> wraps[] = {{12, 12},  {-12, -12}, {13, -11}, {24, 0}, {-13, 11},
                                               {14, -10}, {25, 1},    {-25, -1}, {5, 5}};
    for (const auto &[in, out] : wraps)
        EXPECT_EQ(wrapZone(in), out) << in;
    // Both ends of the range are Fiji; a zone without a city shows its number.
    EXPECT_EQ(QStringList({zoneLabel(12), zoneLabel(-12), zoneLabel(-4), zoneLabel(3.5)}).join('|'),
              "Fiji|Fiji|Zone -4|Zone 3.5");
}

TEST(ZoneTimes, EachCityShowsItsRealTimeSummerIncluded) {
    const auto utc = [](int month, int hour) {
        return QDateTime(QDate(2026, month, 6), QTime(hour, 44), Qt::UTC);
    };
    const struct {
        QDateTime at;
        double zone;
        QDateTime shown;
    } cases[] = {
        {utc(7, 0), 5, QDateTime(QDate(2026, 7, 5), QTime(20, 44), Qt::UTC)},   // New York, EDT
        {utc(1, 0), 5, QDateTime(QDate(2026, 1, 5), QTime(19, 44), Qt::UTC)},   // and EST
        {utc(7, 12), -1, QDateTime(QDate(2026, 7, 6), QTime(14, 44), Qt::UTC)}, // Rome, CEST
        {utc(7, 12), -5, QDateTime(QDate(2026, 7, 6), QTime(18, 14), Qt::UTC)}, // New Delhi
        {utc(7, 12), -4, QDateTime(QDate(2026, 7, 6), QTime(16, 44), Qt::UTC)}, // no city
        {utc(7, 12), 3.5, QDateTime(QDate(2026, 7, 6), QTime(9, 14), Qt::UTC)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(readingIn(c.at, c.zone), c.shown)
            << c.zone << " " << c.at.toString().toStdString();
    // The same instant, whatever zone it is given in.
    EXPECT_EQ(readingIn(utc(7, 0).toTimeZone(QTimeZone("Asia/Tokyo")), 5), cases[0].shown);
    // Unset, the board centres on the system's standard offset, not on its summer one.
    test::LocalZone newYork("America/New_York");
    EXPECT_EQ(systemZone(utc(7, 0)), 5);
    EXPECT_EQ(systemZone(utc(1, 0)), 5);
}

} // namespace
} // namespace vidorev::alarms
