#include "clocks/task_clock.h"

#include "widgets/controls.h"

#include "calc_special/money_box.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vidorev {

TaskClock::TaskClock(SettingsStore &store, RunningJobs &jobs, QWidget *parent)
    : QWidget(parent)
    , m_clock(store, jobs) {
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Text1"));
    m_name->setAccessibleName(QStringLiteral("Job Name"));
    // Room for a job's name to be read, whatever the window's width.
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(u'x') * 20);
    controls::tipWholeText(m_name);
    m_hours = new MoneyBox(this);
    m_hours->setObjectName(QStringLiteral("Text2"));
    m_hours->setLocked(true);
    m_hours->setAccessibleName(QStringLiteral("Hours"));
    m_hours->box()->setAccessibleName(QStringLiteral("Hours"));
    m_hours->setFixedWidth(kHoursWidth);
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("Text3"));
    m_code->setAccessibleName(QStringLiteral("Code"));
    m_code->setFixedWidth(kCodeWidth);
    m_start =
        controls::button(QStringLiteral("Command1"), QStringLiteral("Start"), QString(), this);
    m_stop = controls::button(QStringLiteral("Command2"), QStringLiteral("Stop"), QString(), this);
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("lblState"));
    m_state->setFixedWidth(m_state->fontMetrics().horizontalAdvance(QStringLiteral("paused ")));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_name, 1);
    layout->addWidget(m_hours);
    layout->addWidget(m_code);
    layout->addWidget(m_start);
    layout->addWidget(m_stop);
    layout->addWidget(m_state);
    setTabOrder(m_name, m_code);
    setTabOrder(m_code, m_hours);
    setTabOrder(m_hours, m_start);
    setTabOrder(m_start, m_stop);

    m_name->installEventFilter(this);
    m_code->installEventFilter(this);
    connect(m_name, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (m_loading)
            return;
        // A clock that does not take the edit shows its stored name again.
        if (!m_clock.setName(text))
            reload();
        display(m_clock.view());
        if (!m_clock.saveError().isEmpty())
            emit notSaved(m_clock.saveError());
    });
    connect(m_code, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (m_loading)
            return;
        if (!m_clock.setCode(text))
            reload();
        display(m_clock.view());
        if (!m_clock.saveError().isEmpty())
            emit notSaved(m_clock.saveError());
    });
    connect(m_start, &QPushButton::clicked, this, &TaskClock::start);
    connect(m_stop, &QPushButton::clicked, this, &TaskClock::stop);
    display(m_clock.view());
}

void TaskClock::setWhich(const QString &id) {
    m_clock.setWhich(id);
    display(m_clock.view());
}

void TaskClock::reload() {
    if (m_clock.which().isEmpty())
        return;
    m_clock.reload();
    display(m_clock.view());
}

void TaskClock::display(const JobClockView &view) {
    m_loading = true;
    // Only differing text is set, so the cursor stays where the user is typing.
    if (m_name->text() != view.name) {
        m_name->setText(view.name);
        if (!m_name->hasFocus())
            m_name->setCursorPosition(0); // a long name shows how it starts
    }
    if (m_code->text() != view.code)
        m_code->setText(view.code);
    m_name->setReadOnly(view.boxesLocked);
    m_code->setReadOnly(view.boxesLocked);
    m_start->setEnabled(view.startEnabled);
    m_stop->setEnabled(view.stopEnabled);
    showTime();
    // A halted clock says so, in words and to a screen reader.
    const bool paused = view.status == ClockStatus::Halt;
    m_state->setText(paused ? QStringLiteral("paused") : QString());
    const QString state = paused ? QStringLiteral("Paused while another clock runs")
                          : view.status == ClockStatus::Run ? QStringLiteral("Running")
                                                            : QString();
    m_hours->setAccessibleDescription(state);
    m_hours->box()->setAccessibleDescription(state);
    m_state->setAccessibleName(state);
    m_loading = false;
}

void TaskClock::showTime() {
    m_hours->setCents(money::hoursCents(m_clock.minutesNow()));
}

void TaskClock::start() {
    if (!m_clock.view().startEnabled)
        return;
    const bool posted = m_clock.start().result == PostResult::Posted;
    display(m_clock.view());
    emit clockPosted();
    if (posted)
        m_stop->setFocus();
}

void TaskClock::stop() {
    if (!m_clock.view().stopEnabled)
        return;
    const bool posted = m_clock.stop().result == PostResult::Posted;
    display(m_clock.view());
    emit clockPosted();
    if (posted)
        m_start->setFocus();
}

bool TaskClock::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress && (watched == m_name || watched == m_code)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool tab = key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier;
        if (watched == m_name && enter) {
            start(); // does nothing while "Start" is disabled
            return true;
        }
        if (watched == m_name && tab) {
            m_code->setFocus(Qt::TabFocusReason);
            return true;
        }
        // Tab goes on through the row (a Tab back to the name box would trap the keyboard in
        // these two boxes); Enter returns to the name box.
        if (watched == m_code && enter) {
            m_name->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vidorev
