#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace vidorev {

class SettingsStore;

// `vidorev diary VERB ...` for scripts and billing without a display. args are the words after
// "diary". Returns the exit code: 0 done, 1 failure (the reason on err), 2 usage error (the
// usage on err). Data goes to out; progress goes to err only when showProgress (a terminal).
// When outIsTerminal, text from the Diary is printed with its control characters shown.
int runDiaryCommand(const QStringList &args, SettingsStore &store, QTextStream &out,
                    QTextStream &err, bool showProgress = false, bool outIsTerminal = false);

QString diaryUsage();

} // namespace vidorev
