#pragma once

#include "platform/settings_store.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <vector>

namespace vidorev {

class Clock;

enum class ClockStatus { Stop, Run, Halt };

// "Stop", "Run", "Halt"; anything else stored reads as "Stop".
ClockStatus parseClockStatus(const QString &text);
QString clockStatusText(ClockStatus status);

// One clock section as the store holds it: a job clock ("annTC1") or a to-do task clock
// ("annDoData5"). Values that are not numbers or dates read as the defaults.
struct ClockSection {
    QString section;
    ClockStatus status = ClockStatus::Stop;
    QDateTime startTime; // invalid when none is stored
    int soFar = 0;
    int byRun = 0;
    QString job;
    QString taskName;

    // The tally as it stands at now: a running clock's tally grows by the minutes since its
    // start, so a clock shows its total while it runs, not only once it halts or stops.
    int minutesAt(const QDateTime &now) const;
};

// What became of a Start or a Stop.
enum class PostResult {
    Posted,       // the record is in the Diary and the store agrees with it
    NotAllowed,   // the clock was not in a state that allows it: nothing changed
    NameRefused,  // the user name cannot stand on the running-job stack: nothing changed
    DiaryMissing, // no Diary file: nothing changed
    DiaryFailed,  // the Diary write failed: nothing changed
    StoreFailed,  // the record is in the Diary but the store refused it: no clock changed
};

struct Posting {
    PostResult result = PostResult::NotAllowed;
    QString record;       // the Start or Stop line
    int totalMinutes = 0; // the clock's tally after the action
    int runMinutes = 0;   // Stop: minutes of the run just ended
    QString error;        // DiaryFailed / StoreFailed: why
};

// The per-user running-job stack that every clock on the desk shares, and the Start and Stop
// of a clock on it. Starting a clock halts the running one (its tally and run grow by the
// minutes since its "StartTime") and pushes the new one; stopping pops it and resumes the one
// beneath. A Start or Stop is first written to the Diary and only then to the store, all of
// its store writes in one transaction, so the clocks never show a change the Diary lacks.
class RunningJobs {
public:
    RunningJobs(SettingsStore &store, const Clock &clock, QLocale locale = QLocale());

    QString chain(const QString &user) const;
    ClockSection load(const QString &section) const { return loadSection(m_store, section); }
    QDateTime now() const;
    static ClockSection loadSection(const SettingsStore &store, const QString &section);

    // Starts a stopped clock, recording jobCode and taskName as its "Job" and "TaskName".
    // Refused for a user or section that would break the stack (running_stack::fitsInChain).
    Posting start(const QString &user, const QString &section, const QString &jobCode,
                  const QString &taskName);
    // A store write that goes with an action.
    struct Write {
        QString section;
        QString key;
        QString value;
    };

    // Stops a running clock; its record carries the stored "Job" and "TaskName".
    Posting stop(const QString &user, const QString &section) {
        return stopAt(user, section, now(), QString());
    }
    // Stops a running clock as if at end (a moment of its current run, not after now): its
    // minutes run to end, its record is stamped now and ends with remark, and the clock beneath
    // resumes now, as at a Stop. also joins the action's one store transaction.
    Posting stopAt(const QString &user, const QString &section, const QDateTime &end,
                   const QString &remark, const std::vector<Write> &also = {});
    // Appends record and then makes writes in one store transaction, as a Start or Stop does.
    Posting post(const QString &user, const QString &record, const std::vector<Write> &writes);

private:
    Posting commit(SettingsStore::Batch &batch, const QString &user, Posting posting,
                   const std::vector<Write> &writes);

    SettingsStore &m_store;
    const Clock &m_clock;
    QLocale m_locale;
};

} // namespace vidorev
