#include "alarms/alarm_schedule.h"

#include <gtest/gtest.h>

namespace vidorev::alarms {
namespace {

struct RepairCase {
    const char *stored;
    const char *expected;
};

class RepairLetters : public ::testing::TestWithParam<RepairCase> {};

TEST_P(RepairLetters, BringsSixToNineLettersToTenAndLeavesOtherLengths) {
    EXPECT_EQ(repairLetters(QString::fromLatin1(GetParam().stored)),
              QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, RepairLetters,
    ::testing::Values(RepairCase{"SMTWTF", "SMTWTFSeeh"}, RepairCase{"smtwtfs", "smtwtfseeh"},
                      RepairCase{"SMTWTFsE", "SMTWTFsEeh"}, RepairCase{"SMTWTFSEE", "SMTWTFSEEh"},
                      RepairCase{"SMTWTFSeeH", "SMTWTFSeeH"}, RepairCase{"SMTWT", "SMTWT"},
                      RepairCase{"", ""}, RepairCase{"SMTWTFSeehX", "SMTWTFSeehX"}));

TEST(ScheduleLetters, OnlyTheUpperCaseLetterOfItsPositionTicks) {
    const QString letters = QStringLiteral("SmTwtFsEeH");
    const bool expected[] = {true, false, true, false, false, true, false, true, false, true};
    for (int p = 0; p < kScheduleLength; ++p)
        EXPECT_EQ(lettersTick(letters, p), expected[p]) << p;
    // "S" where Monday's "M" belongs, "X", and a lower-case letter are all unticked.
    EXPECT_FALSE(lettersTick(QStringLiteral("SS"), kMonday));
    EXPECT_FALSE(lettersTick(QStringLiteral("X"), kSunday));
    // A short value ticks nothing beyond its end.
    EXPECT_FALSE(lettersTick(QStringLiteral("SMT"), kHoliday));
}

TEST(ScheduleLetters, ChangingOnePositionKeepsTheOtherNine) {
    EXPECT_EQ(withPosition(QStringLiteral("SMTWTFSeeh"), kSaturday, false),
              QStringLiteral("SMTWTFseeh"));
    EXPECT_EQ(withPosition(QStringLiteral("SMTWTFSeeh"), kEndOfMonth, true),
              QStringLiteral("SMTWTFSEeh"));
    EXPECT_EQ(withPosition(QStringLiteral("smtwtfseeh"), kHoliday, true),
              QStringLiteral("smtwtfseeH"));
    EXPECT_EQ(withPosition(QStringLiteral("SM"), kWednesday, true), QStringLiteral("SMtW"));
}

TEST(Weekday, CountsFromSunday) {
    EXPECT_EQ(weekdayNumber(QDate(2026, 7, 5)), 1); // Sunday
    EXPECT_EQ(weekdayNumber(QDate(2026, 7, 6)), 2);
    EXPECT_EQ(weekdayNumber(QDate(2026, 7, 4)), 7); // Saturday
}

TEST(MonthEnd, NextScheduledDayIsTheNearestOtherTickedWeekday) {
    const std::array<bool, 7> workdays{false, true, true, true, true, true, false};
    EXPECT_EQ(daysToNextScheduled(workdays, 6, 7), 3); // Friday -> Monday
    EXPECT_EQ(daysToNextScheduled(workdays, 2, 7), 1); // Monday -> Tuesday
    EXPECT_EQ(daysToNextScheduled(workdays, 7, 7), 2); // Saturday -> Monday
    const std::array<bool, 7> fridaysOnly{false, false, false, false, false, true, false};
    EXPECT_EQ(daysToNextScheduled(fridaysOnly, 6, 7), 7); // nothing else ticked: kept
    EXPECT_EQ(daysToNextScheduled(fridaysOnly, 6, 4), 4);
}

TEST(MonthEnd, LastScheduledDayWhenTheNextOneIsInTheNextMonth) {
    // Friday 29 May 2026; the next workday is Monday 1 June.
    EXPECT_TRUE(lastScheduledDayOfMonth(QDate(2026, 5, 29), 3));
    // Thursday the 28th: Friday the 29th is still in May.
    EXPECT_FALSE(lastScheduledDayOfMonth(QDate(2026, 5, 28), 1));
    // The 31st with a next day the 1st.
    EXPECT_TRUE(lastScheduledDayOfMonth(QDate(2026, 12, 31), 1));
    // February in a leap year: the 28th is not the end.
    EXPECT_FALSE(lastScheduledDayOfMonth(QDate(2028, 2, 28), 1));
    EXPECT_TRUE(lastScheduledDayOfMonth(QDate(2028, 2, 29), 1));
}

TEST(MinutesUntil, CountsMinuteBoundariesCrossed) {
    EXPECT_EQ(minutesUntil(QTime(10, 0, 59), QTime(10, 1, 0)), 1);
    EXPECT_EQ(minutesUntil(QTime(7, 59, 30), QTime(8, 0)), 1);
    EXPECT_EQ(minutesUntil(QTime(8, 0, 0), QTime(8, 0)), 0);
    EXPECT_EQ(minutesUntil(QTime(8, 0, 59), QTime(8, 0)), 0);
    EXPECT_EQ(minutesUntil(QTime(9, 30), QTime(8, 0)), -90);
    EXPECT_EQ(minutesUntil(QTime(0, 0), QTime(23, 59, 59)), 1439);
}

TEST(TimeOfDay, StoredFormReadsBackAndOlderFormsRead) {
    const QTime t(14, 30, 5);
    EXPECT_EQ(storedTimeOfDay(t), QStringLiteral("14:30:05"));
    EXPECT_EQ(parseTimeOfDay(storedTimeOfDay(t)), t);
    EXPECT_EQ(parseTimeOfDay(QStringLiteral("2:30:00 PM")), QTime(14, 30));
    EXPECT_EQ(parseTimeOfDay(QStringLiteral("12/30/1899 2:30:00 PM")), QTime(14, 30));
    EXPECT_EQ(parseTimeOfDay(QStringLiteral("7:05")), QTime(7, 5));
    EXPECT_EQ(parseTimeOfDay(QStringLiteral("9 AM")), QTime(9, 0));
    for (const char *bad : {"", "noon", "25:00", "14", "7:61"})
        EXPECT_FALSE(parseTimeOfDay(QString::fromLatin1(bad)).isValid()) << bad;
}

} // namespace
} // namespace vidorev::alarms
