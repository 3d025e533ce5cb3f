#include "clocks/job_tracker_panel.h"

#include "widgets/controls.h"

#include "clocks/absence_book.h"
#include "clocks/job_tracker.h"
#include "clocks/task_clock.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vidorev {

namespace {

QLabel *helpLabel(const QString &name, const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

QLabel *columnCaption(const QString &text, int width, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setAccessibleName(text);
    if (width > 0)
        label->setFixedWidth(width);
    return label;
}

} // namespace

JobTrackerPanel::JobTrackerPanel(Services services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_jobs(services.store, services.clock) {
    m_frame1 = controls::frame(QStringLiteral("Frame1"), QStringLiteral("Tracking jobs for"), this);
    m_userLabel = new QLabel(m_frame1);
    // A label without a name of its own is read by its text: here the user's name.
    m_userLabel->setObjectName(QStringLiteral("Label8"));
    QFont bold = m_userLabel->font();
    bold.setBold(true);
    m_userLabel->setFont(bold);

    // Column captions over the clocks' boxes; the buttons' column stays blank.
    auto *captions = new QHBoxLayout;
    captions->addWidget(columnCaption(QStringLiteral("Job Name"), 0, m_frame1), 1);
    captions->addWidget(columnCaption(QStringLiteral("Hours"), TaskClock::kHoursWidth, m_frame1));
    captions->addWidget(columnCaption(QStringLiteral("Code"), TaskClock::kCodeWidth, m_frame1));

    auto *frameLayout = new QVBoxLayout(m_frame1);
    frameLayout->addWidget(m_userLabel);
    frameLayout->addLayout(captions);
    for (int n = 1; n <= job_tracker::kClockCount; ++n) {
        auto *clock = new TaskClock(services.store, m_jobs, m_frame1);
        clock->setObjectName(QStringLiteral("TaskClock%1").arg(n));
        controls::nameRow(clock, QStringLiteral("Clock %1").arg(n));
        frameLayout->addWidget(clock);
        m_clocks[std::size_t(n - 1)] = clock;
        connect(clock, &TaskClock::clockPosted, this, [this, clock] { clockPosted(clock); });
        connect(clock, &TaskClock::notSaved, this, [this](const QString &reason) {
            showHelp(SettingsStore::notSavedMessage(reason));
        });
    }
    controls::onEachMinute(this, [this] {
        for (TaskClock *c : m_clocks)
            c->showTime();
    });
    // The Start/Stop buttons' and the state's width are known only now; the captions leave
    // them blank.
    const QSize buttons = clock(1)->findChild<QWidget *>(QStringLiteral("Command1"))->sizeHint();
    const int state = clock(1)->findChild<QWidget *>(QStringLiteral("lblState"))->width();
    captions->addSpacing(2 * buttons.width() + state + 3 * captions->spacing());

    m_annotate = controls::button(QStringLiteral("Command4"), QStringLiteral("Annotate"), QString(),
                                  m_frame1);
    m_help =
        controls::button(QStringLiteral("Command2"), QStringLiteral("Help"), QString(), m_frame1);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_annotate);
    buttonRow->addStretch();
    buttonRow->addWidget(m_help);
    frameLayout->addLayout(buttonRow);

    m_frame2 =
        controls::frame(QStringLiteral("Frame2"), QStringLiteral("Help on Job Tracker"), this);
    m_problem = helpLabel(QStringLiteral("lblDiaryProblem"), QString(), m_frame2);
    m_problem->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    auto *helpLayout = new QVBoxLayout(m_frame2);
    helpLayout->addWidget(m_problem);
    helpLayout->addWidget(helpLabel(QStringLiteral("Label1"),
                                    QStringLiteral("Job Tracker is five clocks to track time "
                                                   "spent on jobs"),
                                    m_frame2));
    helpLayout->addWidget(helpLabel(
        QStringLiteral("Label2"),
        QStringLiteral("When you start any of the five clocks, any other that is already running "
                       "will halt, so that time charged to the interuption is not also charged "
                       "to the job that was interupted"),
        m_frame2));
    helpLayout->addWidget(helpLabel(
        QStringLiteral("Label3"),
        QStringLiteral("Hours add up until you change \"Job Name\". \"Code\" allows you to tie "
                       "diary events ( by using the \"Job Stamp\" button) to jobs, and to tie "
                       "several job names to one code for billing purposes."),
        m_frame2));
    helpLayout->addWidget(helpLabel(QStringLiteral("Label4"),
                                    QStringLiteral("Example: Code might be \"722\" or \"Jones\", "
                                                   "Job Name might be \"Check timing\" or "
                                                   "\"Install replacements.\""),
                                    m_frame2));
    // How long the user may be away from a running clock before being asked about it.
    auto *awayLabel = new QLabel(
        QStringLiteral("Ask about an absence of at least (minutes, 0 = never)"), m_frame2);
    m_awayMinutes = new QSpinBox(m_frame2);
    m_awayMinutes->setObjectName(QStringLiteral("spnAwayMinutes"));
    m_awayMinutes->setAccessibleName(awayLabel->text());
    m_awayMinutes->setRange(0, 24 * 60);
    m_awayMinutes->setKeyboardTracking(false); // saved when typed whole, not per digit
    awayLabel->setBuddy(m_awayMinutes);
    auto *awayRow = new QHBoxLayout;
    awayRow->addWidget(awayLabel);
    awayRow->addWidget(m_awayMinutes);
    awayRow->addStretch();
    helpLayout->addLayout(awayRow);
    m_helpOk =
        controls::button(QStringLiteral("Command3"), QStringLiteral("OK"), QString(), m_frame2);
    helpLayout->addWidget(m_helpOk, 0, Qt::AlignLeft);
    helpLayout->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_frame1);
    layout->addWidget(m_frame2);
    layout->addStretch();
    m_frame2->hide();
    m_problem->hide();
    m_annotate->setEnabled(false);
    // No clock works before the tracker has a user.
    for (TaskClock *c : m_clocks)
        c->setEnabled(false);

