#include "alarms/alarm_bank_panel.h"

#include "widgets/controls.h"

#include "alarms/alarm_row.h"
#include "alarms/daily_reset_label.h"
#include "platform/settings_keys.h"
#include "platform/text_forms.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vidorev {

namespace {
// Row-number labels of alarms 1 .. 8, as the frame names them.
const char *const kRowLabels[8] = {"Label5", "Label6",  "Label7",  "Label8",
                                   "Label9", "Label10", "Label11", "Label1"};
constexpr int kShownRows = 8;

} // namespace

AlarmBankPanel::AlarmBankPanel(Services services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_bank(services) {
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &AlarmBankPanel::tick);

    connect(&m_bank, &AlarmBank::alarmPing, this, &AlarmBankPanel::alarmPing);
    connect(&m_bank, &AlarmBank::alarmRang, this, &AlarmBankPanel::alarmRang);
    connect(&m_bank, &AlarmBank::alarmsReset, this, [this] {
        showRows();
        emit alarmsReset();
    });
}

void AlarmBankPanel::setVisible(bool visible) {
    if (visible)
        buildControls();
    QWidget::setVisible(visible);
}

AlarmRow *AlarmBankPanel::row(int n) {
    buildControls();
    return m_rows[std::size_t(n - 1)];
}

void AlarmBankPanel::buildControls() {
    if (m_frame1 != nullptr)
        return;
    m_frame1 = controls::frame(QStringLiteral("Frame1"), QStringLiteral("Alert Timers"), this);
    m_adminFrame =
        new QGroupBox(QStringLiteral(" Administrator's Aditional timers (9 - 14) "), m_frame1);
    m_adminFrame->setObjectName(QStringLiteral("frmAdminTimers"));
    m_adminFrame->setAccessibleName(m_adminFrame->title());

    auto *shown = new QGridLayout;
    auto *extra = new QGridLayout(m_adminFrame);
    for (int n = 1; n <= AlarmBank::count(); ++n) {
        QWidget *owner = n <= kShownRows ? static_cast<QWidget *>(m_frame1) : m_adminFrame;
        auto *number = new QLabel(QString::number(n), owner);
        number->setObjectName(n <= kShownRows ? QString::fromLatin1(kRowLabels[n - 1])
                                              : QStringLiteral("lblTimer%1").arg(n));
        auto *row = new AlarmRow(m_bank.alarm(n), owner);
        row->setObjectName(QStringLiteral("DownTime%1").arg(n));
        controls::nameRow(row, QStringLiteral("Alarm %1").arg(n));
        m_rows.push_back(row);
        connect(row, &AlarmRow::notSaved, this, [this](const QString &reason) {
            showNotice(SettingsStore::notSavedMessage(reason));
        });
        QGridLayout *grid = n <= kShownRows ? shown : extra;
        const int line = n <= kShownRows ? n - 1 : n - kShownRows - 1;
        grid->addWidget(number, line, 0, Qt::AlignTop | Qt::AlignRight);
        grid->addWidget(row, line, 1);
    }
    m_adminFrame->hide();

    auto *nowLabel = new QLabel(QStringLiteral("Now"), m_frame1);
    m_timeNow = new QLineEdit(m_frame1);
    m_timeNow->setObjectName(QStringLiteral("TimeNow"));
    m_timeNow->setAccessibleName(m_timeNow->objectName());
    m_timeNow->setReadOnly(true);
    controls::keepReadOnly(m_timeNow);
    m_timeNow->setMaximumWidth(
        m_timeNow->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00 PM")) + 16);
    nowLabel->setBuddy(m_timeNow);
    m_dailyResetLabel = new DailyResetLabel(m_frame1);
    m_adminButton = controls::button(QStringLiteral("cmdAdminTimers"), QStringLiteral("9 - 14"),
                                     QString(), m_frame1);
    m_adminButton->hide();
    auto *help =
        controls::button(QStringLiteral("Command2"), QStringLiteral("Help"), QString(), m_frame1);

    // Named by its text, so that a screen reader reads the message itself.
    m_notice = new QLabel(m_frame1);
    m_notice->setObjectName(QStringLiteral("lblNotSaved"));
    m_notice->setWordWrap(true);
    m_notice->setStyleSheet(QStringLiteral("color: #a00000"));
    m_notice->hide();

    auto *top = new QHBoxLayout;
    top->addWidget(nowLabel);
    top->addWidget(m_timeNow);
    top->addWidget(m_dailyResetLabel);
    top->addStretch();
    top->addWidget(m_adminButton);
    top->addWidget(help);
    auto *frameLayout = new QVBoxLayout(m_frame1);
    frameLayout->addLayout(top);
    frameLayout->addLayout(shown);
    frameLayout->addWidget(m_adminFrame);
    frameLayout->addWidget(m_notice);

    m_frame2 = controls::frame(QStringLiteral("Frame2"),
                               QStringLiteral("Help for the Alert Timers"), this);
    const QString helpText(QStringLiteral(
        "Each alarm has an on/off box, its time of day (24-hour, as 14:30), the minutes "
        "left until it goes off, and a slider that picks one of the sounds the "
        "administrator has set up. The \"X\" button opens its schedule: the days of the "
        "week it may sound on, the month-end choices, and whether holidays switch it "
        "off.\n\nAn alarm that goes off switches itself off; at one minute past midnight "
        "every alarm comes back on and its schedule decides for the new day.\n\nAlarms "
        "work only while this program is running, and they are shared by all users of "
        "this desk."));
    auto *ok = controls::fillHelpFrame(m_frame2, helpText);
    m_frame2->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_frame1);
    layout->addWidget(m_frame2);
    layout->addStretch();

    connect(m_adminButton, &QPushButton::clicked, this,
            [this] { m_adminFrame->setVisible(m_adminFrame->isHidden()); });
    connect(help, &QPushButton::clicked, this, [this] { showHelp(true); });
    connect(ok, &QPushButton::clicked, this, [this] { showHelp(false); });

    m_adminButton->setVisible(m_superUser);
    showRows();
}

