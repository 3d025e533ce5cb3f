#pragma once

#include <QDate>
#include <QStringList>

class QTextStream;

namespace vidorev {

class SettingsStore;

// `vidorev diary chart (--user NAME | --file PATH) [--week 2026-W49] --png FILE`: the hours
// chart of a week as a picture, and its hours per job as text, without a window. Needs a
// QGuiApplication (the offscreen platform does). Returns 0 done, 1 failure, 2 usage error.
// When outIsTerminal, job codes are printed with their control characters shown.
int runChartCommand(const QStringList &args, SettingsStore &store, QTextStream &out,
                    QTextStream &err, const QDate &today, bool outIsTerminal = false);

QString chartUsage();

} // namespace vidorev
