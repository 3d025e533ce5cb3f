#include "admin/panic_wipe.h"

#include "admin/admin_rules.h"
#include "platform/settings_cli.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
                       const QDateTime &now) {
    PanicOutcome outcome;
    const QString folder = QFileInfo(store.path()).absolutePath();
    const QString path = claimBackupName(folder, now, &outcome.error);
    if (path.isEmpty())
        return outcome;

    QSaveFile file(path);
    // Unbuffered: a refused write is seen by write(), not lost in a flush commit() ignores.
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (written) {
        // The backup holds everything the store does: for its owner's eyes only.
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const QByteArray json = exportSettingsJson(store);
        written = file.write(json) == json.size() && file.commit();
    }
    if (!written) {
        outcome.error = QStringLiteral("the backup %1 could not be written: %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString());
        file.cancelWriting();
        QFile::remove(path); // our own empty claim, nothing else
        return outcome;
    }
    outcome.backupPath = QDir::toNativeSeparators(path);

    SettingsStore::Batch batch(store);
    store.remove(keys::kAppDiary);
    store.save(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold, adminName);
    store.save(keys::kAppDiary, keys::kSecAdmin, keys::kLocked, lockedText(locked));
    if (!batch.commit()) {
        outcome.error = QStringLiteral("nothing was wiped: %1").arg(store.lastError());
        return outcome;
    }
    outcome.wiped = true;
    return outcome;
}

} // namespace vidorev::admin
