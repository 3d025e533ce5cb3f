#include "admin/panic_wipe.h"

#include "admin/admin_rules.h"
#include "platform/file_output.h"
#include "platform/settings_cli.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace vidorev::admin {

namespace {
constexpr int kMaxAttempts = 100;

// Claims a name no file has yet, so that writing the backup cannot replace another one.
QString claimBackupName(const QString &folder, const QDateTime &now, QString *error) {
    for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
        const QString path = QDir(folder).filePath(backupFileName(now, attempt));
        const int fd = ::open(QFile::encodeName(path).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST) {
            *error = QStringLiteral("cannot write a backup in %1: %2")
                         .arg(QDir::toNativeSeparators(folder),
                              QString::fromLocal8Bit(std::strerror(errno)));
            return {};
        }
    }
    *error = QStringLiteral("no free backup name in %1").arg(QDir::toNativeSeparators(folder));
    return {};
}
} // namespace

QString backupFileName(const QDateTime &now, int attempt) {
    const QString stem =
        QStringLiteral("settings-backup-") + now.toString(QStringLiteral("yyyy-MM-ddTHHmmss"));
    return (attempt <= 1 ? stem : stem + u'-' + QString::number(attempt)) + QStringLiteral(".json");
}

PanicOutcome panicWipe(SettingsStore &store, const QString &adminName, bool locked,
                       const QDateTime &now,
                       const std::function<void(qint64 done, qint64 total)> &progress) {
    PanicOutcome outcome;
    const QString folder = QFileInfo(store.path()).absolutePath();
    const QString path = claimBackupName(folder, now, &outcome.error);
    if (path.isEmpty())
        return outcome;

    // The backup and the wipe see one state of the store: the wipe is refused if it changed.
    SettingsStore::Batch batch(store, SettingsStore::Batch::Mode::ReadThenWrite);
    // It holds everything the store does: for its owner's eyes only.
    files::ReplaceFile file;
    const bool written =
        file.open(path, 0600) &&
        writeSettingsJson(
            store, [&file](QByteArrayView bytes) { return file.write(bytes); }, progress) &&
        file.commit();
    if (!written) {
        outcome.error = QStringLiteral("the backup could not be written: %1").arg(file.error());
        file.cancel();
        QFile::remove(path); // our own empty claim, nothing else
        return outcome;
    }
    outcome.backupPath = QDir::toNativeSeparators(path);

    store.remove(keys::kAppDiary);
    store.save(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold, adminName);
    store.save(keys::kAppDiary, keys::kSecAdmin, keys::kLocked, lockedText(locked));
    if (!batch.commit()) {
        outcome.error = QStringLiteral("the wipe was refused: %1").arg(store.lastError());
        return outcome;
    }
    outcome.wiped = true;
    return outcome;
}

} // namespace vidorev::admin
