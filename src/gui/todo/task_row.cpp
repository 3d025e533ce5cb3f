#include "todo/task_row.h"

#include "calc_special/money_box.h"
#include "calc_special/money_text.h"
#include "platform/settings_keys.h"
#include "widgets/controls.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace vidorev {

TaskRow::TaskRow(Services services, RunningJobs &jobs, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_jobs(jobs)
    , m_chain(services.store, QString()) {
    m_task = new QLineEdit(this);
    m_task->setObjectName(QStringLiteral("Text1"));
    m_task->setAccessibleName(QStringLiteral("Task"));
    m_task->setAccessibleDescription(QStringLiteral("Task Identifier"));
    // Room for a task to be read; the window's width gives it more.
    m_task->setMinimumWidth(m_task->fontMetrics().horizontalAdvance(u'x') * 20);
    // A task cut short by the row's width shows whole when pointed at.
    controls::tipWholeText(m_task, controls::TextTip::Always);
    controls::setRowPart(m_task, QString());
    // A task is locked once entered: no way in may rewrite what its records will name.
    controls::keepReadOnly(m_task);
    m_task->installEventFilter(this);

    m_hours = new MoneyBox(this);
    m_hours->setObjectName(QStringLiteral("txtTime"));
    m_hours->setToolTip(QStringLiteral("Time, decimal hours"));
    m_hours->setLocked(true);
    m_hours->setAccessibleName(QStringLiteral("Hours"));
    m_hours->box()->setAccessibleName(QStringLiteral("Hours"));
    controls::setRowPart(m_hours, QStringLiteral("hours"));
    controls::setRowPart(m_hours->box(), QStringLiteral("hours"));
    m_hours->setFixedWidth(64);

    m_clock = controls::button(QStringLiteral("cmdTime"), QString(),
                               QStringLiteral("Time job, \"#\" if running, \"0\" is interrupted."),
                               this, QStringLiteral("Task clock"));
    controls::setRowPart(m_clock, QStringLiteral("clock"));
    m_clock->setFixedWidth(28);
    m_finish = controls::button(QStringLiteral("cmdOK"), QStringLiteral("OK"),
                                QStringLiteral("Record job as finished"), this);
    m_drop = controls::button(QStringLiteral("cmdLose"), QStringLiteral("Cancel"),
                              QStringLiteral("Remove job from task list"), this);
    m_down = controls::button(QStringLiteral("cmdDn"), QStringLiteral("Dn"),
                              QStringLiteral("Move job down one line"), this);
    m_up = controls::button(QStringLiteral("cmdUp"), QStringLiteral("Up"),
                            QStringLiteral("Move job up one line"), this);
    for (QPushButton *b : {m_finish, m_drop, m_down, m_up})
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("Cancel")) + 16);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_task, 1);
    layout->addWidget(m_hours);
    layout->addWidget(m_clock);
    layout->addWidget(m_finish);
    layout->addWidget(m_drop);
    layout->addWidget(m_down);
    layout->addWidget(m_up);

    // A task given whole (by a screen reader, say) is entered as if typed and confirmed.
    connect(m_task, &QLineEdit::textChanged, this, [this] {
        if (!m_task->isReadOnly() && !m_loading && controls::wholeValueSet(m_task) &&
            !text().isEmpty())
            addTask(false);
    });
    connect(m_clock, &QPushButton::clicked, this, &TaskRow::pressClock);
    connect(m_finish, &QPushButton::clicked, this, [this] { removeTask(todo::Outcome::Finish); });
    connect(m_drop, &QPushButton::clicked, this, [this] { removeTask(todo::Outcome::Drop); });
    connect(m_down, &QPushButton::clicked, this, [this] { move(true); });
    connect(m_up, &QPushButton::clicked, this, [this] { move(false); });
}

void TaskRow::setUser(const QString &prefix) {
    m_chain.setPrefix(prefix);
    showTask(QString());
    setHours(0);
}

void TaskRow::setIdent(const QString &node) {
    m_node = node;
    m_view = todo::load(m_services.store, m_chain, node);
    showTask(m_view.text);
    showClock(m_view.status);
    setHours(m_view.soFarMinutes);
}

