#include "shell/tray_icon.h"

#include "clocks/job_tracker.h"
#include "clocks/tray_clocks.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace vidorev {

namespace {

const QString kAppName = QStringLiteral("Vidorev");

// The program's icon; where it has none, a plain disc keeps the tray's place visible.
QPixmap basePixmap(int size) {
    QPixmap pixmap = QApplication::windowIcon().pixmap(QSize(size, size));
    if (!pixmap.isNull())
        return pixmap;
    pixmap = QPixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), size / 12.0));
    painter.setBrush(QColor(0xf0, 0xf0, 0xf0));
    painter.drawEllipse(QRectF(size * 0.08, size * 0.08, size * 0.84, size * 0.84));
    return pixmap;
}

// The icon, and the same with a green dot at its upper right while a clock runs.
QIcon trayIcon(bool running) {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64}) {
        QPixmap pixmap = basePixmap(size);
        if (running) {
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            // Top right: the icon's own clock face sits at the lower right.
            const qreal dot = size * 0.44;
            painter.setPen(QPen(Qt::white, qMax(1.0, size / 16.0)));
            painter.setBrush(QColor(0x1e, 0xa0, 0x3c));
            painter.drawEllipse(QRectF(size - dot - 0.5, 0.5, dot, dot));
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

TrayIcon::TrayIcon(Services services, QWidget &window)
    : QObject(&window)
    , m_services(services)
    , m_window(window)
    , m_jobs(services.store, services.clock) {
    setObjectName(QStringLiteral("trayIcon"));
    // Looking for a tray may ask the desktop over D-Bus and draws the icons: a moment after the
    // window's first frame, not before it.
    QTimer::singleShot(500, this, &TrayIcon::install);
}

TrayIcon::~TrayIcon() {
    delete m_icon; // before the menu it shows
}

void TrayIcon::install() {
    if (m_icon != nullptr)
        return;
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        // Started with the session, Vidorev may be up before the desktop's panel: it looks
        // again each minute until a tray is there.
        QTimer::singleShot(60 * 1000, this, &TrayIcon::install);
        return;
    }
    m_idleIcon = trayIcon(false);
    m_runningIcon = trayIcon(true);
    m_icon = new QSystemTrayIcon(this);
    m_icon->setContextMenu(menu());
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger)
            showWindow();
    });
    // A running clock's minutes grow in the tooltip on the same tick as in the panels.
    controls::onEachMinute(this, [this] { refresh(); });
    refresh();
    m_icon->show();
}

void TrayIcon::setUser(const QString &user) {
    m_user = user;
    refresh();
}

void TrayIcon::refresh() {
    m_toolTip = tray_clocks::toolTip(m_jobs, m_user);
    const bool running = tray_clocks::running(m_jobs, m_user);
    if (m_icon == nullptr)
        return;
    if (m_icon->toolTip() != m_toolTip)
        m_icon->setToolTip(m_toolTip);
    if (m_icon->icon().isNull() || running != m_running)
        m_icon->setIcon(running ? m_runningIcon : m_idleIcon);
    m_running = running;
}

QMenu *TrayIcon::menu() {
    if (m_menu == nullptr) {
        m_menu = std::make_unique<QMenu>();
        m_menu->setObjectName(QStringLiteral("trayMenu"));
        m_menu->setAccessibleName(kAppName);
        connect(m_menu.get(), &QMenu::aboutToShow, this, &TrayIcon::fill);
    }
    fill();
    return m_menu.get();
}

void TrayIcon::fill() {
    m_menu->clear();
    const std::vector<tray_clocks::Entry> entries = tray_clocks::entries(m_jobs, m_user);
    for (const tray_clocks::Entry &entry : entries) {
        QString label = entry.label;
        QAction *action = m_menu->addAction(label.replace(u'&', QLatin1String("&&")));
        action->setEnabled(entry.action != tray_clocks::Action::None);
        connect(action, &QAction::triggered, this, [this, entry] { act(entry); });
    }
    if (entries.empty())
        m_menu->addAction(QStringLiteral("No clock has a job name"))->setEnabled(false);
    m_menu->addSeparator();
    connect(m_menu->addAction(QStringLiteral("Show Vidorev")), &QAction::triggered, this,
            &TrayIcon::showWindow);
    // As closing the window: nothing is saved, a running clock keeps running in the store.
    connect(m_menu->addAction(QStringLiteral("Quit")), &QAction::triggered, this, [this] {
        m_window.close();
        QCoreApplication::quit();
    });
}

void TrayIcon::act(const tray_clocks::Entry &entry) {
    const Posting posting = tray_clocks::act(m_services.store, m_jobs, m_user, entry);
    // The panels say it in their help frame; from the tray, the desktop says it.
    const QString problem = job_tracker::postingMessage(posting);
    if (!problem.isEmpty())
        m_services.notifier.notify(kAppName, problem);
    refresh();
    emit clocksChanged();
}

void TrayIcon::showWindow() {
    m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
}

} // namespace vidorev
