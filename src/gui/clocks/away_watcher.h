#pragma once

#include <QDBusConnection>
#include <QObject>

#include <optional>

class QDBusPendingCall;

namespace vidorev {

// What the desktop says about the user's presence, over D-Bus: the screen saver's
// ActiveChanged (org.freedesktop.ScreenSaver) and logind's Lock and Unlock of this session on
// the session and system buses, logind's PrepareForSleep, and the screen saver's idle time on
// request. Every call is asynchronous; a source that is not there is reported once by
// unavailable() and costs nothing more.
class AwayWatcher : public QObject {
    Q_OBJECT
public:
    // Listens on the user's session bus and the system bus.
    explicit AwayWatcher(QObject *parent = nullptr);
    // Listens on the buses at these addresses (private buses, for instance); an empty system
    // address leaves the system bus out.
    AwayWatcher(const QString &sessionAddress, const QString &systemAddress,
                QObject *parent = nullptr);
    ~AwayWatcher() override;

    // Connects to the buses and subscribes; call once, after connecting to the signals.
    void start();
    // Asks for the session's idle time; idleTime() answers if the desktop offers it.
    void pollIdle();

signals:
    void lockChanged(bool locked);
    void sleepChanged(bool sleeping);
    void idleTime(qint64 milliseconds);
    // A source the desktop does not offer, said once each: "no screen saver service (...)".
    void unavailable(const QString &what);

private slots:
    void onScreenSaverActive(bool active);
    void onSessionLock();
    void onSessionUnlock();
    void onPrepareForSleep(bool sleeping);

private:
    QDBusConnection connect(const QString &address, const QString &name, bool system);
    // Says what is missing when call fails (what holds "%1" for the reason).
    void whenFailed(const QDBusPendingCall &call, const QString &what);
    void watchLogind();

    QString m_sessionAddress;
    QString m_systemAddress;
    bool m_useSystem = true;
    QString m_prefix; // of this watcher's own connection names
    std::optional<QDBusConnection> m_session;
    std::optional<QDBusConnection> m_system;
    bool m_idleOffered = true;
};

} // namespace vidorev
