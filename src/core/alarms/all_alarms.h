#pragma once

#include <QString>

namespace vidorev {

class SettingsStore;

// Writes "On" = "1" for all fourteen alarms in one transaction: all of them or, when the store
// refuses it (false, the reason in its lastError()), none.
bool writeAllAlarmsOn(SettingsStore &store);

struct AllAlarmsOutcome {
    QString sound; // the wave file to play for it ("AdminData"/"PingAlert"), or empty
    QString error; // empty when every alarm was switched on; else why none was
};

// Switches on all fourteen alarms in one transaction.
AllAlarmsOutcome switchOnAllAlarms(SettingsStore &store);

} // namespace vidorev
