#pragma once

#include "clocks/running_jobs.h"
#include "platform/services.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace vidorev {

class TaskClock;

// The job tracker: five job clocks on the user's running-job stack, "Annotate" and a help frame.
class JobTrackerPanel : public QWidget {
    Q_OBJECT
public:
    explicit JobTrackerPanel(Services services, QWidget *parent = nullptr);

    QString user() const { return m_user; }
    // Sets the tracker up for the user and loads the five clocks; a name it does not accept
    // (shorter than three characters, or holding ":") starts nothing and the help frame says
    // why.
    void setUser(const QString &user);

    TaskClock *clock(int n) const { return m_clocks.at(std::size_t(n - 1)); }

signals:
    void annotateRequest();
    // A clock's record was appended and the five clocks reloaded.
    void timingChanged();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void clockPosted(TaskClock *clock);
    void reloadClocks();
    void showHelp(const QString &problem);
    void hideHelp();

    Services m_services;
    RunningJobs m_jobs;
    QString m_user;
    QString m_chain;

    QGroupBox *m_frame1 = nullptr;
    QLabel *m_userLabel = nullptr; // Label8
    std::array<TaskClock *, 5> m_clocks{};
    QPushButton *m_annotate = nullptr; // Command4
    QPushButton *m_help = nullptr;     // Command2
    QGroupBox *m_frame2 = nullptr;
    QPushButton *m_helpOk = nullptr;   // Command3
    QLabel *m_problem = nullptr;       // why the last Start or Stop was not recorded
    QSpinBox *m_awayMinutes = nullptr; // spnAwayMinutes: the user's away threshold
};

} // namespace vidorev
