#pragma once

#include "alarms/alarm_timer.h"
#include "alarms/daily_reset.h"
#include "platform/services.h"

#include <QObject>

#include <memory>
#include <vector>

namespace vidorev {

// The fourteen alarms and their daily reset, driven one tick a second. Between loads every
// alarm works from memory: an idle tick reads and writes nothing.
class AlarmBank : public QObject {
    Q_OBJECT
public:
    explicit AlarmBank(Services services, QObject *parent = nullptr);

    static constexpr int count() { return 14; }
    // Alarm n, 1 .. 14.
    AlarmTimer &alarm(int n) { return *m_alarms[std::size_t(n - 1)]; }
    const AlarmTimer &alarm(int n) const { return *m_alarms[std::size_t(n - 1)]; }
    const DailyReset &reset() const { return m_reset; }

    // Loads the fourteen alarms from their sections, all in their batch state.
    void reload();

    // One clock step: the fourteen alarms in order, then the reset, then the end of the batch
    // state (kept after a reset's reload, so that reload's first tick is its batch tick too).
    void tick(const QDateTime &now);

signals:
    void alarmPing(); // an alarm came due with no wave file configured (it rang the chime)
    // Alarm n (1 .. 14) came due outside its batch tick, with or without sound.
    void alarmRang(int alarm);
    void alarmsReset(); // the reset ran and the alarms are reloaded

private:
    Services m_services;
    std::vector<std::unique_ptr<AlarmTimer>> m_alarms;
    DailyReset m_reset;
};

} // namespace vidorev
