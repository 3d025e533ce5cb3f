#pragma once

#include <QStringList>

class QTextStream;

namespace vidorev {

class SettingsStore;

// `vidorev diary new --user NAME PATH`: makes an empty Diary at PATH (never over an existing
// file, readable only by its owner), adds NAME to the desk's user list and points NAME's
// "FileKey" at it. args are the words after "new". Returns the exit code: 0 done, 1 failure
// (the reason on err), 2 usage error.
int runDiaryNew(const QStringList &args, SettingsStore &store, QTextStream &out, QTextStream &err);

QString diaryNewUsage();

} // namespace vidorev
