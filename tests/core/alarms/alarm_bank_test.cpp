#include "alarms/alarm_bank.h"
#include "alarms/alarm_notice.h"
#include "alarms/alarm_schedule.h"
#include "alarms/all_alarms.h"
#include "test_env.h"

#include <functional>

namespace vidorev::test {
namespace {

using Ring = AlarmTimer::Ring;
const QDate kTuesday(2026, 7, 7), kWednesday(2026, 7, 8);

// A fresh store and clock, one alarm on its own and a bank of fourteen, with helpers to store an
// alarm the way the alarm rows would have.
class AlarmTest : public ::testing::Test {
protected:
    AlarmTest() {
        QObject::connect(&bank, &AlarmBank::alarmPing, [this] { ++pings; });
        QObject::connect(&bank, &AlarmBank::alarmRang, [this](int n) { rang << n; });
        QObject::connect(&bank, &AlarmBank::alarmsReset, [this] { ++resets; });
    }
    void setAlarm(int n, QTime time, const QString &days = keys::kDefaultDays) {
        env.put(keys::alarmSection(n), keys::kTime, time.toString(Qt::ISODate));
        env.put(keys::alarmSection(n), keys::kDays, days);
        env.put(keys::alarmSection(n), keys::kOn, "1");
    }
    void admin(const QString &key, const QString &value) { env.put(keys::kSecAdmin, key, value); }
    QString onValue(int n) { return env.get(keys::alarmSection(n), keys::kOn); }
    QDateTime at(const QDate &date, const QTime &time) {
        env.clock().set(QDateTime(date, time));
        return env.clock().now();
    }
    // The lone timer loads alarm 1 and runs the batch tick that follows every load.
    AlarmTimer::TickResult loadAt(const QDate &date, const QTime &time, bool batch = true) {
        const QDateTime now = at(date, time);
        timer.load(keys::alarmSection(1));
        const auto result = batch ? timer.tick(now) : AlarmTimer::TickResult{};
        timer.setBatch(false);
        return result;
    }
    Ring timerTick(const QTime &time) { return timer.tick(at(kTuesday, time)).ring; }
    void tickAt(const QDate &date, const QTime &time) { bank.tick(at(date, time)); }
    // Alarm n is loaded into the bank half a minute ahead of its time and then rings.
    void ringAt(int n, const QDate &date, const QTime &time) {
        setAlarm(n, time);
        at(date, time.addSecs(-30));
        bank.reload();
        tickAt(date, time.addSecs(-29));
        tickAt(date, time);
        ASSERT_TRUE(bank.reset().armed());
    }

    TestEnv env;
    AlarmTimer timer{env.services()};
    AlarmBank bank{env.services()};
    int pings = 0, resets = 0;
    QList<int> rang;
};

// The readout counts the minutes down; the alarm rings once, at the first tick of its minute,
// with its slot's wave, the fallback wave, the desk's chime where neither is set up, or silence
// by choice.
TEST_F(AlarmTest, CountsDownThenRingsOnceAtTheFirstTickOfItsMinute) {
    // The slot's wave ("Ping" + its sound section), the fallback ("Ping"), then the rings of the
    // ticks at 07:59:30, 08:00:00 and 08:00:01 with the readout after each, and what played.
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"/s/bell.wav", "/s/fallback.wav", "None 1, Sound 0, None  . /s/bell.wav"},
        {"  ", "/s/fallback.wav", "None 1, Sound 0, None  . /s/fallback.wav"},
        {"ab", "x", "None 1, Silent 0, None  . [Chime]"},
        {"[None]", "/s/fallback.wav", "None 1, Sound 0, None  . "}}; // silence by choice
    const char *rings[] = {"None", "Quiet", "Silent", "Sound"};
    for (const auto &[slotWave, fallbackWave, expected] : cases) {
        admin("PingallDT3", slotWave);
        admin(keys::kPing, fallbackWave);
        setAlarm(1, QTime(8, 0));
        env.put(keys::alarmSection(1), keys::kRedir, "AllDT3");
        env.sound().played.clear();
        loadAt(kTuesday, QTime(7, 59, 29));
        QStringList seen;
        for (const QTime t : {QTime(7, 59, 30), QTime(8, 0), QTime(8, 0, 1)}) {
            seen << rings[int(timerTick(t))];
            seen.last() += ' ' + timer.readout();
        }
        EXPECT_EQ(seen.join(", ") + ". " + env.sound().played.join(""), expected) << slotWave;
        EXPECT_EQ(onValue(1), "0");
    }
}

