#include "alarms/daily_reset_label.h"

#include <QPalette>

namespace vidorev {

DailyResetLabel::DailyResetLabel(QWidget *parent)
    : QLabel(QStringLiteral("Reset"), parent) {
    setObjectName(QStringLiteral("CanReset1"));
    setToolTip(QStringLiteral("Alarms switch back on at 00:01 after any alarm went off"));
    setAccessibleDescription(toolTip());
    showArmed(false);
}

void DailyResetLabel::showArmed(bool armed) {
    m_armed = armed;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, armed ? colours.color(QPalette::Highlight)
                                                 : colours.color(QPalette::ButtonText));
    setPalette(colours);
}

} // namespace vidorev
