#include "alarms/time_zones.h"

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

TEST(ZoneTimes, GreenwichArithmeticCarriesOverMidnight) {
    const QDateTime greenwich = greenwichTime(QDateTime(QDate(2026, 6, 30), QTime(23, 30)), 10);
    EXPECT_EQ(greenwich, QDateTime(QDate(2026, 7, 1), QTime(9, 30), Qt::UTC));
    EXPECT_EQ(zoneTime(greenwich, -11), QDateTime(QDate(2026, 7, 1), QTime(20, 30), Qt::UTC));
    EXPECT_EQ(greenwichTime(QDateTime(QDate(2026, 7, 1), QTime(0, 30)), -10),
              QDateTime(QDate(2026, 6, 30), QTime(14, 30), Qt::UTC));
    // A fractional zone moves by its minutes.
    EXPECT_EQ(zoneTime(greenwich, -5.5).time(), QTime(15, 0));
    EXPECT_EQ(zoneTime(greenwich, 3.5).time(), QTime(6, 0));
}

} // namespace
} // namespace vidorev::alarms
