#include "alarm_fixture.h"

#include "alarms/all_alarms.h"

#include <QFile>

namespace vidorev::test {
namespace {

class AlarmBankTest : public AlarmFixture {
protected:
    void tickAt(const QDate &date, const QTime &time) {
        at(date, time);
        bank.tick(now());
    }
    QStringList onValues() {
        QStringList values;
        for (int n = 1; n <= AlarmBank::count(); ++n)
            values << onValue(n);
        return values;
    }
    std::vector<SettingsStore::Entry> snapshot() { return env.store().entries(); }
    static bool same(const std::vector<SettingsStore::Entry> &a,
                     const std::vector<SettingsStore::Entry> &b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto &x, const auto &y) {
            return x.application == y.application && x.section == y.section && x.key == y.key &&
                   x.value == y.value;
        });
    }

    // Counts a signal's emissions (core tests go without Qt Test).
    struct Count {
        template <typename Signal> Count(AlarmBank &bank, Signal signal) {
            QObject::connect(&bank, signal, [this] { ++n; });
        }
        int count() const { return n; }
        int n = 0;
    };

    AlarmBank bank{env.services()};
    Count pings{bank, &AlarmBank::alarmPing};
    Count rings{bank, &AlarmBank::alarmRang};
    Count resets{bank, &AlarmBank::alarmsReset};
};

const QDate kTuesday(2026, 7, 7);
const QDate kWednesday(2026, 7, 8);

TEST_F(AlarmBankTest, DailyResetAfterARingSwitchesAllFourteenOnOnceAt0001) {
    setAlarm(3, QTime(9, 0));
    putAdmin(keys::kPing, QStringLiteral("/s/bell.wav"));
    at(kTuesday, QTime(8, 0));
    bank.reload();
    tickAt(kTuesday, QTime(8, 0, 1));
    tickAt(kTuesday, QTime(9, 0, 0));
    EXPECT_EQ(rings.count(), 1);
    EXPECT_EQ(pings.count(), 0);
    EXPECT_EQ(onValue(3), QStringLiteral("0"));
    EXPECT_TRUE(bank.reset().armed());

    tickAt(kWednesday, QTime(0, 0, 59));
    EXPECT_EQ(resets.count(), 0);
    tickAt(kWednesday, QTime(0, 1, 0));
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(onValues(), QStringList(14, QStringLiteral("1")));
    EXPECT_TRUE(bank.alarm(3).on()); // reloaded
    EXPECT_TRUE(bank.alarm(3).batch());
    EXPECT_FALSE(bank.reset().armed());

    // The second tick of that minute is the reload's batch tick and runs no second reset.
    const auto before = snapshot();
    tickAt(kWednesday, QTime(0, 1, 1));
    EXPECT_EQ(resets.count(), 1);
    EXPECT_TRUE(bank.alarm(3).on());
    EXPECT_EQ(onValue(3), QStringLiteral("1"));
    // Alarms whose time (midnight by default) has passed switched off silently.
    EXPECT_EQ(onValue(1), QStringLiteral("0"));
    EXPECT_EQ(rings.count(), 1);
    EXPECT_FALSE(same(before, snapshot()));

    tickAt(kWednesday, QTime(9, 0, 0));
    EXPECT_EQ(rings.count(), 2); // alarm 3 rings again the next day
}

TEST_F(AlarmBankTest, NoSwitchOffAllDayMeansNothingWrittenAt0001) {
    setAlarm(4, QTime(23, 30));
    at(kTuesday, QTime(8, 0));
    bank.reload();
    const auto before = snapshot();
    for (const QTime t : {QTime(8, 0, 1), QTime(12, 0), QTime(23, 29, 59)})
        tickAt(kTuesday, t);
    // 23:30 would ring; stop short of it and cross midnight.
    EXPECT_FALSE(bank.reset().armed());
    tickAt(kWednesday, QTime(0, 1, 0));
    tickAt(kWednesday, QTime(0, 1, 30));
    EXPECT_EQ(resets.count(), 0);
    EXPECT_TRUE(same(before, snapshot()));
}

