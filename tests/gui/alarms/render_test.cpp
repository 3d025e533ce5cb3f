#include "alarms/down_time.h"
#include "alarms/holiday_strip.h"
#include "alarms/time_lert.h"
#include "alarms/time_set.h"
#include "platform/settings_keys.h"
#include "test_env.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vidorev::test {
namespace {

// Renders each panel; with VIDOREV_SHOTS set, the pictures are kept there to be looked at.
void keep(QWidget &widget, const QString &name) {
    widget.adjustSize();
    widget.show();
    QCoreApplication::processEvents();
    const QPixmap picture = widget.grab();
    EXPECT_FALSE(picture.isNull());
    EXPECT_GT(picture.width(), 100);
    const QString dir = qEnvironmentVariable("VIDOREV_SHOTS");
    if (!dir.isEmpty()) picture.save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

TEST(RenderAlarmPanels, AllPanelsDraw) {
    TestEnv env;
    env.clock().set(QDateTime(QDate(2025, 12, 22), QTime(7, 58, 30)));
    SettingsStore &store = env.store();
    store.save(keys::kAppDiary, QStringLiteral("allDT1"), keys::kType, QStringLiteral("Bell"));
    store.save(keys::kAppDiary, QStringLiteral("allDT2"), keys::kType, QStringLiteral("Chimes"));
    store.save(keys::kAppDiary, keys::alarmSection(1), keys::kTime, QStringLiteral("08:00:00"));
    store.save(keys::kAppDiary, keys::alarmSection(1), keys::kOn, QStringLiteral("1"));
    store.save(keys::kAppDiary, keys::alarmSection(2), keys::kTime, QStringLiteral("17:30:00"));
    store.save(keys::kAppDiary, keys::alarmSection(2), keys::kOn, QStringLiteral("1"));
    store.save(keys::kAppDiary, keys::alarmSection(2), keys::kDays, QStringLiteral("sMTWTFsEeh"));
    store.save(keys::kAppDiary, keys::kSecAdmin, keys::kHolidays,
               QStringLiteral(";12/25;*/26;H80FF00;1/1;"));

    TimeLert bank(env.services());
    bank.setUser(keys::kAlarmBankUser);
    bank.setSuperUser(true);
    bank.tick();
    keep(bank, QStringLiteral("time_lert"));
    bank.findChild<QPushButton *>(QStringLiteral("cmdAdminTimers"))->click();
    bank.row(2)->findChild<QPushButton *>(QStringLiteral("cmdExtend"))->click();
    keep(bank, QStringLiteral("time_lert_extended"));

    TimeSet board;
    board.setTimeZone(8);
    board.setTime(env.clock().now());
    keep(board, QStringLiteral("time_set"));

    HolidayStrip strip(store, env.clock());
    strip.setHost(keys::kAppDiary);
    strip.setUser(keys::kSecAdmin);
    strip.setSelf(keys::kHolidays);
    strip.setDisplay();
    keep(strip, QStringLiteral("holiday_strip"));
}

} // namespace
} // namespace vidorev::test
