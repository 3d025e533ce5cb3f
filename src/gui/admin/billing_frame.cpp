#include "admin/billing_frame.h"

#include "diary_log/job_reports.h"
#include "platform/clock.h"
#include "platform/settings_keys.h"
#include "todo/linked_set_navigator.h"
#include "widgets/background_run.h"
#include "widgets/controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidorev {

namespace {
// The reports take a Diary path of more than five characters; anything shorter is no Diary.
constexpr int kShortestDiaryPath = 6;

} // namespace

BillingFrame::BillingFrame(Services services, QWidget *parent)
    : QGroupBox(QStringLiteral("Extract Billing data from logs"), parent)
    , m_services(services) {
    setObjectName(QStringLiteral("Frame4"));
    setAccessibleName(title());

    m_users = new LinkedSetNavigator(services);
    m_users->setObjectName(QStringLiteral("ListSpider1"));
    auto *userLabel = new QLabel(QStringLiteral("Report user"));
    if (auto *nameBox = m_users->findChild<QLineEdit *>(QStringLiteral("Text1"))) {
        nameBox->setAccessibleName(userLabel->text());
        userLabel->setBuddy(nameBox);
    }
    m_progress = controls::readOnlyBox(QStringLiteral("Text8"), QStringLiteral("Progress"));
    m_spinner = controls::readOnlyBox(QStringLiteral("txtSpin"), QStringLiteral("txtSpin"));
    m_spinner->setMaximumWidth(m_spinner->fontMetrics().horizontalAdvance(u'W') * 3);
    m_folder = controls::lineBox(QStringLiteral("Text7"), QStringLiteral("Folder"));
    m_jobCode = controls::lineBox(QStringLiteral("Text6"), QStringLiteral("Job Code"));

    m_jobCodeList = controls::button(QStringLiteral("cmdJCList"), QStringLiteral("List Job Codes"),
                                     QStringLiteral("Each code will be listed once"));
    m_workOrder = controls::button(QStringLiteral("cmdMakeWO"), QStringLiteral("Make Text File"),
                                   QStringLiteral("writes a clean file to \"'JobCode'.txt\""));
    m_extract = controls::button(QStringLiteral("Command12"), QStringLiteral("Extract Job Lines"),
                                 QStringLiteral("Scan the user's log for JobCode entries."));
    auto *extractNote =
        new QLabel(QStringLiteral("Writes all filtered lines to \"'user''JobCode'.txt\""));
    m_dataMiner = controls::button(QStringLiteral("Command19"),
                                   QStringLiteral("DataMiner - Scan All"), QString());
    QPushButton *ok = controls::button(QStringLiteral("cmdBillingOK"), QStringLiteral("OK"));

    auto *grid = new QGridLayout;
    const auto labelled = [grid](int row, const QString &text, QWidget *w) {
        auto *label = new QLabel(text);
        label->setBuddy(w);
        grid->addWidget(label, row, 0);
        grid->addWidget(w, row, 1);
    };
    grid->addWidget(userLabel, 0, 0);
    grid->addWidget(m_users, 0, 1);
    labelled(1, QStringLiteral("Job Code"), m_jobCode);
    labelled(2, QStringLiteral("Folder"), m_folder);
    auto *progressRow = new QHBoxLayout;
    progressRow->addWidget(m_progress, 1);
    progressRow->addWidget(m_spinner);
    grid->addWidget(new QLabel(QStringLiteral("Progress")), 3, 0);
    grid->addLayout(progressRow, 3, 1);
    grid->setColumnStretch(1, 1);

    auto *reports = new QGridLayout;
    reports->addWidget(m_jobCodeList, 0, 0);
    reports->addWidget(m_workOrder, 0, 1);
    reports->addWidget(m_extract, 1, 0);
    reports->addWidget(extractNote, 1, 1);
    reports->addWidget(m_dataMiner, 2, 0);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(reports);
    layout->addStretch();
    layout->addWidget(ok, 0, Qt::AlignRight);

    connect(m_users, &LinkedSetNavigator::elementChanged, this, &BillingFrame::selectShownUser);
    connect(ok, &QPushButton::clicked, this, &BillingFrame::done);

    m_run = new widgets::BackgroundRun(this);
    m_spinner->hide();
    connect(m_run, &widgets::BackgroundRun::progress, this,
            [this] { controls::showText(m_spinner, diary::kListSpinner[m_spin++ % 4]); });
    connect(m_jobCodeList, &QPushButton::clicked, this, [this] {
        const QString diary = m_reportDiary, user = m_reportUser;
        const QDateTime now = m_services.clock.now();
        runReport(diary::jobListPath(diary, user),
                  [diary, user, now](const diary::ReportProgress &progress, diary::BadLines *bad) {
                      return diary::writeJobCodeList(diary, user, now, progress, bad);
                  });
    });
    connect(m_workOrder, &QPushButton::clicked, this, [this] {
        const QString diary = m_reportDiary, code = m_jobCode->text();
        // No code, no file: the work order needs one of at least two characters.
        if (code.size() < 2) {
            controls::showText(m_progress, QStringLiteral("Type a job code first"));
            return;
        }
        const QString company =
            m_services.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kTittleName, QString());
        const QDateTime now = m_services.clock.now();
        runReport(diary::workOrderPath(diary, code),
                  [diary, code, company, now](const diary::ReportProgress &progress,
                                              diary::BadLines *bad) {
                      return diary::writeWorkOrder(diary, code, company, now, progress, bad);
                  });
    });
    connect(m_extract, &QPushButton::clicked, this, [this] {
        const QString diary = m_reportDiary, user = m_reportUser, code = m_jobCode->text();
        if (code.size() < 2) {
            controls::showText(m_progress, QStringLiteral("Type a job code first"));
            return;
        }
        if (m_folder->text().isEmpty() && diary::reportDiaryOk(diary))
            m_folder->setText(diary::diaryFolder(diary));
        const QString folder = m_folder->text();
        runReport(diary::jobExtractPath(diary, folder, user, code),
                  [diary, folder, user, code](const diary::ReportProgress &progress,
                                              diary::BadLines *bad) {
                      return diary::writeJobExtract(diary, folder, user, code, progress, bad);
                  });
    });
    connect(m_dataMiner, &QPushButton::clicked, this, [this] {
        if (diary::reportDiaryOk(m_reportDiary) && !m_run->isRunning())
            emit dataMinerRequest(m_reportUser);
    });
    connect(m_run, &widgets::BackgroundRun::finished, this, [this](const QString &) {
        for (QPushButton *b : {m_jobCodeList, m_workOrder, m_extract, m_dataMiner})
            b->setEnabled(true);
        m_spinner->hide();
        QString said = m_result.ok ? QStringLiteral("Written ") + m_result.output
                                   : QStringLiteral("Not written: ") + m_result.error;
        if (!m_bad.isEmpty())
            said += QStringLiteral(" (") + m_bad.summary() + u')';
        controls::showText(m_progress, said);
    });
}

