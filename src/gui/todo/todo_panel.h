#pragma once

#include "clocks/running_jobs.h"
#include "platform/services.h"
#include "todo/task_chain.h"
#include "todo/todo_book.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace vidorev {

class TaskRow;

// The to-do list panel: the user's own list and seven job lists of 22 rows each, seven rows on
// show on one of four overlapping pages.
class TodoPanel : public QWidget {
    Q_OBJECT
public:
    explicit TodoPanel(Services services, QWidget *parent = nullptr);

    // The last task record the panel has to deliver.
    QString memo() const { return m_memo; }
    void setMemo(const QString &memo) { m_memo = memo; }
    QString user() const { return m_user; }
    // Sets the panel up for the user and loads the list on show.
    void setUser(const QString &user);
    // Shows the list and page of the task being timed.
    void showHot();
    // Says something the user must see, such as a task record that missed the Diary.
    void showNotice(const QString &text);

    todo::Page page() const { return m_page; }
    QString listPrefix() const { return m_chain.prefix(); }
    TaskRow *row(int k) const { return m_rows[size_t(k - 1)]; }

signals:
    void memoReady();
    void annotateRequest();
    void timingChanged();

private:
    void chooseList(int index);
    void loadList();
    // Both false when the store refused the writes (then the page stays as it was).
    [[nodiscard]] bool layOut();
    void showPage();
    [[nodiscard]] bool setPage(todo::Page page);
    // Says that the store refused the user's action, with its reason.
    void showRefusal();
    void rowMemo(int k);
    void rowEntered(int k);
    void rowClock(int k);
    void copyList();
    std::array<qsizetype, 22> lengths() const;

    Services m_services;
    RunningJobs m_jobs;
    TaskChain m_chain;
    QString m_user;
    QString m_title;
    QString m_memo;
    todo::Page m_page = todo::Page::Top;
    std::array<QString, todo::kJobLists> m_titles;

    QGroupBox *m_frame = nullptr;
    std::array<QPushButton *, 8> m_listButtons{}; // cmdUserDef, cmdDoJob1..7
    std::array<TaskRow *, 22> m_rows{};
    TaskRow *m_head = nullptr; // DoElement23
    QPushButton *m_pageUp = nullptr;
    QPushButton *m_pageDown = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_help = nullptr;
    QPushButton *m_annotate = nullptr;
    QGroupBox *m_helpFrame = nullptr;
    QLabel *m_status = nullptr;
};

} // namespace vidorev
