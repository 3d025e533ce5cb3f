#pragma once

#include "diary_log/data_miner.h"
#include "platform/services.h"

#include <QWidget>

#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vidorev {

class JobCollectorView;
namespace widgets {
class BackgroundRun;
}

// Copies a user's Diary into the tab-separated billing table "[user].tab" beside it: line by
// line ("Step/test") or all the rest ("Run", off the window's thread), with the six job
// collectors in view.
class DataMiningPanel : public QWidget {
    Q_OBJECT
public:
    explicit DataMiningPanel(Services services, QWidget *parent = nullptr);
    ~DataMiningPanel() override;

    QString user() const { return m_user; }
    // Opens the user's Diary, begins their table anew and takes in its first line.
    void setUser(const QString &user);

    // The status line: the table being written or written, or why not.
    QString message() const { return m_message; }
    bool isRunning() const;
    // Blocks until a running "Run" has ended and been shown (tests, closing).
    void waitForRun();

signals:
    void menuRequest();

private:
    void stepTest();
    void run();
    void ok();
    void runEnded();
    void endOfDiary();
    void closeTable();
    void showState();
    void setMessage(const QString &text);

    Services m_services;
    QString m_user;
    QString m_message;
    diary::DataMiner m_miner;
    // Declared after the miner: it goes first, waiting for a run that still uses the miner.
    std::unique_ptr<widgets::BackgroundRun> m_run;
    bool m_okWhenDone = false;

    QGroupBox *m_frame = nullptr;
    QLineEdit *m_spinner = nullptr;
    QPushButton *m_runButton = nullptr;
    QPushButton *m_step = nullptr;
    QPushButton *m_ok = nullptr;
    QLabel *m_status = nullptr;
    JobCollectorView *m_jobs[diary::DataMiner::kCollectors] = {};
};

} // namespace vidorev