    connect(m_annotate, &QPushButton::clicked, this, &JobTrackerPanel::annotateRequest);
    connect(m_help, &QPushButton::clicked, this, [this] { showHelp(QString()); });
    connect(m_helpOk, &QPushButton::clicked, this, &JobTrackerPanel::hideHelp);
    connect(m_awayMinutes, &QSpinBox::valueChanged, this, [this](int minutes) {
        if (job_tracker::acceptsUser(m_user) &&
            !AbsenceBook(m_services.store, m_jobs).setThresholdMinutes(m_user, minutes))
            showHelp(SettingsStore::notSavedMessage(m_services.store.lastError()));
    });
}

void JobTrackerPanel::setUser(const QString &user) {
    m_annotate->setEnabled(false);
    m_user = user;
    // Clocks still loaded for an earlier user must not time jobs into that user's Diary.
    const bool accepted = job_tracker::acceptsUser(user);
    for (TaskClock *c : m_clocks)
        c->setEnabled(accepted);
    if (!accepted) {
        showHelp(job_tracker::userRefusal(user));
        return;
    }
    m_userLabel->setText(user);
    {
        const QSignalBlocker loading(m_awayMinutes);
        m_awayMinutes->setValue(AbsenceBook(m_services.store, m_jobs).thresholdMinutes(user));
    }
    for (int n = 1; n <= job_tracker::kClockCount; ++n) {
        clock(n)->setUser(user);
        clock(n)->setWhich(job_tracker::clockId(n));
    }
    if (job_tracker::markContainer(m_services.store, user, objectName()))
        hideHelp();
    else
        showHelp(SettingsStore::notSavedMessage(m_services.store.lastError()));
    m_chain = m_jobs.chain(user);
    m_annotate->setEnabled(job_tracker::annotateOnLoad(m_chain));
}

void JobTrackerPanel::showEvent(QShowEvent *event) {
    // Another panel's clock may have halted or resumed one of these while this one was hidden.
    if (job_tracker::acceptsUser(m_user))
        reloadClocks();
    QWidget::showEvent(event);
}

void JobTrackerPanel::reloadClocks() {
    for (TaskClock *c : m_clocks)
        c->reload();
}

void JobTrackerPanel::clockPosted(TaskClock *clock) {
    const Posting &posting = clock->lastPosting();
    switch (posting.result) {
    case PostResult::DiaryMissing:
    case PostResult::DiaryFailed:
    case PostResult::NameRefused:
        // Nothing changed: the clock shows what it showed, and the help frame says why.
        clock->reload();
        showHelp(job_tracker::postingMessage(posting));
        return;
    case PostResult::NotAllowed:
        // The clock was not where this panel last saw it: show the store as it stands.
        reloadClocks();
        return;
    case PostResult::Posted:
    case PostResult::StoreFailed:
        break;
    }
    m_annotate->setEnabled(false);
    reloadClocks();
    m_chain = m_jobs.chain(m_user);
    m_annotate->setEnabled(job_tracker::annotateAfterPost(m_chain));
    if (posting.result == PostResult::StoreFailed)
        showHelp(job_tracker::postingMessage(posting));
    else
        m_problem->hide();
    emit timingChanged();
}

void JobTrackerPanel::showHelp(const QString &problem) {
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    m_frame1->hide();
    m_frame2->show();
    m_helpOk->setFocus();
}

void JobTrackerPanel::hideHelp() {
    m_frame2->hide();
    m_frame1->show();
}

} // namespace vidorev