TEST_F(AlarmBankTest, SilentRingRaisesAlarmPingAndArmsTheReset) {
    setAlarm(2, QTime(10, 0));
    at(kTuesday, QTime(9, 0));
    bank.reload();
    tickAt(kTuesday, QTime(9, 0, 1));
    tickAt(kTuesday, QTime(10, 0, 0));
    EXPECT_EQ(pings.count(), 1);
    EXPECT_EQ(rings.count(), 1);
    EXPECT_TRUE(bank.reset().armed());
}

TEST_F(AlarmBankTest, SilenceByChoiceRingsWithoutPing) {
    setAlarm(2, QTime(10, 0));
    put(keys::alarmSection(2), keys::kRedir, QStringLiteral("AllDT0"));
    putAdmin(QStringLiteral("PingAllDT0"), keys::kSilentWave);
    at(kTuesday, QTime(9, 0));
    bank.reload();
    tickAt(kTuesday, QTime(9, 0, 1));
    tickAt(kTuesday, QTime(10, 0, 0));
    EXPECT_EQ(pings.count(), 0);
    EXPECT_EQ(rings.count(), 1);
    EXPECT_TRUE(env.sound().played.isEmpty());
}

TEST_F(AlarmBankTest, FirstTickAfterAReloadIsTheBatchTick) {
    setAlarm(1, QTime(8, 0));
    setAlarm(2, QTime(11, 0));
    at(kTuesday, QTime(10, 0));
    bank.reload();
    tickAt(kTuesday, QTime(10, 0, 1));
    EXPECT_EQ(rings.count(), 0);
    EXPECT_EQ(pings.count(), 0);
    EXPECT_EQ(onValue(1), QStringLiteral("0"));
    EXPECT_TRUE(bank.alarm(2).on());
    for (int n = 1; n <= AlarmBank::count(); ++n)
        EXPECT_FALSE(bank.alarm(n).batch()) << n;
}

// A Monday-to-Friday alarm must still ring on Monday after a weekend without rings: the
// weekend's switch-offs arm the reset, and each night's reset lets the schedule decide anew.
TEST_F(AlarmBankTest, WorkdayAlarmSurvivesTheWeekend) {
    setAlarm(1, QTime(8, 0), QStringLiteral("sMTWTFseeh"));
    const QDate friday(2026, 7, 3);
    at(friday, QTime(7, 0));
    bank.reload();
    QDateTime t = now().addSecs(1);
    int mondayRings = 0;
    // Tick every minute from Friday 07:00 to Monday 09:00.
    while (t <= QDateTime(friday.addDays(3), QTime(9, 0))) {
        env.clock().set(t);
        const int before = int(rings.count());
        bank.tick(t);
        if (rings.count() > before && t.date() == friday.addDays(3)) ++mondayRings;
        t = t.addSecs(60);
    }
    EXPECT_EQ(rings.count(), 2); // Friday and Monday, not Saturday or Sunday
    EXPECT_EQ(mondayRings, 1);
}

TEST_F(AlarmBankTest, ResetMissedWhileAsleepRunsAtTheFirstTickAfterwards) {
    setAlarm(3, QTime(9, 0));
    at(kTuesday, QTime(8, 0));
    bank.reload();
    tickAt(kTuesday, QTime(8, 0, 1));
    tickAt(kTuesday, QTime(9, 0));
    ASSERT_TRUE(bank.reset().armed());
    tickAt(kWednesday, QTime(7, 15)); // the machine slept through midnight
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(onValue(3), QStringLiteral("1"));
}

TEST_F(AlarmBankTest, RingDuringTheResetMinuteWaitsForTheNextNight) {
    setAlarm(5, QTime(0, 1));
    at(kWednesday, QTime(0, 0, 30));
    bank.reload();
    tickAt(kWednesday, QTime(0, 0, 31));
    tickAt(kWednesday, QTime(0, 1, 0));
    EXPECT_EQ(rings.count(), 1);
    tickAt(kWednesday, QTime(0, 1, 1));
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(bank.reset().due(), QDateTime(kWednesday.addDays(1), QTime(0, 1)));
}

