#include "alarms/time_zones.h"

#include <gtest/gtest.h>

namespace vidorev::alarms {
namespace {

TEST(ZoneBoard, LocalZoneEightShowsItsNeighboursInWindowOrder) {
    const auto zones = boardZones(8);
    const std::array<double, 6> expected{5, 11, 6, 10, 7, 9};
    EXPECT_EQ(zones, expected);
    const char *labels[] = {"New York (Zone 5)",  "Nome (Zone 11)",  "Chicago (Zone 6)",
                            "Honolulu (Zone 10)", "Denver (Zone 7)", "Juneau (Zone 9)"};
    for (std::size_t i = 0; i < zones.size(); ++i)
        EXPECT_EQ(zoneLabel(zones[i]), QString::fromLatin1(labels[i]));
}

TEST(ZoneBoard, WrapsAcrossTheDateLine) {
    EXPECT_EQ(zoneLabel(boardZones(11)[1]), QStringLiteral("Canberra (Zone -10)"));
    const auto zero = boardZones(0);
    EXPECT_EQ(zoneLabel(zero[0]), QStringLiteral("Baghdad (Zone -3)"));
    EXPECT_EQ(zoneLabel(zero[3]), QStringLiteral("Zone 2"));
    EXPECT_EQ(zoneLabel(boardZones(10)[1]), QStringLiteral("Wake Island (Zone -11)"));
}

struct WrapCase {
    double in;
    double out;
};
class WrapZone : public ::testing::TestWithParam<WrapCase> {};
TEST_P(WrapZone, StaysWithinTwelveEitherWay) {
    EXPECT_EQ(wrapZone(GetParam().in), GetParam().out);
}
INSTANTIATE_TEST_SUITE_P(Values, WrapZone,
                         ::testing::Values(WrapCase{12, 12}, WrapCase{-12, -12}, WrapCase{13, -11},
                                           WrapCase{24, 0}, WrapCase{-13, 11}, WrapCase{14, -10},
                                           WrapCase{25, 1}, WrapCase{-25, -1}, WrapCase{5, 5}));

TEST(ZoneLabels, TableAndFallback) {
    EXPECT_EQ(zoneLabel(0), QStringLiteral("London (Zone 0)"));
    EXPECT_EQ(zoneLabel(12), QStringLiteral("Fiji"));
    EXPECT_EQ(zoneLabel(-12), QStringLiteral("Fiji"));
    EXPECT_EQ(zoneLabel(1), QStringLiteral("Zone 1"));
    EXPECT_EQ(zoneLabel(-4), QStringLiteral("Zone -4"));
    EXPECT_EQ(zoneLabel(3.5), QStringLiteral("Zone 3.5"));
    EXPECT_EQ(zoneLabel(5.5), QStringLiteral("Zone 5.5"));
}

TEST(ZoneTimes, GreenwichArithmeticCarriesOverMidnight) {
    const QDateTime local(QDate(2026, 6, 30), QTime(23, 30));
    const QDateTime greenwich = greenwichTime(local, 10);
    EXPECT_EQ(greenwich.date(), QDate(2026, 7, 1));
    EXPECT_EQ(greenwich.time(), QTime(9, 30));
    const auto zones = boardZones(10);
    const QDateTime wake = zoneTime(greenwich, zones[1]);
    EXPECT_EQ(wake.date(), QDate(2026, 7, 1));
    EXPECT_EQ(wake.time(), QTime(20, 30));
    const QDateTime denver = zoneTime(greenwich, zones[0]);
    EXPECT_EQ(denver.date(), QDate(2026, 7, 1));
    EXPECT_EQ(denver.time(), QTime(2, 30));
    // Zone 8 at 10:00 is 18:00 in Greenwich; zone 5 then reads 13:00.
    const QDateTime ten(QDate(2026, 1, 5), QTime(10, 0));
    EXPECT_EQ(greenwichTime(ten, 8).time(), QTime(18, 0));
    EXPECT_EQ(zoneTime(greenwichTime(ten, 8), 5).time(), QTime(13, 0));
}

TEST(ZoneTimes, FractionalZonesMoveByTheirMinutes) {
    const QDateTime greenwich(QDate(2026, 1, 5), QTime(12, 0), Qt::UTC);
    EXPECT_EQ(zoneTime(greenwich, -5.5).time(), QTime(17, 30));
    EXPECT_EQ(zoneTime(greenwich, 3.5).time(), QTime(8, 30));
}

TEST(ZoneText, WindowShowsWeekdayDateAndTime) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QDateTime at(QDate(2026, 7, 1), QTime(20, 30), Qt::UTC);
    EXPECT_EQ(generalDateTime(at, us), QStringLiteral("7/1/2026 8:30:00 PM"));
    EXPECT_EQ(zoneWindowText(at, us), QStringLiteral("Wed 7/1/2026 8:30:00 PM"));
}

} // namespace
} // namespace vidorev::alarms
