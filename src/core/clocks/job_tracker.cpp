#include "clocks/job_tracker.h"

#include "platform/settings_keys.h"
#include "platform/settings_store.h"

#include <optional>

namespace vidorev::job_tracker {

QString clockId(int n) {
    return keys::kSufJobClock + QString::number(n);
}

bool acceptsUser(const QString &user) {
    return user.size() >= 3;
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

QString postingMessage(const Posting &posting) {
    switch (posting.result) {
    case PostResult::Posted:
    case PostResult::NotAllowed:
        return {};
    case PostResult::DiaryMissing:
        return QStringLiteral("The Diary file is missing: this Start or Stop was not "
                              "recorded and no clock changed.");
    case PostResult::DiaryFailed:
        return QStringLiteral("The Diary file could not be written (%1): this Start or Stop "
                              "was not recorded and no clock changed.")
            .arg(posting.error);
    case PostResult::StoreFailed:
        return QStringLiteral("The Diary has the record, but the settings could not be saved "
                              "(%1): no clock changed.")
            .arg(posting.error);
    }
    return {};
}

} // namespace vidorev::job_tracker
