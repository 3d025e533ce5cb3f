#pragma once

#include "diary/diary_file.h"

#include <QDateTime>
#include <QString>

namespace vidorev {

class SettingsStore;

// Appends records to a user's Diary, the file named by the user's "FileKey".
class DiaryWriter {
public:
    DiaryWriter(SettingsStore &store, QString hostVersionTag, QString versionText);

    QString diaryPath(const QString &user) const;

    // Appends one record; on the user's first record since a change of program version the
    // Upgrade record follows it in the same write, and "Compat" is brought up to date.
    diary::AppendResult append(const QString &user, const QString &record, const QDateTime &at,
                               QString *error = nullptr);

    // Appends a record without the Upgrade check (clock Start/Stop lines, task files).
    static diary::AppendResult appendPlain(const SettingsStore &store, const QString &user,
                                           const QString &record, QString *error = nullptr);

    QString hostVersionTag() const { return m_hostTag; }
    void setHostVersionTag(const QString &tag) { m_hostTag = tag; }

private:
    SettingsStore &m_store;
    QString m_hostTag;
    QString m_versionText;
};

} // namespace vidorev
