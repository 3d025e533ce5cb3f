#include "alarms/all_alarms.h"

#include "platform/settings_keys.h"
#include "platform/settings_store.h"

namespace vidorev {

void writeAllAlarmsOn(SettingsStore &store) {
    SettingsStore::Batch batch(store);
    for (int k = 1; k <= keys::kAlarmCount; ++k)
        store.save(keys::kAppDiary, keys::alarmSection(k), keys::kOn, QStringLiteral("1"));
}

QString switchOnAllAlarms(SettingsStore &store) {
    writeAllAlarmsOn(store);
    const QString sound = store.get(keys::kAppDiary, keys::kSecAdmin, keys::kPingAlert, QString());
    return sound.size() >= 3 ? sound : QString();
}

} // namespace vidorev
