#pragma once

#include <QDateTime>
#include <QString>

namespace vidorev {
class SettingsStore;
}

namespace vidorev::admin {

struct PanicOutcome {
    bool wiped = false;
    QString backupPath; // the export written before the wipe ("" when none was)
    QString error;      // why nothing was wiped, or why the survivors were not kept
};

// Writes the whole store in the settings export format to a new dated file beside it
// ("settings-backup-2026-12-06T223000.json", never over an existing one), and only once that
// file is safely on disk deletes every "PLMDiary" setting, keeping the administrator's name and
// the lock flag as given. "PLMClock" is left alone.
PanicOutcome panicWipe(SettingsStore &store, const QString &adminName, bool locked,
                       const QDateTime &now);

// The backup name for a moment: the second is enough; a second wipe within it gets "-2", "-3"...
QString backupFileName(const QDateTime &now, int attempt = 1);

} // namespace vidorev::admin
