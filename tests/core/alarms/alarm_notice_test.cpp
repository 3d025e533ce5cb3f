#include "alarms/alarm_bank.h"
#include "alarms/alarm_notice.h"
#include "platform/settings_keys.h"
#include "test_env.h"

#include <gtest/gtest.h>

namespace vidorev::test {
namespace {

// The bank names the alarm that rang, and the notice names it with its time as the row shows it
// (two-digit hours: 00:05, not 0:05).
TEST(AlarmNotice, NamesTheAlarmThatRangAndItsTime) {
    TestEnv env;
    const QDate day(2026, 7, 7);
    const struct {
        int alarm;
        QTime time;
        const char *summary;
        const char *body;
    } cases[] = {
        {3, QTime(9, 0), "Alarm 3 \u2013 09:00", "Vidorev alarm 3, set for 09:00, went off."},
        {12, QTime(0, 5), "Alarm 12 \u2013 00:05", "Vidorev alarm 12, set for 00:05, went off."},
    };
    for (const auto &c : cases) {
        const QString section = keys::alarmSection(c.alarm);
        env.store().save(keys::kAppDiary, section, keys::kTime, c.time.toString(Qt::ISODate));
        env.store().save(keys::kAppDiary, section, keys::kOn, QStringLiteral("1"));
        AlarmBank bank(env.services());
        QList<int> rang;
        QObject::connect(&bank, &AlarmBank::alarmRang, [&](int n) { rang << n; });
        bank.reload();
        bank.tick(QDateTime(day, c.time.addSecs(-60))); // the batch tick after a load
        bank.tick(QDateTime(day, c.time));
        ASSERT_EQ(rang, QList<int>{c.alarm});
        const AlarmNotice notice = alarmNotice(c.alarm, bank.alarm(c.alarm));
        EXPECT_EQ(notice.summary, QString::fromUtf8(c.summary));
        EXPECT_EQ(notice.body, QString::fromUtf8(c.body));
    }
    EXPECT_TRUE(alarmNeedsNotice(false));
    EXPECT_FALSE(alarmNeedsNotice(true));
}

} // namespace
} // namespace vidorev::test
