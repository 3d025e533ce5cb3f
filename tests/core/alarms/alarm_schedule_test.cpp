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

// The stored form and the older ones read; a date-time with its offset reads as the local time
// of day it names; garbage is invalid.
TEST(TimeOfDay, StoredAndOlderFormsReadAndGarbageIsInvalid) {
    const test::LocalZone zone("America/New_York");
    QStringList read;
    for (const char *text :
         {"14:30:05", "2:30:00 PM", "12/30/1899 2:30:00 PM", "7:05", "9 AM",
          "2026-11-01T01:30:00-05:00", "2026-11-01T06:30:00Z", "", "noon", "25:00", "14", "7:61"})
        read << parseTimeOfDay(text).toString("HH:mm:ss");
    EXPECT_EQ(read.join(' '),
              "14:30:05 14:30:00 14:30:00 07:05:00 09:00:00 01:30:00 01:30:00     ");
}

} // namespace
} // namespace vidorev::alarms
