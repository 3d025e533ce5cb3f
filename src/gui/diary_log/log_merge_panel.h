#pragma once

#include "diary_log/log_merge.h"
#include "platform/services.h"
#include "widgets/background_run.h"

#include <QWidget>

#include <atomic>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vidorev {

// Joins two Diaries into a third in order of time. The host feeds the path box from its file
// picker; the three buttons take the box's path as input 1, input 2 and the output. The merge
// runs off the window's thread; its button's caption shows how far it has got.
class LogMergePanel : public QWidget {
    Q_OBJECT
public:
    explicit LogMergePanel(Services services, QWidget *parent = nullptr);

    QString path() const;
    void setPath(const QString &path);

    QString input1() const { return m_input1; }
    QString input2() const { return m_input2; }
    QString output() const { return m_output; }
    bool isRunning() const { return m_run.isRunning(); }
    // The last outcome or refusal shown to the user; empty when there is none.
    QString message() const;

signals:
    // A merge ran to its end, written or failed (not when it was refused before it began).
    void mergeEnded();

private:
    void choose(QString *target, QLineEdit *shown);
    void execute();
    void start(bool replaceExisting);
    void showProgress(qint64 done, qint64 total);
    void finish();
    void askToReplace(bool ask);
    void showMessage(const QString &text);

    Services m_services;
    QString m_input1;
    QString m_input2;
    QString m_output;
    QString m_runOutput; // the output of the merge running or last run

    QLineEdit *m_pathBox = nullptr;   // FilePathName
    QLineEdit *m_shown1 = nullptr;    // txtInFile1
    QLineEdit *m_shown2 = nullptr;    // txtInFile2
    QLineEdit *m_shownOut = nullptr;  // txtOutFile
    QPushButton *m_execute = nullptr; // Execute
    QGroupBox *m_replace = nullptr;   // frmReplace
    QLabel *m_replaceText = nullptr;  // lblReplace
    QPushButton *m_replaceYes = nullptr;
    QLabel *m_status = nullptr; // lblStatus

    // Written by the merge's thread, read when its progress and end arrive here.
    std::atomic_int m_writing{1};
    std::shared_ptr<diary::MergeResult> m_outcome;
    // Last: destroyed first, so a running merge ends before the rest of the panel goes.
    widgets::BackgroundRun m_run;
};

} // namespace vidorev
