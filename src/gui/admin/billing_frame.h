#pragma once

#include "diary_log/line_reader.h"
#include "diary_log/report_file.h"
#include "platform/services.h"

#include <QGroupBox>

#include <functional>

class QLineEdit;
class QPushButton;

namespace vidorev {

class LinkedSetNavigator;
namespace widgets {
class BackgroundRun;
}

// The billing frame ("Frame4"): its own user list picks whose Diary the reports read; the
// boxes hold the job code, the extract's folder, and the progress the reports show.
class BillingFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit BillingFrame(Services services, QWidget *parent = nullptr);

    // Sets the list up on the desk's users, showing user, its box locked.
    void setUser(const QString &user);

    // The user the reports are for, and their Diary: both "" when the user shown has none.
    QString reportUser() const { return m_reportUser; }
    QString reportDiary() const { return m_reportDiary; }

    QLineEdit *progressBox() const { return m_progress; }
    QLineEdit *folderBox() const { return m_folder; }
    QLineEdit *jobCodeBox() const { return m_jobCode; }
    QLineEdit *spinnerBox() const { return m_spinner; }
    QPushButton *jobCodeListButton() const { return m_jobCodeList; }
    QPushButton *workOrderButton() const { return m_workOrder; }
    QPushButton *extractButton() const { return m_extract; }
    QPushButton *dataMinerButton() const { return m_dataMiner; }

    // Waits for a report being written (tests).
    void waitForReport();

signals:
    void done();
    // "DataMiner - Scan All" for the user shown, who has a Diary.
    void dataMinerRequest(const QString &user);

private:
    void selectShownUser();
    // Runs one report off the window's thread; a press while one runs does nothing.
    using Report =
        std::function<diary::ReportResult(const diary::ReportProgress &, diary::BadLines *)>;
    void runReport(const QString &output, Report report);

    Services m_services;
    QString m_reportUser;
    QString m_reportDiary;
    LinkedSetNavigator *m_users = nullptr; // ListSpider1
    QLineEdit *m_progress = nullptr;       // Text8
    QLineEdit *m_folder = nullptr;         // Text7
    QLineEdit *m_jobCode = nullptr;        // Text6
    QLineEdit *m_spinner = nullptr;        // txtSpin
    QPushButton *m_jobCodeList = nullptr;  // cmdJCList
    QPushButton *m_workOrder = nullptr;    // cmdMakeWO
    QPushButton *m_extract = nullptr;      // Command12
    QPushButton *m_dataMiner = nullptr;    // Command19
    widgets::BackgroundRun *m_run = nullptr;
    diary::ReportResult m_result;
    diary::BadLines m_bad; // the lines the last report did not count
    int m_spin = 0;
};

} // namespace vidorev
