#include "diary_log/week_hours.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace vidorev::diary;

TEST(IsoWeek, NamesTheMondayThatStartsIt) {
    EXPECT_EQ(mondayOfIsoWeek(QStringLiteral("2026-W49")), QDate(2026, 11, 30));
    // Week 1 holds January 4th, so it may start in the year before.
    EXPECT_EQ(mondayOfIsoWeek(QStringLiteral("2026-W01")), QDate(2025, 12, 29));
    EXPECT_EQ(mondayOfIsoWeek(QStringLiteral("2020-W53")), QDate(2020, 12, 28));
    for (const char *bad : {"2021-W53", "2026-W00", "2026-49", "W49", ""})
        EXPECT_FALSE(mondayOfIsoWeek(QString::fromLatin1(bad)).isValid()) << bad;
    EXPECT_EQ(isoWeekText(QDate(2027, 1, 1)), QStringLiteral("2026-W53"));
    EXPECT_EQ(isoWeekText(QDate(2026, 12, 6)), QStringLiteral("2026-W49"));
}

TEST(WeekHours, AChartKeepsTheBusiestJobsAndSumsTheRest) {
    WeekHours week;
    week.jobs = {{"a", {60}}, {"b", {0, 300}}, {"c", {30, 30}}, {"d", {0, 0, 120}}};
    const QList<WeekHours::Job> shown = week.charted(3);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0].code, "b");
    EXPECT_EQ(shown[1].code, "d");
    EXPECT_EQ(shown[2].code, "2 other jobs");
    EXPECT_EQ(shown[2].minutes, (std::array<qint64, 7>{90, 30}));
    EXPECT_EQ(week.charted(4).size(), 4);
}

// The hours axis steps by 1, 2 or 5 x 10^n hours, at most five steps that reach the tallest bar,
// and its labels carry the step's decimals: a light week reads 0, 0.1 .. 0.4, never 0, 0, 1.
TEST(WeekHours, TheHoursAxisHasDistinctLabelsThatReachTheTallestBar) {
    const std::pair<qint64, const char *> cases[] = {
        {0, "0.0 0.2 0.4 0.6 0.8 1.0"}, {1, "0.00 0.01 0.02"}, {24, "0.0 0.1 0.2 0.3 0.4"},
        {100, "0.0 0.5 1.0 1.5 2.0"},   {180, "0 1 2 3"},      {510, "0 2 4 6 8 10"}};
    for (const auto &[minutes, labels] : cases)
        EXPECT_EQ(hoursAxis(minutes).labels().join(' '), labels) << minutes;
    for (qint64 minutes = 1; minutes < 6000; minutes += 7) {
        const HoursAxis axis = hoursAxis(minutes);
        const QStringList shown = axis.labels();
        EXPECT_EQ(QSet<QString>(shown.begin(), shown.end()).size(), shown.size()) << minutes;
        EXPECT_TRUE(axis.steps <= 5 && axis.top() * 60 >= double(minutes)) << minutes;
    }
}
