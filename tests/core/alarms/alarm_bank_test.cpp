#include "alarms/alarm_bank.h"
#include "alarms/alarm_schedule.h"
#include "alarms/all_alarms.h"
#include "platform/settings_keys.h"
#include "test_env.h"

#include <QFile>

#include <functional>

#include <gtest/gtest.h>

namespace vidorev::test {
namespace {

using Ring = AlarmTimer::Ring;
const QDate kTuesday(2026, 7, 7);
const QDate kWednesday(2026, 7, 8);

// A fresh store and clock, one alarm on its own and a bank of fourteen, with helpers to store an
// alarm the way the alarm rows would have.
class AlarmTest : public ::testing::Test {
protected:
    AlarmTest() {
        QObject::connect(&bank, &AlarmBank::alarmPing, [this] { ++pings; });
        QObject::connect(&bank, &AlarmBank::alarmRang, [this] { ++rings; });
        QObject::connect(&bank, &AlarmBank::alarmsReset, [this] { ++resets; });
    }
    QString get(const QString &section, const QString &key) {
        return env.store().get(keys::kAppDiary, section, key, QString());
    }
    void put(const QString &section, const QString &key, const QString &value) {
        env.store().save(keys::kAppDiary, section, key, value);
    }
    void putAdmin(const QString &key, const QString &value) { put(keys::kSecAdmin, key, value); }
    void setAlarm(int n, QTime time, const QString &days = keys::kDefaultDays) {
        put(keys::alarmSection(n), keys::kTime, time.toString(Qt::ISODate));
        put(keys::alarmSection(n), keys::kDays, days);
        put(keys::alarmSection(n), keys::kOn, QStringLiteral("1"));
    }
    QString onValue(int n) { return get(keys::alarmSection(n), keys::kOn); }
    void at(const QDate &date, const QTime &time) { env.clock().set(QDateTime(date, time)); }
    QDateTime now() { return env.clock().now(); }

    // The lone timer loads alarm 1 and runs the batch tick that follows every load.
    AlarmTimer::TickResult loadAt(const QDate &date, const QTime &time) {
        at(date, time);
        timer.load(keys::alarmSection(1));
        const auto result = timer.tick(now());
        timer.setBatch(false);
        return result;
    }
    AlarmTimer::TickResult timerTick(const QTime &time) {
        at(now().date(), time);
        return timer.tick(now());
    }

