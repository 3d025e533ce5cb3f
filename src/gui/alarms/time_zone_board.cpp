#include "alarms/time_zone_board.h"

#include "widgets/controls.h"

#include "alarms/time_zones.h"
#include "alarms/zone_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidorev {

TimeZoneBoard::TimeZoneBoard(QWidget *parent)
    : QWidget(parent) {
    m_frame1 =
        controls::frame(QStringLiteral("Frame1"), QStringLiteral("Times in several places"), this);
    auto *localLabel = new QLabel(QStringLiteral("Local time"), m_frame1);
    localLabel->setObjectName(QStringLiteral("Label1"));
    m_local = new QLineEdit(m_frame1);
    m_local->setObjectName(QStringLiteral("Text1"));
    m_local->setAccessibleName(localLabel->text());
    m_local->setReadOnly(true);
    controls::keepReadOnly(m_local);
    localLabel->setBuddy(m_local);
    auto *help =
        controls::button(QStringLiteral("Command2"), QStringLiteral("Help"), QString(), m_frame1);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    for (int n = 1; n <= 6; ++n) {
        auto *window = new ZoneWindow(m_frame1);
        window->setObjectName(QStringLiteral("TimeWindow%1").arg(n));
        // West on the left, east on the right, nearest zones last.
        grid->addWidget(window, (n - 1) / 2, (n - 1) % 2);
        m_windows[std::size_t(n - 1)] = window;
    }
    auto *localRow = new QHBoxLayout;
    localRow->addWidget(localLabel);
    localRow->addWidget(m_local, 1);
    localRow->addWidget(help);
    auto *frameLayout = new QVBoxLayout(m_frame1);
    frameLayout->addLayout(localRow);
    frameLayout->addLayout(grid);

    m_frame2 = controls::frame(QStringLiteral("Frame2"),
                               QStringLiteral("Help on the time zone clocks"), this);
    const QString helpText(
        QStringLiteral("This screen shows the time in the three time zones west and the three "
                       "time zones east of your local zone, each labelled with the name of a "
                       "large city in that zone, chosen arbitrarily. The weekday is shown too, "
                       "since a call abroad may fall on another day. The local zone is set on "
                       "the administrator's Options screen. Each window shows the real time in "
                       "its city, summer time included, as the system's time-zone rules give it."));
    auto *ok = controls::fillHelpFrame(m_frame2, helpText);
    m_frame2->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_frame1);
    layout->addWidget(m_frame2);
    layout->addStretch();

    connect(help, &QPushButton::clicked, this, [this] { showHelp(true); });
    connect(ok, &QPushButton::clicked, this, [this] { showHelp(false); });
    setTimeZone(m_zone);
}

void TimeZoneBoard::setTime(const QDateTime &local) {
    // The local box is the system's own time; each window the same instant in its city.
    const QString shown = alarms::zoneWindowText(alarms::wallClock(local.toLocalTime()));
    if (m_local->text() != shown)
        controls::showText(m_local, shown);
    m_greenwich = local.toUTC();
    for (ZoneWindow *window : m_windows)
        window->setGMTime(m_greenwich);
}

void TimeZoneBoard::setTimeZone(double zone) {
    m_zone = zone;
    const auto zones = alarms::boardZones(zone);
    for (std::size_t i = 0; i < zones.size(); ++i)
        m_windows[i]->setTimeZone(zones[i]);
    showHelp(false);
}

void TimeZoneBoard::showHelp(bool help) {
    m_frame2->setVisible(help);
    m_frame1->setVisible(!help);
}

} // namespace vidorev
