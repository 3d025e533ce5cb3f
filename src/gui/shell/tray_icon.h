#pragma once

#include "clocks/running_jobs.h"
#include "platform/services.h"

#include <QIcon>
#include <QObject>

#include <memory>

class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace vidorev {

namespace tray_clocks {
struct Entry;
}

// The desk in the desktop's tray: the icon says whether a clock runs, the tooltip names the
// running job and its minutes, and the menu starts and stops the user's clocks as their own
// buttons do, shows the window or quits. Where the desktop has no tray there is no icon and
// nothing else changes; the menu can still be built, so it can be driven without one.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    TrayIcon(Services services, QWidget &window);
    ~TrayIcon() override;

    // Follows the user's clocks: the tooltip and icon now, the menu when it is next opened.
    void setUser(const QString &user);
    QString toolTip() const { return m_toolTip; }
    // The menu, built on first use and filled afresh from the store each time it is asked for
    // and each time it opens.
    QMenu *menu();

signals:
    // A clock was started or stopped from the menu: what shows the clocks reads them again.
    void clocksChanged();

private:
    void install();
    void refresh();
    void fill();
    void act(const tray_clocks::Entry &entry);
    void showWindow();

    Services m_services;
    QWidget &m_window;
    RunningJobs m_jobs;
    QString m_user;
    QString m_toolTip;
    bool m_running = false;
    std::unique_ptr<QMenu> m_menu;
    QSystemTrayIcon *m_icon = nullptr; // only where the desktop has a tray
    QIcon m_idleIcon;
    QIcon m_runningIcon;
};

} // namespace vidorev