    void tickAt(const QDate &date, const QTime &time) {
        at(date, time);
        bank.tick(now());
    }
    // Alarm n is loaded into the bank half a minute ahead of its time and then rings.
    void ringAt(int n, const QDate &date, const QTime &time) {
        setAlarm(n, time);
        at(date, time.addSecs(-30));
        bank.reload();
        tickAt(date, time.addSecs(-29));
        tickAt(date, time);
        ASSERT_TRUE(bank.reset().armed());
    }
    QStringList snapshot() {
        QStringList rows;
        for (const auto &e : env.store().entries())
            rows << e.application + u'/' + e.section + u'/' + e.key + u'=' + e.value;
        return rows;
    }
    TestEnv env;
    AlarmTimer timer{env.services()};
    AlarmBank bank{env.services()};
    int pings = 0, rings = 0, resets = 0;
};

TEST_F(AlarmTest, CountsDownThenRingsOnceAtTheFirstTickOfItsMinute) {
    setAlarm(1, QTime(8, 0));
    putAdmin(keys::kPing + QStringLiteral("AllDT1"), QStringLiteral("/sounds/bell.wav"));
    loadAt(kTuesday, QTime(7, 59, 29));
    EXPECT_EQ(timerTick(QTime(7, 59, 30)).ring, Ring::None);
    EXPECT_EQ(timer.readout(), QStringLiteral("1"));
    EXPECT_EQ(timerTick(QTime(8, 0, 0)).ring, Ring::Sound);
    EXPECT_EQ(onValue(1), QStringLiteral("0"));
    EXPECT_EQ(timerTick(QTime(8, 0, 1)).ring, Ring::None);
    EXPECT_EQ(timer.readout(), QStringLiteral(" "));
    EXPECT_EQ(env.sound().played, QStringList{QStringLiteral("/sounds/bell.wav")});
}

// A 17:00 alarm loaded at 09:00: its schedule alone decides whether it stays on.
TEST_F(AlarmTest, ScheduleSwitchesOffOnDaysItDoesNotSoundAndKeepsItsLetters) {
    const struct {
        QDate today;
        const char *days, *holidays;
        bool staysOn;
    } cases[] = {
        {QDate(2026, 7, 4), "sMTWTFseeh", "", false}, // a Saturday
        // 29 May 2026 is a Friday of a 31-day month: the next workday is 1 June.
        {QDate(2026, 5, 29), "sMTWTFsEeh", "", true},
        {QDate(2026, 5, 28), "sMTWTFsEeh", "", false},
        {QDate(2026, 5, 29), "sMTWTFseEh", "", false},
        {QDate(2026, 5, 28), "sMTWTFseEh", "", true},
        {QDate(2025, 3, 31), "sMTWTFsEeh", "", true},
        {QDate(2028, 2, 28), "sMTWTFsEeh", "", false}, // a leap year
        {QDate(2028, 2, 29), "sMTWTFsEeh", "", true},
        // Only Fridays ticked: 7 days on from Friday 24 July is still July.
        {QDate(2026, 7, 24), "smtwtFsEeh", "", false},
        {QDate(2026, 7, 31), "smtwtFsEeh", "", true},
        {QDate(2026, 7, 4), "SMTWTFSeeh", ";7/4;", false},
        {QDate(2026, 7, 4), "SMTWTFSeeH", ";7/4;", true},
        {QDate(2026, 7, 4), "SMTWTFSeeh", ";7/4;HFF8000;", true},
        {QDate(2026, 7, 4), "SMTWTFSeeh", ";*/4;", true},
        {QDate(2026, 7, 4), "SMTWTFSeeh", ";7/3;12/25;", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString() + ' ' + c.days + ' ' + c.holidays);
        putAdmin(keys::kHolidays, QString::fromLatin1(c.holidays));
        setAlarm(1, QTime(17, 0), QString::fromLatin1(c.days));
        const auto result = loadAt(c.today, QTime(9, 0));
        EXPECT_EQ(result.switchedOff, !c.staysOn);
        EXPECT_EQ(onValue(1), c.staysOn ? QStringLiteral("1") : QStringLiteral("0"));
        // A holiday unticks its box for this week only.
        EXPECT_EQ(get(keys::alarmSection(1), keys::kDays), QString::fromLatin1(c.days));
    }
}

TEST_F(AlarmTest, BatchTickSilencesOnlyAlarmsAlreadyDueAtTheLoad) {
    putAdmin(keys::kPing, QStringLiteral("/sounds/any.wav"));
    setAlarm(1, QTime(8, 0));
    at(kTuesday, QTime(7, 59, 59, 600)); // comes due in the very next second
    timer.load(keys::alarmSection(1));
    EXPECT_EQ(timerTick(QTime(8, 0)).ring, Ring::Sound);

    setAlarm(1, QTime(8, 0));
    at(kTuesday, QTime(9, 0));
    timer.load(keys::alarmSection(1));
    EXPECT_EQ(timer.tick(now()).ring, Ring::Quiet);
    EXPECT_EQ(onValue(1), QStringLiteral("0"));
    EXPECT_EQ(env.sound().played.size(), 1);
}

TEST_F(AlarmTest, RingLooksUpTheSlotsWaveThenTheFallback) {
    const struct {
        const char *slotWave, *fallbackWave; // "Ping" + sound section, "Ping"
        Ring ring;
        const char *played;
    } cases[] = {
        {"/s/three.wav", "/s/fallback.wav", Ring::Sound, "/s/three.wav"},
        {"  ", "/s/fallback.wav", Ring::Sound, "/s/fallback.wav"},
        {"ab", "x", Ring::Silent, ""},
        {"[None]", "/s/fallback.wav", Ring::Sound, ""}, // silence by choice
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.slotWave);
        putAdmin(QStringLiteral("PingallDT3"), QString::fromLatin1(c.slotWave));
        putAdmin(keys::kPing, QString::fromLatin1(c.fallbackWave));
        setAlarm(1, QTime(8, 0));
        put(keys::alarmSection(1), keys::kRedir, QStringLiteral("AllDT3"));
        env.sound().played.clear();
        loadAt(kTuesday, QTime(7, 0));
        EXPECT_EQ(timerTick(QTime(8, 0)).ring, c.ring);
        EXPECT_EQ(env.sound().played.join(QString()), QString::fromLatin1(c.played));
    }
}

TEST_F(AlarmTest, LoadRewritesOlderFormsAndReadsHandEditsAsDefaults) {
    const QString one = keys::alarmSection(1), two = keys::alarmSection(2);
    put(one, keys::kTime, QStringLiteral("2:30:00 PM"));
    put(one, keys::kDays, QStringLiteral("SMTWTF"));
    put(two, keys::kTime, QStringLiteral("half past ten"));
    put(two, keys::kOn, QStringLiteral("yes"));
    put(two, keys::kRedir, QStringLiteral("AllDTx"));
    putAdmin(keys::kSoundCount, QStringLiteral("many"));
    at(kTuesday, QTime(9, 0));
    timer.load(one);
    EXPECT_EQ(get(one, keys::kTime), QStringLiteral("14:30:00"));
    EXPECT_EQ(get(one, keys::kDays), QStringLiteral("SMTWTFSeeh"));
    EXPECT_EQ(get(one, keys::kRedir), QStringLiteral("AllDT1"));
    EXPECT_EQ(timer.soundCount(), 9);
    timer.load(two);
    EXPECT_EQ(timer.alarmTime(), QTime(0, 0));
    EXPECT_FALSE(timer.on());
    EXPECT_EQ(timer.soundSlot(), 0);
}

TEST_F(AlarmTest, EditsWriteAtOnceButDayBoxesWaitForTheBatchTick) {
    const QString one = keys::alarmSection(1);
    put(one, keys::kDays, keys::kDefaultDays);
    at(kTuesday, QTime(9, 0));
    timer.load(one);
    timer.setDayTicked(alarms::kMonday, false); // the load showing its boxes
    EXPECT_EQ(get(one, keys::kDays), keys::kDefaultDays);
    timer.tick(now());
    timer.setBatch(false);
    timer.setOn(true);
    EXPECT_EQ(onValue(1), QStringLiteral("1"));
    EXPECT_TRUE(timer.setTimeText(QStringLiteral("14:45")));
    EXPECT_FALSE(timer.setTimeText(QStringLiteral("14:4x")));
    EXPECT_EQ(get(one, keys::kTime), QStringLiteral("14:45:00"));
    timer.setDayTicked(alarms::kSunday, false);
    timer.setDayTicked(alarms::kHoliday, true);
    EXPECT_EQ(get(one, keys::kDays), QStringLiteral("sMTWTFSeeH"));
}

// A refused edit says why, and the alarm keeps what the store keeps; once there is room again
// the same edit is taken.
TEST_F(AlarmTest, AnEditTheStoreRefusesIsNotTakenAndSaysWhy) {
    const QString one = keys::alarmSection(1);
    put(QStringLiteral("AllDT2"), keys::kType, QStringLiteral("Chimes"));
    setAlarm(1, QTime(14, 30));
    put(one, keys::kOn, QStringLiteral("0"));
    loadAt(kTuesday, QTime(9, 0));
    const struct {
        const char *what;
        QString key;
        std::function<bool()> edit;
        std::function<QString()> shown;
    } cases[] = {
        {"on", keys::kOn, [this] { return timer.setOn(true); },
         [this] { return QString::number(timer.on()); }},
        {"time", keys::kTime, [this] { return timer.setTimeText(QStringLiteral("7:15")); },
         [this] { return timer.timeBoxText(); }},
        {"day", keys::kDays, [this] { return timer.setDayTicked(alarms::kSunday, false); },
         [this] { return timer.letters() + QString::number(timer.dayTicked(alarms::kSunday)); }},
        {"sound", keys::kRedir, [this] { return timer.selectSound(2); },
         [this] {
             return timer.soundSection() + QString::number(timer.soundSlot()) +
                    timer.soundDescription();
         }},
    };
    for (const auto &c : cases) {
        const QString stored = get(one, c.key), shown = c.shown();
        bool taken = true;
        {
            FullDisk full;
            taken = c.edit();
        }
        EXPECT_FALSE(taken) << c.what;
        EXPECT_FALSE(timer.saveError().isEmpty()) << c.what;
        EXPECT_EQ(get(one, c.key), stored) << c.what;
        EXPECT_EQ(c.shown(), shown) << c.what;
        EXPECT_TRUE(c.edit()) << c.what;
        EXPECT_TRUE(timer.saveError().isEmpty()) << c.what;
        EXPECT_NE(c.shown(), shown) << c.what;
    }
}

TEST_F(AlarmTest, DailyResetAfterARingSwitchesAllFourteenOnOnceAt0001) {
    ringAt(3, kTuesday, QTime(9, 0));
    EXPECT_EQ(rings, 1);
    EXPECT_EQ(pings, 1); // no wave file
    tickAt(kWednesday, QTime(0, 0, 59));
    EXPECT_EQ(resets, 0);
    tickAt(kWednesday, QTime(0, 1, 0));
    EXPECT_EQ(resets, 1);
    for (int n = 1; n <= AlarmBank::count(); ++n)
        EXPECT_EQ(onValue(n), QStringLiteral("1")) << n;
    EXPECT_TRUE(bank.alarm(3).on()); // reloaded
    // The second tick of that minute is the reload's batch tick: no second reset, and alarms
    // whose time (midnight by default) has passed switch off without ringing.
    tickAt(kWednesday, QTime(0, 1, 1));
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(onValue(3), QStringLiteral("1"));
    EXPECT_EQ(onValue(1), QStringLiteral("0"));
    EXPECT_EQ(rings, 1);
    putAdmin(keys::kPing, QStringLiteral("/s/bell.wav"));
    tickAt(kWednesday, QTime(9, 0, 0));
    EXPECT_EQ(rings, 2); // alarm 3 rings again the next day, with its sound
    EXPECT_EQ(pings, 1);
}

TEST_F(AlarmTest, NoSwitchOffAllDayMeansNothingWrittenAt0001) {
    setAlarm(4, QTime(23, 30));
    at(kTuesday, QTime(8, 0));
    bank.reload();
    const QStringList before = snapshot();
    for (const QTime t : {QTime(8, 0, 1), QTime(12, 0), QTime(23, 29, 59)})
        tickAt(kTuesday, t);
    tickAt(kWednesday, QTime(0, 1, 0));
    tickAt(kWednesday, QTime(0, 1, 30));
    EXPECT_EQ(resets, 0);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(AlarmTest, ResetMissedWhileAsleepRunsAtTheFirstTickAfter0001) {
    ringAt(5, kTuesday, QTime(9, 0));
    tickAt(kWednesday, QTime(7, 15));
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(onValue(5), QStringLiteral("1"));
}

TEST_F(AlarmTest, RingInTheResetMinuteWaitsForTheNextNight) {
    ringAt(5, kWednesday, QTime(0, 1));
    tickAt(kWednesday, QTime(0, 1, 1));
    EXPECT_EQ(resets, 0);
    tickAt(kWednesday.addDays(1), QTime(0, 1));
    EXPECT_EQ(resets, 1);
}

// A Monday-to-Friday alarm must still ring on Monday after a weekend without rings: Saturday's
// switch-off by the schedule arms the reset, and each night's reset lets the schedule decide anew.
TEST_F(AlarmTest, WorkdayAlarmSurvivesTheWeekend) {
    setAlarm(1, QTime(8, 0), QStringLiteral("sMTWTFseeh"));
    const QDate saturday(2026, 7, 4), monday(2026, 7, 6);
    at(saturday, QTime(7, 0));
    bank.reload();
    for (QDateTime t = now().addSecs(1); t <= QDateTime(monday, QTime(9, 0)); t = t.addSecs(60)) {
        env.clock().set(t);
        bank.tick(t);
    }
    EXPECT_EQ(rings, 1); // on Monday only
    EXPECT_EQ(onValue(1), QStringLiteral("0"));
}

// The kernel's counts of read and write calls of this process, or -1 where there are none.
std::pair<qint64, qint64> ioCalls() {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return {-1, -1};
    const QList<QByteArray> lines = io.readAll().split('\n'); // rchar, wchar, syscr, syscw, ...
    const auto value = [&](int i) { return lines.value(i).split(' ').last().toLongLong(); };
    return {value(2), value(3)};
}

TEST_F(AlarmTest, AnIdleMinuteTouchesNeitherTheStoreNorTheDisk) {
    putAdmin(keys::kHolidays, QStringLiteral(";12/25;"));
    for (int n = 1; n <= AlarmBank::count(); ++n)
        setAlarm(n, QTime(18, 0).addSecs(60 * n));
    at(kTuesday, QTime(9, 0));
    bank.reload();
    tickAt(kTuesday, QTime(9, 0, 1));
    // Change every value a tick could look at behind the bank's back.
    for (int n = 1; n <= AlarmBank::count(); ++n) {
        put(keys::alarmSection(n), keys::kOn, QStringLiteral("0"));
        put(keys::alarmSection(n), keys::kTime, QStringLiteral("09:00:00"));
        put(keys::alarmSection(n), keys::kDays, QStringLiteral("smtwtfseeh"));
    }
    putAdmin(keys::kHolidays, QStringLiteral(";7/7;"));
    const QStringList before = snapshot();
    const auto a = ioCalls(), b = ioCalls(); // what reading the counters costs by itself
    const auto start = ioCalls();
    const quint64 storeOps = env.store().operationCount();
    for (int s = 2; s < 62; ++s)
        tickAt(kTuesday, QTime(9, 0).addSecs(s));
    const auto end = ioCalls();
    EXPECT_EQ(env.store().operationCount(), storeOps);
    if (start.first >= 0) {
        EXPECT_EQ(end.first - start.first, b.first - a.first);
        EXPECT_EQ(end.second - start.second, 0);
    }
    EXPECT_EQ(snapshot(), before);
    for (int n = 1; n <= AlarmBank::count(); ++n) // none rang or read its changed values
        EXPECT_TRUE(bank.alarm(n).on()) << n;
    EXPECT_EQ(bank.alarm(1).readout(), QStringLiteral("540"));
}

TEST_F(AlarmTest, AllAlarmsSwitchesFourteenOnAndGivesTheSwitchOnSound) {
    EXPECT_EQ(switchOnAllAlarms(env.store()).sound, QString());
    for (int n = 1; n <= AlarmBank::count(); ++n)
        EXPECT_EQ(onValue(n), QStringLiteral("1")) << n;
    putAdmin(keys::kPingAlert, QStringLiteral("ab"));
    EXPECT_EQ(switchOnAllAlarms(env.store()).sound, QString());
    putAdmin(keys::kPingAlert, QStringLiteral("/s/on.wav"));
    const AllAlarmsOutcome on = switchOnAllAlarms(env.store());
    EXPECT_EQ(on.sound, QStringLiteral("/s/on.wav"));
    EXPECT_EQ(on.error, QString());

    // A disk that refuses the switch leaves every alarm as it was, and says so.
    env.store().save(keys::kAppDiary, keys::alarmSection(3), keys::kOn, QStringLiteral("0"));
    AllAlarmsOutcome refused;
    {
        FullDisk full;
        refused = switchOnAllAlarms(env.store());
    }
    EXPECT_FALSE(refused.error.isEmpty());
    EXPECT_EQ(onValue(3), QStringLiteral("0"));
}

} // namespace
} // namespace vidorev::test
