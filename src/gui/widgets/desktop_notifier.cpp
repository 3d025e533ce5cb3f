#include "widgets/desktop_notifier.h"

#include "desktop_id.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace vidorev {

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
constexpr uchar kCritical = 2; // an alarm stays on screen until the user sees it
constexpr int kServerDefaultTimeout = -1;
} // namespace

DesktopNotifier::DesktopNotifier(QObject *parent)
    : QObject(parent) {}

DesktopNotifier::DesktopNotifier(const QString &busAddress, QObject *parent)
    : QObject(parent)
    , m_address(busAddress)
    , m_connectionName(QStringLiteral("vidorev-notices-%1").arg(quintptr(this), 0, 16)) {}

DesktopNotifier::~DesktopNotifier() {
    if (m_bus && !m_connectionName.isEmpty()) {
        m_bus.reset();
        QDBusConnection::disconnectFromBus(m_connectionName);
    }
}

QDBusConnection &DesktopNotifier::bus() {
    if (!m_bus)
        m_bus = m_address.isEmpty() ? QDBusConnection::sessionBus()
                                    : QDBusConnection::connectToBus(m_address, m_connectionName);
    return *m_bus;
}

void DesktopNotifier::notify(const QString &summary, const QString &body) {
    QDBusConnection &connection = bus();
    if (!connection.isConnected()) {
        emit lost(connection.lastError().message());
        return;
    }
    const QString appId = QString::fromLatin1(kDesktopId);
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), appId},
                            {QStringLiteral("urgency"), QVariant::fromValue(kCritical)}};
    call << QStringLiteral("Vidorev") << uint(0) << appId << summary << body << QStringList()
         << hints << kServerDefaultTimeout;
    auto *watcher = new QDBusPendingCallWatcher(connection.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *finished) {
                if (finished->isError())
                    emit lost(finished->error().message());
                finished->deleteLater();
            });
}

} // namespace vidorev