// A 17:00 alarm loaded at 09:00: its schedule alone decides whether it stays on; a holiday
// unticks its box for this week only.
TEST_F(AlarmTest, ScheduleSwitchesOffOnDaysItDoesNotSoundAndKeepsItsLetters) {
    const struct {
        QDate today;
        const char *days, *holidays;
        bool staysOn;
    } cases[] = {{QDate(2026, 7, 4), "sMTWTFseeh", "",
                  false}, // a Saturday
                          // 29 May 2026 is a Friday of a 31-day month: the next workday is 1 June.
                 {QDate(2026, 5, 29), "sMTWTFsEeh", "", true},
                 {QDate(2026, 5, 28), "sMTWTFsEeh", "", false},
                 {QDate(2026, 5, 28), "sMTWTFseEh", "", true},
                 {QDate(2026, 5, 29), "sMTWTFseEh", "", false},
                 {QDate(2028, 2, 29), "sMTWTFsEeh", "", true}, // a leap year
                 // Only Fridays ticked: 7 days on from Friday 24 July is still July.
                 {QDate(2026, 7, 24), "smtwtFsEeh", "", false},
                 {QDate(2026, 7, 4), "SMTWTFSeeh", ";7/4;", false},
                 {QDate(2026, 7, 4), "SMTWTFSeeH", ";7/4;", true},
                 {QDate(2026, 7, 4), "SMTWTFSeeh", ";7/4;HFF8000;", true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString() + ' ' + c.days + ' ' + c.holidays);
        admin(keys::kHolidays, c.holidays);
        setAlarm(1, QTime(17, 0), c.days);
        EXPECT_EQ(loadAt(c.today, QTime(9, 0)).switchedOff, !c.staysOn);
        EXPECT_EQ(onValue(1), c.staysOn ? "1" : "0");
        EXPECT_EQ(env.get(keys::alarmSection(1), keys::kDays), c.days);
    }
}

TEST_F(AlarmTest, BatchTickSilencesOnlyAlarmsAlreadyDueAtTheLoad) {
    admin(keys::kPing, "/sounds/any.wav");
    setAlarm(1, QTime(8, 0));
    loadAt(kTuesday, QTime(7, 59, 59, 600), false); // comes due in the very next second
    EXPECT_EQ(timerTick(QTime(8, 0)), Ring::Sound);
    setAlarm(1, QTime(8, 0));
    EXPECT_EQ(loadAt(kTuesday, QTime(9, 0)).ring, Ring::Quiet);
    EXPECT_EQ(onValue(1), "0");
    EXPECT_EQ(env.sound().played.size(), 1);
}

TEST_F(AlarmTest, LoadRewritesOlderFormsAndReadsHandEditsAsDefaults) {
    const QString one = keys::alarmSection(1), two = keys::alarmSection(2);
    env.put(one, keys::kTime, "2:30:00 PM");
    env.put(one, keys::kDays, "SMTWTF");
    env.put(two, keys::kTime, "half past ten");
    env.put(two, keys::kOn, "yes");
    env.put(two, keys::kRedir, "AllDTx");
    admin(keys::kSoundCount, "many");
    timer.load(one);
    EXPECT_EQ(env.get(one, keys::kTime) + env.get(one, keys::kDays) + env.get(one, keys::kRedir),
              "14:30:00SMTWTFSeehAllDT1");
    EXPECT_EQ(timer.soundCount(), 9);
    timer.load(two);
    EXPECT_EQ(alarmNotice(12, timer).summary, "Alarm 12 \u2013 00:00"); // two-digit hours
    EXPECT_EQ(std::tuple(timer.alarmTime(), timer.on(), timer.soundSlot()),
              std::tuple(QTime(0, 0), false, 0));
}

// Edits write at once, but the day boxes the load shows wait for the batch tick. A refused edit
// says why, and the alarm keeps what the store keeps; once there is room the same edit is taken.
TEST_F(AlarmTest, EditsWriteAtOnceAndOneTheStoreRefusesIsNotTakenAndSaysWhy) {
    const QString one = keys::alarmSection(1);
    env.put("AllDT2", keys::kType, "Chimes");
    setAlarm(1, QTime(14, 30));
    env.put(one, keys::kOn, "0");
    timer.load(one);
    timer.setDayTicked(alarms::kMonday, false); // the load showing its boxes
    EXPECT_EQ(env.get(one, keys::kDays), keys::kDefaultDays);
    loadAt(kTuesday, QTime(9, 0));
    EXPECT_FALSE(timer.setTimeText("14:4x"));
    const std::tuple<QString, std::function<bool()>, std::function<QString()>> cases[] = {
        {keys::kOn, [this] { return timer.setOn(true); },
         [this] { return QString::number(timer.on()); }},
        {keys::kTime, [this] { return timer.setTimeText("7:15"); },
         [this] { return timer.timeBoxText(); }},
        {keys::kDays, [this] { return timer.setDayTicked(alarms::kSunday, false); },
         [this] { return timer.letters() + QString::number(timer.dayTicked(alarms::kSunday)); }},
        {keys::kRedir, [this] { return timer.selectSound(2); },
         [this] { return timer.soundSection() + timer.soundDescription(); }}};
    for (const auto &[key, edit, shown] : cases) {
        SCOPED_TRACE(key.toStdString());
        const QString stored = env.get(one, key), before = shown();
        EXPECT_FALSE(onFullDisk(edit) || timer.saveError().isEmpty());
        EXPECT_EQ(env.get(one, key), stored);
        EXPECT_EQ(shown(), before);
        EXPECT_TRUE(edit() && timer.saveError().isEmpty());
        EXPECT_NE(shown(), before);
    }
    EXPECT_EQ(env.get(one, keys::kTime) + env.get(one, keys::kDays), "07:15:00sMTWTFSeeh");
}

