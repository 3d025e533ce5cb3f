#include "clocks/away_frame.h"

#include "clocks/away_watcher.h"
#include "clocks/job_tracker.h"
#include "widgets/controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

namespace vidorev {

namespace {
constexpr qint64 kIdlePollMs = 60 * 1000;

// "45 min", "2 h", "2 h 10 min".
QString duration(int minutes) {
    if (minutes < 60)
        return QStringLiteral("%1 min").arg(minutes);
    if (minutes % 60 == 0)
        return QStringLiteral("%1 h").arg(minutes / 60);
    return QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

QString hoursMinutes(const QDateTime &at) {
    return at.time().toString(QStringLiteral("HH:mm"));
}

// "job 722 (Check timing)", "job 722", "Check timing".
QString jobText(const PendingAbsence &p) {
    if (p.job.isEmpty())
        return p.taskName.isEmpty() ? QStringLiteral("a clock") : p.taskName;
    if (p.taskName.isEmpty())
        return QStringLiteral("job ") + p.job;
    return QStringLiteral("job %1 (%2)").arg(p.job, p.taskName);
}

} // namespace

AwayFrame::AwayFrame(Services services, AwayWatcher *watcher, QWidget *parent)
    : QFrame(parent)
    , m_services(services)
    , m_jobs(services.store, services.clock)
    , m_book(services.store, m_jobs)
    , m_watcher(watcher) {
    setObjectName(QStringLiteral("fraAway"));
    setAccessibleName(QStringLiteral("Away from the desk"));
    setFrameShape(QFrame::StyledPanel);
    // A pale yellow bar with dark text in light and dark themes alike (set by palette: a style
    // sheet would load the style-sheet engine at start for a bar that is seldom shown).
    QPalette bar = palette();
    bar.setColor(QPalette::Window, QColor(0xff, 0xf4, 0xc2));
    bar.setColor(QPalette::WindowText, Qt::black);
    setPalette(bar);
    setAutoFillBackground(true);
    m_watcher->setParent(this);
    m_steady.start();

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("lblAway"));
    m_text->setWordWrap(true);
    QFont bold = m_text->font();
    bold.setBold(true);
    m_text->setFont(bold);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("lblAwayProblem"));
    m_problem->setWordWrap(true);
    QPalette red = bar;
    red.setColor(QPalette::WindowText, QColor(0xb0, 0, 0));
    m_problem->setPalette(red);
    m_problem->hide();
    m_keep = controls::button(QStringLiteral("cmdAwayKeep"), QStringLiteral("Keep the time"),
                              QStringLiteral("Count the absence on the clock"), this);
    m_stop = controls::button(QStringLiteral("cmdAwayStop"), QString(),
                              QStringLiteral("Stop the clock when the absence began"), this);
    m_leaveOut = controls::button(
        QStringLiteral("cmdAwayLeaveOut"), QStringLiteral("Don't count the absence"),
        QStringLiteral("Keep the clock running without the absence"), this);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_keep, m_stop, m_leaveOut})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_problem);
    layout->addLayout(buttons);
    hide();

    connect(m_keep, &QPushButton::clicked, this, [this] { answer(AwayChoice::Keep); });
    connect(m_stop, &QPushButton::clicked, this, [this] { answer(AwayChoice::StopAtStart); });
    connect(m_leaveOut, &QPushButton::clicked, this, [this] { answer(AwayChoice::LeaveOut); });

    const auto now = [this] { return m_services.clock.now(); };
    connect(m_watcher, &AwayWatcher::lockChanged, this, [this, now](bool locked) {
        if (locked)
            m_sense.began(AwaySense::Source::Lock, now());
        else
            absent(m_sense.ended(AwaySense::Source::Lock, now()));
    });
    connect(m_watcher, &AwayWatcher::sleepChanged, this, [this, now](bool sleeping) {
        if (sleeping)
            m_sense.began(AwaySense::Source::Sleep, now());
        else
            absent(m_sense.ended(AwaySense::Source::Sleep, now()));
    });
    connect(m_watcher, &AwayWatcher::idleTime, this, [this, now](qint64 ms) {
        absent(m_sense.idle(now(), ms, m_book.thresholdMinutes(m_user)));
    });
    // Whoever reads the program's log learns once what the desktop lacks; the clock-jump
    // check goes on without it.
    connect(m_watcher, &AwayWatcher::unavailable, this, [](const QString &what) {
        std::fprintf(stderr, "vidorev: away detection: %s\n", qPrintable(what));
    });
    controls::onEachMinute(this, [this] { tick(); });
    // The buses are joined once the first frame is up, as the tray is looked for: connecting
    // loads the D-Bus machinery and starts its thread, which a first frame does not need.
    QTimer::singleShot(500, m_watcher, &AwayWatcher::start);
}

void AwayFrame::setUser(const QString &user) {
    m_user = user;
    m_problem->hide();
    showPending();
}

void AwayFrame::tick() {
    // A clock stopped or started elsewhere since the question came up changes what it offers.
    if (isVisible())
        showPending();
    if (m_user.isEmpty() || m_book.thresholdMinutes(m_user) == 0) {
        m_sense.reset();
        return;
    }
    const qint64 steady = m_steady.elapsed();
    absent(m_sense.tick(m_services.clock.now(), steady));
    if ((m_lastIdlePoll < 0 || steady - m_lastIdlePoll >= kIdlePollMs) &&
        !m_jobs.chain(m_user).isEmpty()) {
        m_lastIdlePoll = steady;
        m_watcher->pollIdle();
    }
}

void AwayFrame::absent(const std::optional<Absence> &absence) {
    if (absence && m_book.note(m_user, *absence))
        showPending();
}

void AwayFrame::showPending() {
    const std::optional<PendingAbsence> p = m_book.pending(m_user);
    if (!p) {
        hide();
        return;
    }
    QString text = QStringLiteral("Away %1–%2 (%3) while %4 ran.")
                       .arg(hoursMinutes(p->span.from), hoursMinutes(p->span.to),
                            duration(p->span.minutes()), jobText(*p));
    if (!p->changeable)
        text += QStringLiteral(" That clock has stopped or started again since, so its time "
                               "can only be kept.");
    m_text->setText(text);
    m_stop->setText(QStringLiteral("Stop at ") + hoursMinutes(p->span.from));
    m_stop->setAccessibleName(m_stop->text());
    m_stop->setEnabled(p->changeable);
    m_leaveOut->setEnabled(p->changeable);
    show();
}

void AwayFrame::answer(AwayChoice choice) {
    const Posting posting = m_book.answer(m_user, choice);
    const QString problem = job_tracker::postingMessage(posting, QStringLiteral("the answer"));
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    showPending();
    if (posting.result == PostResult::Posted && choice != AwayChoice::Keep)
        emit timingChanged();
}

} // namespace vidorev
