#include "alarms/ping_flag.h"

#include <QAccessible>
#include <QLabel>

namespace vidorev {

namespace {
const QString kPing = QStringLiteral("Ping!");
} // namespace

PingFlag::PingFlag(QWidget *parent)
    : QPushButton(kPing, parent) {
    setObjectName(QStringLiteral("cmdPingFlag"));
    setToolTip(QStringLiteral("An alarm went off: press to acknowledge it"));
    setAccessibleName(QStringLiteral("Alarm ping"));
    setAccessibleDescription(QStringLiteral("An alarm went off. Press to acknowledge it."));
    setAutoDefault(false);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    // The row keeps its place for the flag, so the buttons do not move when it comes and goes;
    // it takes its own width only, so the place is no wide gap in a wide window.
    QSizePolicy policy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    hide();
    connect(this, &QPushButton::clicked, this, &PingFlag::acknowledge);
}

void PingFlag::ping() {
    if (m_alert != nullptr)
        m_alert->setText(kPing);
    m_up = true;
    show();
    // A screen reader announces it as it would a message box.
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void PingFlag::acknowledge() {
    if (!m_up)
        return;
    m_up = false;
    hide();
    if (m_alert != nullptr && m_alert->text() == kPing)
        m_alert->setText(QStringLiteral(" "));
}

} // namespace vidorev