TEST_F(AlarmTest, DailyResetAfterARingSwitchesAllFourteenOnOnceAt0001AndNoticesNameTheAlarm) {
    ringAt(3, kTuesday, QTime(9, 0));
    EXPECT_EQ(rang, QList<int>{3});
    EXPECT_EQ(pings, 1); // no wave file
    const AlarmNotice notice = alarmNotice(3, bank.alarm(3));
    EXPECT_EQ(notice.summary + " | " + notice.body,
              "Alarm 3 \u2013 09:00 | Vidorev alarm 3, set for 09:00, went off.");
    tickAt(kWednesday, QTime(0, 0, 59));
    EXPECT_EQ(resets, 0);
    tickAt(kWednesday, QTime(0, 1, 0));
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(onValue(14), "1");
    // The second tick of that minute is the reload's batch tick: no second reset, and alarms
    // whose time (midnight by default) has passed switch off without ringing.
    tickAt(kWednesday, QTime(0, 1, 1));
    EXPECT_EQ(QString::number(resets) + onValue(3) + onValue(1), "110");
    admin(keys::kPing, "/s/bell.wav");
    tickAt(kWednesday, QTime(9, 0, 0));
    EXPECT_EQ(rang, (QList<int>{3, 3})); // alarm 3 rings again the next day, with its sound
    EXPECT_EQ(pings, 1);
}

TEST_F(AlarmTest, AResetMissedWhileAsleepRunsAtTheFirstTickAfter0001) {
    ringAt(5, kTuesday, QTime(9, 0));
    tickAt(kWednesday, QTime(7, 15));
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(onValue(5), "1");
}

// A Monday-to-Friday alarm must still ring on Monday after a weekend without rings: Saturday's
// switch-off by the schedule arms the reset, and each night's reset lets the schedule decide anew.
TEST_F(AlarmTest, WorkdayAlarmSurvivesTheWeekend) {
    setAlarm(1, QTime(8, 0), "sMTWTFseeh");
    at(QDate(2026, 7, 4), QTime(7, 0));
    bank.reload();
    for (QDateTime t = env.clock().now().addSecs(1); t <= QDateTime(QDate(2026, 7, 6), QTime(9, 0));
         t = t.addSecs(60))
        bank.tick(at(t.date(), t.time()));
    EXPECT_EQ(rang, QList<int>{1}); // on Monday only
}

// Nothing is read or written in a minute with no ring, nor at 00:01 after a day with no
// switch-off: every value a tick could look at is changed behind the bank's back, unread.
TEST_F(AlarmTest, AnIdleMinuteTouchesNeitherTheStoreNorTheDiskAndNoDayWritesAt0001) {
    admin(keys::kHolidays, ";12/25;");
    for (int n = 1; n <= AlarmBank::count(); ++n)
        setAlarm(n, QTime(18, 0).addSecs(60 * n));
    at(kTuesday, QTime(9, 0));
    bank.reload();
    tickAt(kTuesday, QTime(9, 0, 1));
    for (int n = 1; n <= AlarmBank::count(); ++n)
        setAlarm(n, QTime(9, 0), "smtwtfseeh");
    admin(keys::kHolidays, ";7/7;");
    const QStringList before = env.snapshot();
    const quint64 storeOps = env.store().operationCount(); // the tick's only way to the disk
    for (int s = 2; s < 62; ++s)
        tickAt(kTuesday, QTime(9, 0).addSecs(s));
    EXPECT_EQ(env.store().operationCount(), storeOps);
    for (int n = 1; n <= AlarmBank::count(); ++n)
        EXPECT_TRUE(bank.alarm(n).on()) << n;
    EXPECT_EQ(bank.alarm(1).readout(), "540");
    tickAt(kWednesday, QTime(0, 1, 0));
    tickAt(kWednesday, QTime(0, 1, 30));
    EXPECT_EQ(resets, 0);
    EXPECT_EQ(env.snapshot(), before);
}

TEST_F(AlarmTest, AllAlarmsSwitchesFourteenOnAndGivesTheSwitchOnSoundOrChangesNothing) {
    admin(keys::kPingAlert, "/s/on.wav");
    EXPECT_FALSE(onFullDisk([&] { return switchOnAllAlarms(env.store()); }).error.isEmpty());
    EXPECT_EQ(onValue(3), "");
    EXPECT_EQ(switchOnAllAlarms(env.store()).sound, "/s/on.wav");
    for (int n = 1; n <= AlarmBank::count(); ++n)
        EXPECT_EQ(onValue(n), "1") << n;
    admin(keys::kPingAlert, "ab"); // too short for a wave file
    EXPECT_EQ(switchOnAllAlarms(env.store()).sound, "");
}

} // namespace
} // namespace vidorev::test
