#include "alarms/all_alarms.h"

#include "platform/settings_keys.h"
#include "platform/settings_store.h"

namespace vidorev {

bool writeAllAlarmsOn(SettingsStore &store) {
    SettingsStore::Batch batch(store);
    for (int k = 1; k <= keys::kAlarmCount; ++k)
        store.save(keys::kAppDiary, keys::alarmSection(k), keys::kOn, QStringLiteral("1"));
    return batch.commit();
}

AllAlarmsOutcome switchOnAllAlarms(SettingsStore &store) {
    AllAlarmsOutcome outcome;
    if (!writeAllAlarmsOn(store))
        outcome.error = store.lastError();
    const QString sound = store.get(keys::kAppDiary, keys::kSecAdmin, keys::kPingAlert, QString());
    if (sound.size() >= 3)
        outcome.sound = sound;
    return outcome;
}

} // namespace vidorev
