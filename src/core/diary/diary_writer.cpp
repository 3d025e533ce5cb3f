#include "diary/diary_writer.h"

#include "diary/diary_record.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"

namespace vidorev {

DiaryWriter::DiaryWriter(SettingsStore &store, QString hostVersionTag, QString versionText)
    : m_store(store)
    , m_hostTag(std::move(hostVersionTag))
    , m_versionText(std::move(versionText)) {}

QString DiaryWriter::diaryPath(const QString &user) const {
    return m_store.get(keys::kAppDiary, user, keys::kFileKey, keys::kNoDiaryPath);
}

diary::AppendResult DiaryWriter::append(const QString &user, const QString &record,
                                        const QDateTime &at, QString *error) {
    QStringList lines{record};
    const bool upgrade = m_store.get(keys::kAppDiary, user, keys::kCompat) != m_hostTag;
    if (upgrade)
        lines << diary::upgradeRecord(user, m_versionText, at);
    const diary::AppendResult result = diary::appendLines(diaryPath(user), lines, error);
    // "Compat" moves only once the Upgrade line is safely on disk.
    if (upgrade && result == diary::AppendResult::Appended)
        m_store.save(keys::kAppDiary, user, keys::kCompat, m_hostTag);
    return result;
}

diary::AppendResult DiaryWriter::appendPlain(const SettingsStore &store, const QString &user,
                                             const QString &record, QString *error) {
    const QString path = store.get(keys::kAppDiary, user, keys::kFileKey, keys::kNoDiaryPath);
    return diary::appendLines(path, {record}, error);
}

} // namespace vidorev
