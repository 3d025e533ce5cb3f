#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

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
// ("settings-backup-2026-12-06T223000.json", never over an existing one nor through a link,
// readable by its owner only), and only once that file is safely on disk deletes every
// "PLMDiary" setting, keeping the administrator's name and the lock flag as given. "PLMClock" is
// left alone. What is wiped is what the backup holds: when the store changes while the backup
// is written, nothing is wiped. progress(done, total) counts the values backed up. Takes long
// on a large store: run it off the window's thread, on a connection of its own.
PanicOutcome panicWipe(SettingsStore &store, const QString &adminName, bool locked,
                       const QDateTime &now,
                       const std::function<void(qint64 done, qint64 total)> &progress = {});

// The backup name for a moment: the second is enough; a second wipe within it gets "-2", "-3"...
QString backupFileName(const QDateTime &now, int attempt = 1);

} // namespace vidorev::admin
