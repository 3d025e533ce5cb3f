#pragma once

#include "clocks/away_sense.h"
#include "clocks/running_jobs.h"

#include <QString>

#include <optional>

namespace vidorev {

class SettingsStore;

// An absence waiting for the user's answer, and the clock that ran through it.
struct PendingAbsence {
    Absence span;
    QString section; // the clock that ran
    QString job;
    QString taskName;
    // The clock still runs the run that went through the absence, so its minutes can be
    // changed; otherwise (stopped, halted or started again since) only keeping them is left.
    bool changeable = false;
};

// What the user answers about an absence.
enum class AwayChoice {
    Keep,        // the time stays counted: nothing is written but the answer
    StopAtStart, // a Stop whose minutes end when the absence began, stamped now
    LeaveOut,    // the clock runs on; a Note says so and its tally leaves the absence out
};

// The absences a user is asked about, kept in the store under the user's section so a restart
// asks again, and the three answers as actions on the running-job stack: each is at most one
// Diary record and one store transaction, as a Start or Stop is.
//
// An absence is asked about when the clock at the top of the stack ran through it and it lasted
// the user's threshold ("AwayMinutes", default 10, 0: never); one reported while another waits
// for the same clock widens it (the answer covers both). A Stop resumes the clock beneath at
// the moment of the answer, as the Stop button does: that clock was halted while the user was
// away, so nothing of the absence is in its tally.
class AbsenceBook {
public:
    AbsenceBook(SettingsStore &store, RunningJobs &jobs);

    int thresholdMinutes(const QString &user) const;
    [[nodiscard]] bool setThresholdMinutes(const QString &user, int minutes);

    std::optional<PendingAbsence> pending(const QString &user) const;

    // The desktop reports an absence: true when it is now waiting for an answer. False when
    // it does not count (too short, nothing ran, detection off) or the store refused it.
    bool note(const QString &user, const Absence &absence);

    // Carries out the answer about the pending absence. NotAllowed when none waits, or a change
    // was asked of a clock that no longer runs as it did (Keep is always taken).
    Posting answer(const QString &user, AwayChoice choice);

    // "away from 10:00 to 12:10", as the records say it.
    static QString span(const Absence &absence);

private:
    std::vector<RunningJobs::Write> cleared(const QString &user) const;

    SettingsStore &m_store;
    RunningJobs &m_jobs;
};

} // namespace vidorev
