#include "shell/diary_new.h"

#include "admin/diary_create.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"
#include "todo/linked_set.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace vidorev {

QString diaryNewUsage() {
    return QStringLiteral("usage: vidorev [--store PATH] diary new --user NAME PATH\n");
}

int runDiaryNew(const QStringList &args, SettingsStore &store, QTextStream &out, QTextStream &err) {
    QString user;
    QString path;
    bool haveUser = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--user") && i + 1 < args.size() && !haveUser) {
            user = args[++i];
            haveUser = true;
        } else if (!args[i].startsWith(QLatin1String("--")) && path.isEmpty()) {
            path = args[i];
        } else {
            err << diaryNewUsage();
            return 2;
        }
    }
    // The window offers a Diary only to user names of two characters or more.
    if (!haveUser || user.trimmed().size() < 2 || path.isEmpty()) {
        err << diaryNewUsage();
        return 2;
    }
    // The store keeps a full path: a relative one would change meaning with the folder.
    const QString full = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const admin::CreateResult made = admin::createEmptyDiary(full);
    switch (made.outcome) {
    case admin::CreateOutcome::Created:
        break;
    case admin::CreateOutcome::Exists:
        err << "vidorev: " << full
            << ": a file is already there; it was left as it is (to use it as the Diary: "
               "vidorev settings set PLMDiary "
            << user << " FileKey " << full << ")\n";
        return 1;
    case admin::CreateOutcome::Refused:
    case admin::CreateOutcome::Failed:
        err << "vidorev: " << full << ": " << made.reason << '\n';
        return 1;
    }

    SettingsStore::Batch batch(store);
    todo::LinkedSet users(store);
    users.setHostIdent(keys::kAppDiary);
    users.setElement(user);
    store.save(keys::kAppDiary, user, keys::kFileKey, full);
    if (!batch.commit()) {
        // The file is ours and empty: leave no Diary that no user points at.
        QFile::remove(full);
        err << "vidorev: " << user << ": the Diary was not recorded: " << store.lastError() << '\n';
        return 1;
    }
    out << full << '\n';
    return 0;
}

} // namespace vidorev
