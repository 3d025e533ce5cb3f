#include "diary_log/data_mining_panel.h"

#include "diary_log/job_collector_view.h"
#include "diary_log/job_reports.h"
#include "platform/settings_keys.h"
#include "widgets/background_run.h"
#include "widgets/controls.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidorev {

namespace {
const QString kHelp = QStringLiteral(
    "Copy the User's log into a tab-delimited-text table format.  Fields in order, in the "
    "resulting table: CustomerCode, JobName, Start time, end time, any cashflow, the minutes "
    "worked, and the text of any memo.  Memo-fields write a record to the table with the job "
    "identification and the memo.  The job times are written in a record without any memo, "
    "following the memo record.  Output goes to [UserName].tab in the same directory as the log "
    "file.");
} // namespace

DataMiningPanel::DataMiningPanel(Services services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_run(std::make_unique<widgets::BackgroundRun>()) {
    m_frame = controls::frame(QStringLiteral("Frame1"), QStringLiteral("Data Miner "), this);

    m_spinner = new QLineEdit(m_frame);
    m_spinner->setObjectName(QStringLiteral("txtSpinner"));
    m_spinner->setAccessibleName(QStringLiteral("txtSpinner"));
    m_spinner->setReadOnly(true);
    m_spinner->setMaximumWidth(48);
    controls::keepReadOnly(m_spinner);
    m_runButton = controls::button(QStringLiteral("Command2"), QStringLiteral("Run"));
    m_step = controls::button(QStringLiteral("Command3"), QStringLiteral("Step/test"));
    m_ok = controls::button(QStringLiteral("Command1"), QStringLiteral("OK"));

    m_status = new QLabel(m_frame);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto *help = new QLabel(kHelp, m_frame);
    help->setObjectName(QStringLiteral("Label1"));
    help->setWordWrap(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_spinner);
    buttons->addWidget(m_runButton);
    buttons->addWidget(m_step);
    buttons->addWidget(m_ok);
    buttons->addStretch();

    auto *frameLayout = new QVBoxLayout(m_frame);
    frameLayout->addWidget(help);
    frameLayout->addLayout(buttons);
    frameLayout->addWidget(m_status);
    for (int i = 0; i < diary::DataMiner::kCollectors; ++i) {
        auto *job = new JobCollectorView(m_frame);
        job->setObjectName(QStringLiteral("JobSum%1").arg(i + 1));
        job->setCollector(&m_miner.collector(i));
        // Six rows of the same boxes: a screen reader says which row it is in.
        controls::nameRow(job, QStringLiteral("Job %1").arg(i + 1));
        frameLayout->addWidget(job);
        m_jobs[i] = job;
    }
    frameLayout->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_frame);

    setTabOrder(m_runButton, m_step);
    setTabOrder(m_step, m_ok);
    setFocusProxy(m_runButton);

    connect(m_runButton, &QPushButton::clicked, this, &DataMiningPanel::run);
    connect(m_step, &QPushButton::clicked, this, &DataMiningPanel::stepTest);
    connect(m_ok, &QPushButton::clicked, this, &DataMiningPanel::ok);
    connect(m_run.get(), &widgets::BackgroundRun::progress, this, [this] {
        // The next frame after the one showing, so every report visibly turns it.
        int frame = 0;
        while (frame < 4 && diary::kMineSpinner[frame] != m_spinner->text())
            ++frame;
        controls::showText(m_spinner, diary::kMineSpinner[(frame + 1) % 4]);
    });
    connect(m_run.get(), &widgets::BackgroundRun::finished, this, &DataMiningPanel::runEnded);
    m_runButton->setEnabled(false);
    m_step->setEnabled(false);
}

DataMiningPanel::~DataMiningPanel() {
    // The run's end is not delivered to a panel that is going away.
    m_run->disconnect(this);
}

bool DataMiningPanel::isRunning() const {
    return m_run->isRunning();
}

void DataMiningPanel::waitForRun() {
    m_run->wait();
}

void DataMiningPanel::setUser(const QString &user) {
    if (isRunning())
        return;
    m_user = user;
    m_okWhenDone = false;
    const QString diaryPath =
        m_services.store.get(keys::kAppDiary, user, keys::kFileKey, keys::kNoDiaryPath);
    const diary::ReportResult opened = m_miner.open(user, diaryPath);
    m_runButton->setEnabled(opened.ok);
    m_step->setEnabled(opened.ok);
    if (!opened.ok) {
        controls::showText(m_spinner, QString());
        setMessage(QStringLiteral("No table written: %1").arg(opened.error));
        showState();
        return;
    }
    setMessage(QStringLiteral("Creating %1").arg(opened.output));
    controls::showText(m_spinner, m_miner.spinner());
    stepTest();
}

void DataMiningPanel::stepTest() {
    if (isRunning() || !m_miner.isOpen())
        return;
    m_miner.step();
    controls::showText(m_spinner, m_miner.spinner());
    if (m_miner.atEnd())
        endOfDiary();
    showState();
}

void DataMiningPanel::run() {
    if (isRunning() || !m_miner.isOpen())
        return;
    m_runButton->setEnabled(false);
    m_step->setEnabled(false);
    // The collectors belong to the run until it ends.
    for (JobCollectorView *job : m_jobs)
        job->setEnabled(false);
    m_run->start([this](const widgets::BackgroundRun::Progress &progress) {
        const diary::ReportResult result = m_miner.runRest(progress);
        return result.ok ? QString() : result.error;
    });
}

void DataMiningPanel::runEnded() {
    for (JobCollectorView *job : m_jobs)
        job->setEnabled(true);
    controls::showText(m_spinner, m_miner.spinner());
    // A Diary that could not be read to its end leaves the old table; finish() says why.
    endOfDiary();
    showState();
    if (m_okWhenDone)
        ok();
}

void DataMiningPanel::endOfDiary() {
    m_runButton->setEnabled(false);
    m_step->setEnabled(false);
    // Nothing is left to take in, so the table is complete: put it in place now rather than
    // leave it unwritten until "OK".
    closeTable();
}

void DataMiningPanel::closeTable() {
    if (!m_miner.isOpen())
        return;
    const diary::ReportResult result = m_miner.finish();
    QString said = result.ok ? QStringLiteral("Written %1").arg(result.output)
                             : QStringLiteral("No table written: %1").arg(result.error);
    // Lines whose figures were left out of the table, so its sums are not taken for the Diary's.
    if (!m_miner.badLines().isEmpty())
        said += QStringLiteral(" (%1)").arg(m_miner.badLines().summary());
    setMessage(said);
}

void DataMiningPanel::ok() {
    if (isRunning()) {
        // Finish the table first; the panel is left when the run ends.
        m_okWhenDone = true;
        return;
    }
    m_okWhenDone = false;
    m_runButton->setEnabled(true);
    m_step->setEnabled(true);
    closeTable();
    showState();
    emit menuRequest();
}

void DataMiningPanel::showState() {
    for (JobCollectorView *job : m_jobs)
        job->refresh();
}

void DataMiningPanel::setMessage(const QString &text) {
    m_message = text;
    m_status->setText(text);
}

} // namespace vidorev
