#pragma once

#include "clocks/absence_book.h"
#include "clocks/away_sense.h"
#include "clocks/running_jobs.h"
#include "platform/services.h"

#include <QElapsedTimer>
#include <QFrame>

class QLabel;
class QPushButton;

namespace vidorev {

class AwayWatcher;

// The question asked when the user comes back to a running clock: how long they were away,
// and whether to keep that time, stop the clock when the absence began, or leave the absence
// out. It sits at the top of the main window whatever page shows, never as a dialog, so the
// alarms go on; it stays until answered, and shows again after a restart while unanswered.
// It feeds the watcher's reports and its own quarter-minute tick (a wall clock that jumped: a
// sleep) to the user's AbsenceBook.
class AwayFrame : public QFrame {
    Q_OBJECT
public:
    // Takes the watcher over and starts it once the event loop runs.
    AwayFrame(Services services, AwayWatcher *watcher, QWidget *parent = nullptr);

    QString user() const { return m_user; }
    // Asks about the user's pending absence, if any.
    void setUser(const QString &user);
    // One tick of the timer: a wall-clock jump, and the idle time at most once a minute while
    // a clock runs.
    void tick();

signals:
    // An answer changed a clock (a Stop, or a run that leaves the absence out).
    void timingChanged();

private:
    void absent(const std::optional<Absence> &absence);
    void showPending();
    void answer(AwayChoice choice);

    Services m_services;
    RunningJobs m_jobs;
    AbsenceBook m_book;
    AwaySense m_sense;
    AwayWatcher *m_watcher;
    QElapsedTimer m_steady;
    qint64 m_lastIdlePoll = -1;
    QString m_user;

    QLabel *m_text = nullptr;    // lblAway
    QLabel *m_problem = nullptr; // lblAwayProblem
    QPushButton *m_keep = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_leaveOut = nullptr;
};

} // namespace vidorev