void BillingFrame::runReport(const QString &output, Report report) {
    // Every report needs the selected user's Diary; without one the buttons do nothing.
    if (!diary::reportDiaryOk(m_reportDiary) || m_run->isRunning())
        return;
    controls::showText(m_progress, QStringLiteral("Creating ") + output);
    for (QPushButton *b : {m_jobCodeList, m_workOrder, m_extract, m_dataMiner})
        b->setEnabled(false);
    m_spinner->show();
    m_run->start([this, report](const diary::ReportProgress &progress) {
        m_bad = {};
        m_result = report(progress, &m_bad);
        return m_result.error;
    });
}

void BillingFrame::waitForReport() {
    m_run->wait();
}

void BillingFrame::setUser(const QString &user) {
    m_users->setHostIdent(keys::kAppDiary);
    m_users->setElement(user);
    m_users->setLocked(true);
    selectShownUser();
}

void BillingFrame::selectShownUser() {
    const QString user = m_users->element();
    const QString diary =
        m_services.store.get(keys::kAppDiary, user, keys::kFileKey, keys::kNoDiaryPath);
    if (diary.size() >= kShortestDiaryPath) {
        m_reportUser = user;
        m_reportDiary = diary;
        controls::showText(m_progress, QString());
    } else {
        m_reportUser.clear();
        m_reportDiary.clear();
        controls::showText(
            m_progress,
            user.isEmpty() ? QString() : QStringLiteral("%1 has no Diary to report on").arg(user));
    }
}

} // namespace vidorev
