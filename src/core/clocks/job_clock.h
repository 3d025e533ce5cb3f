#pragma once

#include "calc_special/money_text.h"
#include "clocks/running_jobs.h"

#include <QString>

namespace vidorev {

class SettingsStore;

// What one job clock row shows, as its rules decide it.
struct JobClockView {
    QString name;
    QString code;
    ClockStatus status = ClockStatus::Stop;
    int minutes = 0; // the stored tally; the hours box shows the tally so far / 60, to the cent
    QDateTime runningSince; // a running clock's start
    bool startEnabled = true;
    bool stopEnabled = false;
    bool boxesLocked = false;
};

// One of the job tracker's five clocks: the section user + "TC1".."TC5", its boxes' rules and
// its Start and Stop on the shared running-job stack.
class JobClock {
public:
    JobClock(SettingsStore &store, RunningJobs &jobs);

    QString user() const { return m_user; }
    // Stores the user name only; write it before which().
    void setUser(const QString &user) { m_user = user; }
    QString which() const { return m_which; }
    // Sets the clock id and loads the clock from the store.
    void setWhich(const QString &id);
    void reload() { setWhich(m_which); }

    QString section() const { return m_user + m_which; }
    const JobClockView &view() const { return m_view; }
    // The tally so far, a running clock's current run included.
    int minutesNow() const;
    // The record of the last Start or Stop.
    QString text() const { return m_posting.record; }
    const Posting &lastPosting() const { return m_posting; }

    // A changed name or code starts a new tally. Only an idle clock takes edits; false when the
    // clock is not idle or the store refused the edit (then saveError() says why).
    bool setName(const QString &name);
    bool setCode(const QString &code);
    // Why the last refused edit was not saved; empty when the clock only was not idle.
    QString saveError() const { return m_saveError; }

    Posting start();
    Posting stop();

private:
    bool edit(const QString &key, const QString &value);

    SettingsStore &m_store;
    RunningJobs &m_jobs;
    QString m_user;
    QString m_which;
    JobClockView m_view;
    Posting m_posting;
    QString m_saveError;
};

} // namespace vidorev
