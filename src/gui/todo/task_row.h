#pragma once

#include "clocks/running_jobs.h"
#include "platform/services.h"
#include "todo/task_chain.h"
#include "todo/task_slot.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace vidorev {

class MoneyBox;

// One row of a to-do list: the task box, its hours, its clock button and the buttons that
// finish, drop and move the task. It shows one node of one list and keeps nothing else.
class TaskRow : public QWidget {
    Q_OBJECT
public:
    TaskRow(Services services, RunningJobs &jobs, QWidget *parent = nullptr);

    // The list prefix; clears the boxes.
    QString user() const { return m_chain.prefix(); }
    void setUser(const QString &prefix);
    // The user whose running-job stack the clock uses.
    QString root() const { return m_root; }
    void setRoot(const QString &user) { m_root = user; }
    // The node id; writing it loads the row.
    QString ident() const { return m_node; }
    void setIdent(const QString &node);
    QString follower() const { return m_view.next; }
    void setFollower(const QString &node);
    QString leader() const { return m_view.prior; }
    void setLeader(const QString &node);

    QString memoText() const { return m_memoText; }
    qsizetype length() const;
    QString text() const;
    void setText(const QString &text);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption) { m_caption = caption; }
    bool error() const { return m_view.unlinked; }
    QString charged() const;
    // Shows the hours so far again (a running clock's grow each minute).
    void showTime();
    // How the last press of the clock button went.
    const Posting &lastPosting() const { return m_posting; }

    QLineEdit *taskBox() const { return m_task; }

signals:
    void memoReady();
    void clockPosted();
    void taskEntered();
    void linksChanged();
    // The store refused the row's change: nothing of it was kept.
    void notSaved(const QString &reason);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addTask(bool byEnter);
    void removeTask(todo::Outcome outcome);
    void pressClock();
    void move(bool down);
    void showClock(ClockStatus status);
    void setHours(int minutes);
    // Shows a task's text, locked when there is one; not an edit of the user's.
    void showTask(const QString &text);

    Services m_services;
    RunningJobs &m_jobs;
    TaskChain m_chain;
    QString m_root;
    QString m_node;
    QString m_caption;
    QString m_memoText;
    todo::SlotView m_view;
    Posting m_posting;
    bool m_loading = false;

    QLineEdit *m_task = nullptr;     // Text1
    MoneyBox *m_hours = nullptr;     // txtTime
    QPushButton *m_clock = nullptr;  // cmdTime
    QPushButton *m_finish = nullptr; // cmdOK
    QPushButton *m_drop = nullptr;   // cmdLose
    QPushButton *m_down = nullptr;   // cmdDn
    QPushButton *m_up = nullptr;     // cmdUp
};

} // namespace vidorev
