#pragma once

#include "platform/notifier.h"

#include <QDBusConnection>
#include <QObject>

#include <optional>

namespace vidorev {

// Sends notices to the desktop's notification service (org.freedesktop.Notifications) over
// D-Bus. Every call is asynchronous: a desktop without a bus or without a notification service
// costs a lost notice, never a wait.
class DesktopNotifier final : public QObject, public Notifier {
    Q_OBJECT
public:
    // Sends to the user's session bus, reached at the first notice.
    explicit DesktopNotifier(QObject *parent = nullptr);
    // Sends to the bus at a given address (a private bus, for instance).
    explicit DesktopNotifier(const QString &busAddress, QObject *parent = nullptr);
    ~DesktopNotifier() override;

    void notify(const QString &summary, const QString &body) override;

signals:
    // The desktop did not take a notice: there is no bus, or nothing on it shows notices.
    void lost(const QString &reason);

private:
    QDBusConnection &bus();

    QString m_address;
    QString m_connectionName;
    std::optional<QDBusConnection> m_bus;
};

} // namespace vidorev
