#include "diary/event_add.h"

#include "widgets/controls.h"

#include "clocks/running_stack.h"
#include "diary/diary_record.h"
#include "diary/diary_writer.h"
#include "platform/settings_keys.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace vidorev {

namespace {
const QString kBadLogFile = QStringLiteral("*** BAD LOGFILE SPECIFICATION, EVENT NOT SAVED ***");
const QString kWriteFailed = QStringLiteral("*** DIARY WRITE FAILED, EVENT NOT SAVED: %1 ***");
} // namespace

EventAdd::EventAdd(Services services, DiaryWriter &writer, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_writer(writer) {
    m_frame = controls::frame(QStringLiteral("Frame1"),
                              QStringLiteral("Add Memo event to log file"), this);

    m_text = new QPlainTextEdit(m_frame);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setAccessibleName(QStringLiteral("Text1"));
    m_text->setTabChangesFocus(true);
    m_text->installEventFilter(this);

    m_status = new QLabel(m_frame);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setWordWrap(true);
    m_status->setStyleSheet(QStringLiteral("color: #a00000"));
    m_status->hide();

    m_amountLabel = new QLabel(
        QStringLiteral(
            "Enter any cashflow here, as in parts bought.Spent, or loans gotten=negative, "
            "income positive."),
        m_frame);
    m_amountLabel->setObjectName(QStringLiteral("Label2"));
    m_amountLabel->setWordWrap(true);
    m_amount = new QLineEdit(m_frame);
    m_amount->setObjectName(QStringLiteral("Text2"));
    m_amount->setAccessibleName(m_amountLabel->text());
    m_amountLabel->setBuddy(m_amount);
    m_amount->installEventFilter(this);

    m_ok = new QPushButton(QStringLiteral("OK"), m_frame);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), m_frame);
    m_cancel->setObjectName(QStringLiteral("Command3"));
    controls::leaveOnEscape(m_cancel);
    m_jobStamp = new QPushButton(QStringLiteral("JobStamp"), m_frame);
    m_jobStamp->setObjectName(QStringLiteral("Command4"));
    for (QPushButton *button : {m_ok, m_cancel, m_jobStamp})
        button->setAccessibleName(button->text());

    auto *help = new QLabel(
        QStringLiteral("Type text to be added to the log file.  The \"OK\" button posts and exits, "
                       "the Cancel button exits without saving.  The \"JobStamp\" button will "
                       "format the memo as being related to the current running job on the "
                       "DedUzedova, and exit.  If there is no job running, the JobStamp Button "
                       "will not work."),
        m_frame);
    help->setObjectName(QStringLiteral("Label1"));
    help->setWordWrap(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_jobStamp);
    buttons->addStretch();
    auto *frameLayout = new QVBoxLayout(m_frame);
    frameLayout->addWidget(m_text, 1);
    frameLayout->addWidget(m_status);
    frameLayout->addWidget(m_amountLabel);
    frameLayout->addWidget(m_amount);
    frameLayout->addLayout(buttons);
    frameLayout->addWidget(help);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_frame);

    connect(m_ok, &QPushButton::clicked, this, &EventAdd::ok);
    connect(m_cancel, &QPushButton::clicked, this, &EventAdd::cancel);
    connect(m_jobStamp, &QPushButton::clicked, this, &EventAdd::jobStamp);
    // Keyboard: Ctrl+Enter posts as "OK", Escape cancels; Enter alone is "JobStamp".
    for (const QKeySequence &key :
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto *shortcut = new QShortcut(key, this, this, &EventAdd::ok);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    }
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &EventAdd::cancel);
    escape->setContext(Qt::WidgetWithChildrenShortcut);

    setFocusProxy(m_text);
    setTabOrder(m_text, m_amount);
    setTabOrder(m_amount, m_ok);
    setTabOrder(m_ok, m_cancel);
    setTabOrder(m_cancel, m_jobStamp);
    setUser(QString());
}

void EventAdd::setUser(const QString &user) {
    m_user = user;
    m_message.clear();
    m_status->hide();
    m_chain = m_services.store.get(keys::kAppDiary, user, keys::kStack, QString());
    const bool running = m_chain.size() > 2;
    m_jobStamp->setEnabled(running);
    m_amountLabel->setVisible(running);
    m_amount->setVisible(running);
}

QString EventAdd::hostVer() const {
    return m_writer.hostVersionTag();
}

void EventAdd::setHostVer(const QString &tag) {
    m_writer.setHostVersionTag(tag);
}

void EventAdd::setAuxString(const QString &text) {
    m_auxString = text;
    append(diary::noteRecord(m_auxId, text, m_services.clock.now()));
}

bool EventAdd::append(const QString &record) {
    QString error;
    switch (m_writer.append(m_user, record, m_services.clock.now(), &error)) {
    case diary::AppendResult::Appended:
        m_message.clear();
        m_text->clear();
        m_amount->clear();
        break;
    case diary::AppendResult::Missing:
        m_message = kBadLogFile;
        break;
    case diary::AppendResult::Failed:
        m_message = kWriteFailed.arg(error);
        break;
    }
    // The message stands beside the text, which stays as typed, so nothing the user wrote is
    // lost and a second "OK" cannot post the message itself as an event.
    say(m_message);
    return m_message.isEmpty();
}

void EventAdd::say(const QString &message) {
    m_message = message;
    m_status->setText(m_message);
    m_status->setVisible(!m_message.isEmpty());
}

void EventAdd::ok() {
    // An event has no amount: one typed stays in its box rather than being dropped unseen.
    if (!m_amount->isHidden() && !m_amount->text().trimmed().isEmpty()) {
        say(QStringLiteral("An event has no amount: use \"JobStamp\" for %1, or empty its box.")
                .arg(m_amount->text().trimmed()));
        return;
    }
    // A record that did not reach the Diary keeps the panel open with the reason in view.
    if (append(diary::eventRecord(m_text->toPlainText(), m_services.clock.now())))
        emit eventClosed();
}

void EventAdd::cancel() {
    m_text->clear();
    m_amount->clear();
    say(QString());
    emit eventClosed();
}

void EventAdd::jobStamp() {
    if (m_chain.size() < 2)
        return;
    m_task = running_stack::top(m_chain);
    const QString job = m_services.store.get(keys::kAppDiary, m_task, keys::kJob, QString());
    const QString name = m_services.store.get(keys::kAppDiary, m_task, keys::kTaskName, QString());
    const std::optional<QString> amount = diary::diaryAmount(m_amount->text());
    if (!amount) {
        say(QStringLiteral("Not saved: %1 is not an amount (type it as %2)")
                .arg(m_amount->text().trimmed(), QLocale().toString(12.5, 'f', 2)));
        return;
    }
    if (append(
            diary::memoRecord(job, *amount, name, m_text->toPlainText(), m_services.clock.now())))
        emit memoPosted();
}

bool EventAdd::eventFilter(QObject *watched, QEvent *event) {
    if ((watched == m_text || watched == m_amount) && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (enter && modifiers == Qt::NoModifier) {
            jobStamp();
            return true; // Enter never reaches the box.
        }
        if (enter && modifiers == Qt::ShiftModifier && watched == m_text) {
            m_text->insertPlainText(QStringLiteral("\n"));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vidorev
