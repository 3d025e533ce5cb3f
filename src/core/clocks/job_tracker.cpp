#include "clocks/job_tracker.h"

#include "clocks/running_stack.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"

#include <optional>

namespace vidorev::job_tracker {

QString clockId(int n) {
    return keys::kSufJobClock + QString::number(n);
}

namespace {
const QString kColonRefused =
    QStringLiteral("A user name with \":\" cannot time jobs, since \":\" separates the "
                   "running jobs: no clock was started.");
} // namespace

bool acceptsUser(const QString &user) {
    return user.size() >= 3 && running_stack::fitsInChain(user);
}

QString userRefusal(const QString &user) {
    if (!running_stack::fitsInChain(user))
        return kColonRefused;
    if (user.size() < 3)
        return QStringLiteral("Job Tracker needs a user name of three characters or more: no "
                              "clock can start.");
    return {};
}

bool annotateOnLoad(const QString &chain) {
    return chain.size() > 2;
}

bool annotateAfterPost(const QString &chain) {
    return !chain.isEmpty();
}

bool markContainer(SettingsStore &store, const QString &user, const QString &containerName) {
    std::optional<SettingsStore::Batch> batch;
    for (int n = 1; n <= kClockCount; ++n) {
        const QString section = keys::jobClockSection(user, n);
        if (store.get(keys::kAppDiary, section, keys::kContainer) == containerName)
            continue;
        if (!batch)
            batch.emplace(store);
        store.save(keys::kAppDiary, section, keys::kContainer, containerName);
    }
    return !batch || batch->commit();
}

QString postingMessage(const Posting &posting, const QString &what) {
    switch (posting.result) {
    case PostResult::Posted:
    case PostResult::NotAllowed:
        return {};
    case PostResult::NameRefused:
        return kColonRefused;
    case PostResult::DiaryMissing:
        return QStringLiteral("The Diary file is missing: %1 was not recorded and no clock "
                              "changed.")
            .arg(what);
    case PostResult::DiaryFailed:
        return QStringLiteral("The Diary file could not be written (%1): %2 was not recorded "
                              "and no clock changed.")
            .arg(posting.error, what);
    case PostResult::StoreFailed:
        if (posting.record.isEmpty())
            return SettingsStore::notSavedMessage(posting.error);
        return QStringLiteral("The Diary has the record, but the settings could not be saved "
                              "(%1): no clock changed.")
            .arg(posting.error);
    }
    return {};
}

} // namespace vidorev::job_tracker