void TaskRow::setFollower(const QString &node) {
    m_view.next = node;
    m_chain.setNext(m_node, node);
}

void TaskRow::setLeader(const QString &node) {
    m_view.prior = node;
    m_chain.setPrior(m_node, node);
}

qsizetype TaskRow::length() const {
    return m_task->text().size();
}

QString TaskRow::text() const {
    return m_task->text();
}

void TaskRow::setText(const QString &text) {
    showTask(text);
}

void TaskRow::showTask(const QString &text) {
    m_loading = true;
    m_task->setReadOnly(false);
    m_task->setText(text);
    m_task->setCursorPosition(0); // a long task shows how it starts
    m_task->setReadOnly(!text.isEmpty());
    m_loading = false;
}

QString TaskRow::charged() const {
    return todo::charged(m_view.soFarMinutes);
}

void TaskRow::setHours(int minutes) {
    m_view.soFarMinutes = minutes;
    showTime();
}

void TaskRow::showTime() {
    m_hours->setCents(money::hoursCents(m_view.minutesAt(m_services.clock.now())));
}

void TaskRow::showClock(ClockStatus status) {
    switch (status) {
    case ClockStatus::Stop:
        m_clock->setText(QString());
        m_clock->setToolTip(QStringLiteral("Click to Start this JobClock"));
        break;
    case ClockStatus::Run:
        m_clock->setText(QStringLiteral("#"));
        m_clock->setToolTip(QStringLiteral("Timing this Job, Click to Stop"));
        break;
    case ClockStatus::Halt:
        m_clock->setText(QStringLiteral("0"));
        m_clock->setToolTip(QStringLiteral("Halted, other Job Running"));
        break;
    }
}

void TaskRow::addTask(bool byEnter) {
    if (m_node.isEmpty())
        return;
    QString error;
    const auto memo =
        todo::add(m_services.store, m_chain, m_node, m_view, m_caption, text(), &error);
    if (!error.isEmpty())
        emit notSaved(error);
    if (!memo)
        return;
    m_memoText = *memo;
    m_view.text = text();
    setHours(0);
    m_task->setReadOnly(true);
    if (byEnter)
        emit taskEntered();
    else
        emit memoReady();
}

void TaskRow::removeTask(todo::Outcome outcome) {
    const QString task = text();
    QString error;
    const auto memo =
        todo::remove(m_services.store, m_chain, m_node, outcome, m_caption, task, &error);
    if (!error.isEmpty())
        emit notSaved(error);
    if (!memo)
        return;
    m_memoText = *memo;
    m_view.text.clear();
    showTask(QString());
    setHours(0);
    emit memoReady();
    if (outcome == todo::Outcome::Finish) {
        const QString sound =
            m_services.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kPingCash, QString());
        if (sound.size() >= 3)
            m_services.sound.play(sound);
    }
}

void TaskRow::pressClock() {
    if (text().isEmpty())
        return;
    m_posting = todo::pressClock(m_jobs, m_root, m_chain, m_node, m_caption, text());
    if (m_posting.result == PostResult::Posted || m_posting.result == PostResult::StoreFailed)
        m_memoText = m_posting.record;
    // A halted clock only redraws; a refused one shows what the store holds.
    const ClockSection clock = m_jobs.load(m_chain.clockSection(m_node));
    m_view.status = clock.status;
    m_view.runningSince = clock.status == ClockStatus::Run ? clock.startTime : QDateTime();
    // A refused store kept the tally it had.
    if (m_posting.result == PostResult::Posted)
        setHours(m_posting.totalMinutes);
    showClock(clock.status);
    if (m_posting.result != PostResult::NotAllowed)
        emit clockPosted();
}

void TaskRow::move(bool down) {
    const bool moved = down ? m_chain.moveDown(m_node) : m_chain.moveUp(m_node);
    emit linksChanged();
    if (!moved)
        emit notSaved(m_services.store.lastError());
}

bool TaskRow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_task) {
        // Only moving to another control adds the task: a context menu or a switch to another
        // window takes the focus while the user is still typing.
        if (event->type() == QEvent::FocusOut && !m_task->isReadOnly()) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                addTask(false);
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                addTask(true);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vidorev
