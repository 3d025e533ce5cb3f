#include "alarm_fixture.h"

#include "alarms/alarm_schedule.h"

namespace vidorev::test {
namespace {

using Ring = AlarmTimer::Ring;

class AlarmTimerTest : public AlarmFixture {
protected:
    // Loads alarm 1 and runs the batch tick that follows every load, as the bank does.
    AlarmTimer::TickResult loadAndBatchTick() {
        timer.load(keys::alarmSection(1));
        const auto result = timer.tick(now());
        timer.setBatch(false);
        return result;
    }
    AlarmTimer::TickResult tickAt(const QTime &time) {
        env.clock().set(QDateTime(now().date(), time));
        return timer.tick(now());
    }

    AlarmTimer timer{env.services()};
};

TEST_F(AlarmTimerTest, CountsDownThenRingsOnceAtTheFirstTickOfItsMinute) {
    setAlarm(1, QTime(8, 0));
    putAdmin(keys::kPing + QStringLiteral("AllDT1"), QStringLiteral("/sounds/bell.wav"));
    at(QDate(2026, 7, 7), QTime(7, 59, 29));
    loadAndBatchTick();
    EXPECT_EQ(tickAt(QTime(7, 59, 30)).ring, Ring::None);
    EXPECT_EQ(timer.readout(), QStringLiteral("1"));
    EXPECT_TRUE(timer.on());

    const auto rang = tickAt(QTime(8, 0, 0));
    EXPECT_EQ(rang.ring, Ring::Sound);
    EXPECT_TRUE(rang.switchedOff);
    EXPECT_FALSE(timer.on());
    EXPECT_EQ(onValue(1), QStringLiteral("0"));
    EXPECT_EQ(env.sound().played, QStringList{QStringLiteral("/sounds/bell.wav")});
    EXPECT_EQ(timer.readout(), QStringLiteral("0"));

    EXPECT_EQ(tickAt(QTime(8, 0, 1)).ring, Ring::None);
    EXPECT_EQ(timer.readout(), QStringLiteral(" "));
    EXPECT_EQ(env.sound().played.size(), 1);
}

TEST_F(AlarmTimerTest, ScheduleExcludesSaturday) {
    setAlarm(1, QTime(8, 0), QStringLiteral("sMTWTFseeh"));
    at(QDate(2026, 7, 4), QTime(6, 0)); // Saturday
    const auto result = loadAndBatchTick();
    EXPECT_TRUE(result.switchedOff);
    EXPECT_EQ(result.ring, Ring::None);
    EXPECT_FALSE(timer.on());
    EXPECT_EQ(onValue(1), QStringLiteral("0"));
    EXPECT_EQ(timer.readout(), QStringLiteral("120")); // the tick still counts down
}

struct MonthEndCase {
    const char *name;
    QDate today;
    const char *days;
    bool staysOn;
};

class MonthEnd : public AlarmTimerTest, public ::testing::WithParamInterface<MonthEndCase> {};

TEST_P(MonthEnd, SwitchesOffOnTheWrongSideOfTheMonthEnd) {
    setAlarm(1, QTime(17, 0), QString::fromLatin1(GetParam().days));
    at(GetParam().today, QTime(9, 0));
    loadAndBatchTick();
    EXPECT_EQ(timer.on(), GetParam().staysOn);
    EXPECT_EQ(onValue(1), GetParam().staysOn ? QStringLiteral("1") : QStringLiteral("0"));
}

INSTANTIATE_TEST_SUITE_P(
    Days, MonthEnd,
    ::testing::Values(
        // 29 May 2026 is a Friday of a 31-day month: the next workday is 1 June.
        MonthEndCase{"EomOnLastFriday", QDate(2026, 5, 29), "sMTWTFsEeh", true},
        MonthEndCase{"EomOnThursday", QDate(2026, 5, 28), "sMTWTFsEeh", false},
        MonthEndCase{"NotEndOnLastFriday", QDate(2026, 5, 29), "sMTWTFseEh", false},
        MonthEndCase{"NotEndOnThursday", QDate(2026, 5, 28), "sMTWTFseEh", true},
        // The 31st itself, a Monday, is the last workday.
        MonthEndCase{"EomOnThe31st", QDate(2025, 3, 31), "sMTWTFsEeh", true},
        // Only Fridays ticked: 7 days on from Friday 24 July is still July.
        MonthEndCase{"EomFridaysOnly", QDate(2026, 7, 24), "smtwtFsEeh", false},
        MonthEndCase{"EomLastFridayOnly", QDate(2026, 7, 31), "smtwtFsEeh", true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(AlarmTimerTest, MonthEndRuleIsEvaluatedOnlyOnceAfterALoad) {
    setAlarm(1, QTime(17, 0), QStringLiteral("sMTWTFsEeh"));
    at(QDate(2026, 5, 29), QTime(9, 0)); // last workday: stays on
    loadAndBatchTick();
    ASSERT_TRUE(timer.on());
    // Days pass without a reload: the rule is not looked at again until the next load.
    at(QDate(2026, 6, 2), QTime(9, 0));
    timer.tick(now());
    EXPECT_TRUE(timer.on());
}

struct HolidayCase {
    const char *name;
    const char *list;
    const char *days;
    bool staysOn;
};

class Holidays : public AlarmTimerTest, public ::testing::WithParamInterface<HolidayCase> {};

TEST_P(Holidays, ListedDaySwitchesTheAlarmOffUnlessAllowedOrOnlyMarked) {
    putAdmin(keys::kHolidays, QString::fromLatin1(GetParam().list));
    setAlarm(1, QTime(17, 0), QString::fromLatin1(GetParam().days));
    at(QDate(2026, 7, 4), QTime(9, 0));
    loadAndBatchTick();
    EXPECT_EQ(timer.on(), GetParam().staysOn);
    // The holiday unticks the box for this week only; the stored schedule is unchanged.
    EXPECT_EQ(get(keys::alarmSection(1), keys::kDays), QString::fromLatin1(GetParam().days));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Holidays,
    ::testing::Values(HolidayCase{"Holiday", ";7/4;", "SMTWTFSeeh", false},
                      HolidayCase{"HolidayAllowed", ";7/4;", "SMTWTFSeeH", true},
                      HolidayCase{"Marked", ";7/4;HFF8000;", "SMTWTFSeeh", true},
                      HolidayCase{"MarkedAllowed", ";7/4;HFF8000;", "SMTWTFSeeH", true},
                      HolidayCase{"EveryMonth", ";*/4;", "SMTWTFSeeh", true},
                      HolidayCase{"OtherDay", ";7/3;12/25;", "SMTWTFSeeh", true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(AlarmTimerTest, HolidayPassLooksIntoTheNextMonth) {
    putAdmin(keys::kHolidays, QStringLiteral(";1/1;"));
    setAlarm(1, QTime(17, 0));
    at(QDate(2026, 12, 27), QTime(9, 0)); // Sunday; New Year's Day is a Friday
    timer.load(keys::alarmSection(1));
    EXPECT_FALSE(timer.dayTicked(alarms::kFriday));
    EXPECT_TRUE(timer.dayTicked(alarms::kThursday));
    EXPECT_EQ(timer.letters(), keys::kDefaultDays);
}

TEST_F(AlarmTimerTest, ShortScheduleIsRepairedAndWrittenBack) {
    setAlarm(1, QTime(17, 0), QStringLiteral("SMTWTF"));
    at(QDate(2026, 7, 4), QTime(9, 0)); // Saturday, ticked by the repair
    timer.load(keys::alarmSection(1));
    EXPECT_EQ(get(keys::alarmSection(1), keys::kDays), QStringLiteral("SMTWTFSeeh"));
    EXPECT_TRUE(timer.dayTicked(alarms::kSaturday));
}

TEST_F(AlarmTimerTest, DueAlarmInTheBatchTickSwitchesOffSilently) {
    setAlarm(1, QTime(8, 0));
    putAdmin(keys::kPing, QStringLiteral("/sounds/any.wav"));
    at(QDate(2026, 7, 7), QTime(9, 0));
    timer.load(keys::alarmSection(1));
    const auto result = timer.tick(now());
    EXPECT_EQ(result.ring, Ring::Quiet);
    EXPECT_TRUE(result.switchedOff);
    EXPECT_EQ(onValue(1), QStringLiteral("0"));
    EXPECT_TRUE(env.sound().played.isEmpty());
}

TEST_F(AlarmTimerTest, AlarmComingDueJustAfterAReloadStillSounds) {
    setAlarm(1, QTime(8, 0));
    putAdmin(keys::kPing, QStringLiteral("/sounds/any.wav"));
    at(QDate(2026, 7, 7), QTime(7, 59, 59, 600));
    timer.load(keys::alarmSection(1));
    EXPECT_EQ(tickAt(QTime(8, 0, 0)).ring, Ring::Sound);
    EXPECT_EQ(env.sound().played.size(), 1);
}

struct SoundCase {
    const char *name;
    const char *slotWave;     // "Ping" + sound section
    const char *fallbackWave; // "Ping"
    Ring ring;
    const char *played;
};

class RingSound : public AlarmTimerTest, public ::testing::WithParamInterface<SoundCase> {};

TEST_P(RingSound, LooksUpTheSlotThenTheFallback) {
    const SoundCase &c = GetParam();
    if (*c.slotWave) putAdmin(QStringLiteral("PingallDT3"), QString::fromLatin1(c.slotWave));
    if (*c.fallbackWave) putAdmin(keys::kPing, QString::fromLatin1(c.fallbackWave));
    setAlarm(1, QTime(8, 0));
    put(keys::alarmSection(1), keys::kRedir, QStringLiteral("AllDT3"));
    at(QDate(2026, 7, 7), QTime(7, 0));
    loadAndBatchTick();
    EXPECT_EQ(tickAt(QTime(8, 0)).ring, c.ring);
    const QStringList expected =
        *c.played ? QStringList{QString::fromLatin1(c.played)} : QStringList{};
    EXPECT_EQ(env.sound().played, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, RingSound,
    ::testing::Values(
        SoundCase{"Slot", "/s/three.wav", "/s/fallback.wav", Ring::Sound, "/s/three.wav"},
        SoundCase{"ShortSlotFallsBack", "  ", "/s/fallback.wav", Ring::Sound, "/s/fallback.wav"},
        SoundCase{"NoneConfigured", "", "", Ring::Silent, ""},
        SoundCase{"ShortEverywhere", "ab", "x", Ring::Silent, ""},
        SoundCase{"SilenceByChoice", "[None]", "/s/fallback.wav", Ring::Sound, ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(AlarmTimerTest, LoadTakesDefaultsFromAFreshStoreAndWritesThemBack) {
    at(QDate(2026, 7, 7), QTime(9, 0));
    timer.load(keys::alarmSection(5));
    EXPECT_FALSE(timer.on());
    EXPECT_EQ(timer.alarmTime(), QTime(0, 0));
    EXPECT_EQ(timer.timeBoxText(), QStringLiteral("00:00"));
    EXPECT_EQ(timer.soundSection(), QStringLiteral("AllDT5"));
    EXPECT_EQ(timer.soundSlot(), 5);
    EXPECT_EQ(timer.soundCount(), 9);
    EXPECT_EQ(timer.letters(), keys::kDefaultDays);
    EXPECT_EQ(get(keys::alarmSection(5), keys::kTime), QStringLiteral("00:00:00"));
    EXPECT_EQ(get(keys::alarmSection(5), keys::kRedir), QStringLiteral("AllDT5"));
    EXPECT_EQ(timer.tick(now()).ring, Ring::None);
    EXPECT_EQ(timer.readout(), QStringLiteral(" "));
}

TEST_F(AlarmTimerTest, HandEditedValuesReadAsDefaults) {
    put(keys::alarmSection(2), keys::kTime, QStringLiteral("half past ten"));
    put(keys::alarmSection(2), keys::kOn, QStringLiteral("yes"));
    putAdmin(keys::kSoundCount, QStringLiteral("many"));
    put(keys::alarmSection(2), keys::kRedir, QStringLiteral("AllDTx"));
    at(QDate(2026, 7, 7), QTime(9, 0));
    timer.load(keys::alarmSection(2));
    EXPECT_EQ(timer.alarmTime(), QTime(0, 0));
    EXPECT_FALSE(timer.on());
    EXPECT_EQ(timer.soundCount(), 9);
    EXPECT_EQ(timer.soundSlot(), 0);
}

TEST_F(AlarmTimerTest, SliderPositionIsCappedBySoundCountButTheSectionIsKept) {
    putAdmin(keys::kSoundCount, QStringLiteral("4"));
    at(QDate(2026, 7, 7), QTime(9, 0));
    timer.load(keys::alarmSection(12));
    EXPECT_EQ(timer.soundSlot(), 4);
    EXPECT_EQ(timer.soundSection(), QStringLiteral("AllDT12"));
}

TEST_F(AlarmTimerTest, OlderTimeTextReadsAndIsRewrittenInTheStoredForm) {
    put(keys::alarmSection(1), keys::kTime, QStringLiteral("2:30:00 PM"));
    at(QDate(2026, 7, 7), QTime(9, 0));
    timer.load(keys::alarmSection(1));
    EXPECT_EQ(timer.timeBoxText(), QStringLiteral("14:30"));
    EXPECT_EQ(get(keys::alarmSection(1), keys::kTime), QStringLiteral("14:30:00"));
}

TEST_F(AlarmTimerTest, UserEditsWriteAtOnceAndInvalidTimeIsIgnored) {
    at(QDate(2026, 7, 7), QTime(9, 0));
    loadAndBatchTick();
    timer.setOn(true);
    EXPECT_EQ(onValue(1), QStringLiteral("1"));
    EXPECT_TRUE(timer.setTimeText(QStringLiteral("14:45")));
    EXPECT_EQ(get(keys::alarmSection(1), keys::kTime), QStringLiteral("14:45:00"));
    EXPECT_FALSE(timer.setTimeText(QStringLiteral("14:4x")));
    EXPECT_EQ(get(keys::alarmSection(1), keys::kTime), QStringLiteral("14:45:00"));
    EXPECT_EQ(timer.alarmTime(), QTime(14, 45));
    timer.setDayTicked(alarms::kSunday, false);
    timer.setDayTicked(alarms::kHoliday, true);
    EXPECT_EQ(get(keys::alarmSection(1), keys::kDays), QStringLiteral("sMTWTFSeeH"));
}

TEST_F(AlarmTimerTest, DayBoxesDoNotWriteWhileInTheBatchState) {
    setAlarm(1, QTime(9, 30));
    at(QDate(2026, 7, 7), QTime(9, 0));
    timer.load(keys::alarmSection(1));
    timer.setDayTicked(alarms::kMonday, false);
    EXPECT_FALSE(timer.dayTicked(alarms::kMonday));
    EXPECT_EQ(get(keys::alarmSection(1), keys::kDays), keys::kDefaultDays);
}

TEST_F(AlarmTimerTest, SoundSlotIsTakenOnlyWhenItHasADescription) {
    put(QStringLiteral("allDT2"), keys::kType, QStringLiteral("Chimes"));
    at(QDate(2026, 7, 7), QTime(9, 0));
    timer.load(keys::alarmSection(1));
    EXPECT_FALSE(timer.selectSound(3));
    EXPECT_EQ(timer.soundSection(), QStringLiteral("AllDT1"));
    EXPECT_TRUE(timer.selectSound(2));
    EXPECT_EQ(timer.soundDescription(), QStringLiteral("Chimes"));
    EXPECT_EQ(get(keys::alarmSection(1), keys::kRedir), QStringLiteral("AllDT2"));
    // The sound section and the slot's description are one section whatever the case.
    timer.load(keys::alarmSection(1));
    EXPECT_EQ(timer.soundSlot(), 2);
    EXPECT_EQ(timer.soundDescription(), QStringLiteral("Chimes"));
}

} // namespace
} // namespace vidorev::test
