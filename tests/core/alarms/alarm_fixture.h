#pragma once

#include "alarms/alarm_bank.h"
#include "alarms/alarm_timer.h"
#include "platform/settings_keys.h"
#include "test_env.h"

#include <gtest/gtest.h>

namespace vidorev::test {

// A fresh store and clock with helpers to set an alarm up the way the options panel and the
// alarm rows would have stored it.
class AlarmFixture : public ::testing::Test {
protected:
    QString get(const QString &section, const QString &key, const QString &def = QString()) {
        return env.store().get(keys::kAppDiary, section, key, def);
    }
    void put(const QString &section, const QString &key, const QString &value) {
        env.store().save(keys::kAppDiary, section, key, value);
    }
    void putAdmin(const QString &key, const QString &value) { put(keys::kSecAdmin, key, value); }
    // Alarm n, on, due at `time`, with the given schedule letters.
    void setAlarm(int n, QTime time, const QString &days = keys::kDefaultDays, bool on = true) {
        const QString section = keys::alarmSection(n);
        put(section, keys::kTime, time.toString(Qt::ISODate));
        put(section, keys::kDays, days);
        put(section, keys::kOn, on ? QStringLiteral("1") : QStringLiteral("0"));
    }
    QString onValue(int n) { return get(keys::alarmSection(n), keys::kOn); }
    void at(const QDate &date, const QTime &time) { env.clock().set(QDateTime(date, time)); }
    QDateTime now() { return env.clock().now(); }

    TestEnv env;
};

} // namespace vidorev::test
