#pragma once

#include "clocks/job_clock.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vidorev {

class MoneyBox;
class RunningJobs;
class SettingsStore;

// One job clock row: job name, hours, code, "Start" and "Stop".
class TaskClock : public QWidget {
    Q_OBJECT
public:
    TaskClock(SettingsStore &store, RunningJobs &jobs, QWidget *parent = nullptr);

    // The record of the last Start or Stop.
    QString text() const { return m_clock.text(); }
    // How the last Start or Stop went.
    const Posting &lastPosting() const { return m_clock.lastPosting(); }

    QString user() const { return m_clock.user(); }
    // Stores the user name only; write it before setWhich().
    void setUser(const QString &user) { m_clock.setUser(user); }
    QString which() const { return m_clock.which(); }
    // Sets the clock id ("TC1".."TC5") and loads the clock.
    void setWhich(const QString &id);
    void reload();
    // Shows the hours so far again (a running clock's grow each minute).
    void showTime();

    // Widths the job tracker's column captions line up with.
    static constexpr int kHoursWidth = 72;
    static constexpr int kCodeWidth = 96;

signals:
    void clockPosted();
    // The store refused an edit of the name or code; the boxes show the stored ones again.
    void notSaved(const QString &reason);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void display(const JobClockView &view);
    void start();
    void stop();

    JobClock m_clock;
    // Set while the boxes are filled from the store, so their change handlers write nothing.
    bool m_loading = false;

    QLineEdit *m_name = nullptr; // Text1
    MoneyBox *m_hours = nullptr; // Text2
    QLineEdit *m_code = nullptr; // Text3
    QPushButton *m_start = nullptr;
    QPushButton *m_stop = nullptr;
    QLabel *m_state = nullptr; // lblState: "paused" while another clock runs
};

} // namespace vidorev
