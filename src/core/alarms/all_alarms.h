#pragma once

#include <QString>

namespace vidorev {

class SettingsStore;

// Writes "On" = "1" for all fourteen alarms in one transaction.
void writeAllAlarmsOn(SettingsStore &store);

// Switches on all fourteen alarms in one transaction. Returns the wave file to play for it
// ("AdminData"/"PingAlert"), or an empty text when none is set.
QString switchOnAllAlarms(SettingsStore &store);

} // namespace vidorev
