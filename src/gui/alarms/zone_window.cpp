#include "alarms/zone_window.h"

#include "widgets/controls.h"

#include "alarms/time_zones.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vidorev {

ZoneWindow::ZoneWindow(QWidget *parent)
    : QWidget(parent) {
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setReadOnly(true);
    controls::keepReadOnly(m_text);
    m_text->setMinimumWidth(
        m_text->fontMetrics().horizontalAdvance(QStringLiteral("Wed 12/30/2026 12:30:00 PM")) + 16);
    m_label->setBuddy(m_text);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_label);
    layout->addWidget(m_text);
    setTimeZone(0);
}

void ZoneWindow::setTimeZone(double zone) {
    m_zone = zone;
    m_label->setText(alarms::zoneLabel(zone));
    m_text->setAccessibleName(m_label->text());
}

void ZoneWindow::setGMTime(const QDateTime &greenwich) {
    const QString shown = alarms::zoneWindowText(alarms::readingIn(greenwich, m_zone));
    if (m_text->text() != shown)
        controls::showText(m_text, shown);
}

QString ZoneWindow::label() const {
    return m_label->text();
}

QString ZoneWindow::text() const {
    return m_text->text();
}

} // namespace vidorev
