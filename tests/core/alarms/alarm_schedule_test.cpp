#include "alarms/alarm_schedule.h"
#include "local_zone.h"

#include "test_env.h"

namespace vidorev::alarms {
namespace {

TEST(ScheduleLetters, RepairPadsSixToNineLettersToTenAndTicksOnlyEachPositionsOwnLetter) {
    EXPECT_EQ(repairLetters(QStringLiteral("smtwtfs")), QStringLiteral("smtwtfseeh"));
    EXPECT_EQ(repairLetters(QStringLiteral("SMTWTFsE")), QStringLiteral("SMTWTFsEeh"));
    for (const char *kept : {"SMTWT", "SMTWTFSeehX"})
        EXPECT_EQ(repairLetters(QString::fromLatin1(kept)), QString::fromLatin1(kept));
    EXPECT_FALSE(lettersTick(QStringLiteral("SS"), kMonday));   // another day's letter
    EXPECT_FALSE(lettersTick(QStringLiteral("SMT"), kHoliday)); // beyond a short value
    EXPECT_TRUE(lettersTick(QStringLiteral("SMTWTFSeeH"), kHoliday));
    EXPECT_EQ(withPosition(QStringLiteral("SM"), kWednesday, true), QStringLiteral("SMtW"));
}

TEST(TimeOfDay, StoredAndOlderFormsReadAndGarbageIsInvalid) {
    EXPECT_EQ(parseTimeOfDay(QStringLiteral("14:30:05")), QTime(14, 30, 5));
    for (const char *pm : {"2:30:00 PM", "12/30/1899 2:30:00 PM", "14:30"})
        EXPECT_EQ(parseTimeOfDay(QString::fromLatin1(pm)), QTime(14, 30)) << pm;
    EXPECT_EQ(parseTimeOfDay(QStringLiteral("7:05")), QTime(7, 5));
    EXPECT_EQ(parseTimeOfDay(QStringLiteral("9 AM")), QTime(9, 0));
    // A date-time with its offset reads as the local time of day it names.
    const test::LocalZone zone("America/New_York");
    for (const char *at : {"2026-11-01T01:30:00-05:00", "2026-11-01T06:30:00Z"})
        EXPECT_EQ(parseTimeOfDay(QString::fromLatin1(at)), QTime(1, 30)) << at;
    for (const char *bad : {"", "noon", "25:00", "14", "7:61"})
        EXPECT_FALSE(parseTimeOfDay(QString::fromLatin1(bad)).isValid()) << bad;
}

} // namespace
} // namespace vidorev::alarms
