#pragma once

#include "clocks/running_jobs.h"

#include <QString>

#include <vector>

namespace vidorev {
class SettingsStore;
}

// The clocks the desktop's tray offers outside the panels: each job clock with a job name, and
// each to-do task clock on the running-job stack, with the Start or Stop its own button would do.
namespace vidorev::tray_clocks {

enum class Action { None, Start, Stop };

struct Entry {
    QString section;
    int jobClock = 0; // 1..5 for a job tracker clock, 0 for a to-do task clock
    Action action = Action::None;
    QString label; // "Start 722 Fix printer", "Stop 722 Fix printer (35 min)"
};

// The job tracker's named clocks in order (none for a user it does not accept), then the to-do
// task clocks on the stack, oldest first. A halted clock is listed with no action, as its buttons
// are off.
std::vector<Entry> entries(const RunningJobs &jobs, const QString &user);

// Whether a clock runs, and the tray's tooltip: the running job and its minutes so far.
bool running(const RunningJobs &jobs, const QString &user);
QString toolTip(const RunningJobs &jobs, const QString &user);

// The entry's Start or Stop, through the same calls as the clock's own button: a Start halts the
// running job, a Stop resumes the one it interrupted, and the Diary gets the same record.
Posting act(SettingsStore &store, RunningJobs &jobs, const QString &user, const Entry &entry);

} // namespace vidorev::tray_clocks