TEST_F(AlarmBankTest, IdleTicksNeitherReadNorWriteTheStore) {
    for (int n = 1; n <= AlarmBank::count(); ++n)
        setAlarm(n, QTime(18, 0).addSecs(60 * n));
    putAdmin(keys::kHolidays, QStringLiteral(";12/25;"));
    at(kTuesday, QTime(9, 0));
    bank.reload();
    tickAt(kTuesday, QTime(9, 0, 1));

    // Change every value a tick could look at behind the bank's back.
    for (int n = 1; n <= AlarmBank::count(); ++n) {
        put(keys::alarmSection(n), keys::kTime, QStringLiteral("09:00:00"));
        put(keys::alarmSection(n), keys::kOn, QStringLiteral("0"));
        put(keys::alarmSection(n), keys::kDays, QStringLiteral("smtwtfseeh"));
    }
    putAdmin(keys::kHolidays, QStringLiteral(";7/7;"));
    const auto before = snapshot();
    for (int s = 2; s < 62; ++s)
        tickAt(kTuesday, QTime(9, 0, s % 60).addSecs(s >= 60 ? 60 : 0));
    EXPECT_TRUE(same(before, snapshot()));
    EXPECT_EQ(rings.count(), 0);
    for (int n = 1; n <= AlarmBank::count(); ++n) {
        EXPECT_TRUE(bank.alarm(n).on()) << n;
        EXPECT_EQ(bank.alarm(n).alarmTime(), QTime(18, 0).addSecs(60 * n)) << n;
    }
    EXPECT_EQ(bank.alarm(1).readout(), QStringLiteral("540"));
}

// Reads the kernel's count of read and write calls of this process.
std::pair<qint64, qint64> ioCalls() {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly)) return {-1, -1};
    qint64 reads = -1, writes = -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("syscr:")) reads = line.mid(6).trimmed().toLongLong();
        if (line.startsWith("syscw:")) writes = line.mid(6).trimmed().toLongLong();
    }
    return {reads, writes};
}

TEST_F(AlarmBankTest, AnIdleMinuteMakesNoReadOrWriteCall) {
    if (ioCalls().first < 0) GTEST_SKIP() << "no /proc/self/io here";
    for (int n = 1; n <= AlarmBank::count(); ++n)
        setAlarm(n, QTime(18, 0).addSecs(60 * n));
    at(kTuesday, QTime(9, 0));
    bank.reload();
    tickAt(kTuesday, QTime(9, 0, 1));
    QDateTime t = now();
    // What reading the counters costs by itself.
    const auto a = ioCalls();
    const auto b = ioCalls();
    const qint64 readCost = b.first - a.first;
    const auto start = ioCalls();
    for (int s = 0; s < 60; ++s) {
        t = t.addSecs(1);
        env.clock().set(t);
        bank.tick(t);
    }
    const auto end = ioCalls();
    EXPECT_EQ(end.first - start.first, readCost);
    EXPECT_EQ(end.second - start.second, 0);
}

TEST_F(AlarmBankTest, AllAlarmsWritesFourteenAndReturnsTheSwitchOnSound) {
    EXPECT_EQ(switchOnAllAlarms(env.store()), QString());
    EXPECT_EQ(onValues(), QStringList(14, QStringLiteral("1")));
    putAdmin(keys::kPingAlert, QStringLiteral("ab"));
    EXPECT_EQ(switchOnAllAlarms(env.store()), QString());
    putAdmin(keys::kPingAlert, QStringLiteral("/s/on.wav"));
    EXPECT_EQ(switchOnAllAlarms(env.store()), QStringLiteral("/s/on.wav"));
}

} // namespace
} // namespace vidorev::test
