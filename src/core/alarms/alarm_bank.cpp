#include "alarms/alarm_bank.h"

#include "alarms/all_alarms.h"
#include "platform/settings_keys.h"

namespace vidorev {

AlarmBank::AlarmBank(Services services, QObject *parent)
    : QObject(parent)
    , m_services(services) {
    for (int n = 1; n <= count(); ++n)
        m_alarms.push_back(std::make_unique<AlarmTimer>(services));
}

void AlarmBank::reload() {
    SettingsStore::Batch batch(m_services.store);
    for (int n = 1; n <= count(); ++n)
        alarm(n).load(keys::alarmSection(n));
}

void AlarmBank::tick(const QDateTime &now) {
    for (int n = 1; n <= count(); ++n) {
        const AlarmTimer::TickResult result = alarm(n).tick(now);
        if (result.ring == AlarmTimer::Ring::Chime)
            emit alarmPing();
        if (result.ring == AlarmTimer::Ring::Chime || result.ring == AlarmTimer::Ring::Sound)
            emit alarmRang(n);
        // Any alarm the tick switched off, by ringing or by its schedule, comes back on at the
        // next reset; its schedule then decides again for that day.
        if (result.switchedOff)
            m_reset.arm(now);
    }

    if (m_reset.tick(now)) {
        writeAllAlarmsOn(m_services.store);
        reload();
        emit alarmsReset();
        return;
    }
    for (const auto &timer : m_alarms)
        timer->setBatch(false);
}

} // namespace vidorev