void AlarmBankPanel::setClockRun(bool) {
    m_clockRun = true;
    if (!m_timer->isActive())
        m_timer->start();
}

void AlarmBankPanel::setUser(const QString &user) {
    m_userName = user;
    m_bank.reload();
    showRows();
    showHelp(false);
}

void AlarmBankPanel::setSuperUser(bool superUser) {
    m_superUser = superUser;
    if (m_adminButton != nullptr)
        m_adminButton->setVisible(superUser);
}

void AlarmBankPanel::tick() {
    const QDateTime now = m_services.clock.now();
    m_bank.tick(now);
    // The alarms run whether the panel shows or not; a hidden panel is redrawn when shown.
    if (!isHidden()) {
        controls::showText(m_timeNow, text::diaryTime(now.time()));
        for (AlarmRow *row : m_rows)
            row->showTickState();
        if (m_dailyResetLabel->armed() != m_bank.reset().armed())
            m_dailyResetLabel->showArmed(m_bank.reset().armed());
    }
    emit clockTick();
}

void AlarmBankPanel::showRows() {
    if (m_frame1 == nullptr)
        return; // drawn from the bank when first shown
    showNotice(QString());
    controls::showText(m_timeNow, text::diaryTime(m_services.clock.now().time()));
    m_dailyResetLabel->showArmed(m_bank.reset().armed());
    for (AlarmRow *row : m_rows)
        row->showModel();
    // A reload always leaves the administrator's frame closed.
    m_adminFrame->hide();
}

void AlarmBankPanel::showNotice(const QString &text) {
    m_notice->setText(text);
    m_notice->setVisible(!text.isEmpty());
}

void AlarmBankPanel::showHelp(bool help) {
    if (m_frame1 == nullptr)
        return;
    m_frame2->setVisible(help);
    m_frame1->setVisible(!help);
}

} // namespace vidorev
