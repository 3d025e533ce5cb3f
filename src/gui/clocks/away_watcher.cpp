#include "clocks/away_watcher.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace vidorev {

namespace {
const QString kSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kSaverInterface = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kLogindService = QStringLiteral("org.freedesktop.login1");
const QString kLogindPath = QStringLiteral("/org/freedesktop/login1");
const QString kLogindManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kLogindSession = QStringLiteral("org.freedesktop.login1.Session");
} // namespace

AwayWatcher::AwayWatcher(QObject *parent)
    : QObject(parent)
    , m_prefix(QStringLiteral("vidorev-away-%1-").arg(quintptr(this), 0, 16)) {}

AwayWatcher::AwayWatcher(const QString &sessionAddress, const QString &systemAddress,
                         QObject *parent)
    : QObject(parent)
    , m_sessionAddress(sessionAddress)
    , m_systemAddress(systemAddress)
    , m_useSystem(!systemAddress.isEmpty())
    , m_prefix(QStringLiteral("vidorev-away-%1-").arg(quintptr(this), 0, 16)) {}

AwayWatcher::~AwayWatcher() {
    // Connections made by address are this watcher's own; the shared session and system
    // connections stay for the rest of the program.
    if (m_session && !m_sessionAddress.isEmpty()) {
        m_session.reset();
        QDBusConnection::disconnectFromBus(m_prefix + QStringLiteral("session"));
    }
    if (m_system && !m_systemAddress.isEmpty()) {
        m_system.reset();
        QDBusConnection::disconnectFromBus(m_prefix + QStringLiteral("system"));
    }
}

QDBusConnection AwayWatcher::connect(const QString &address, const QString &name, bool system) {
    if (!address.isEmpty())
        return QDBusConnection::connectToBus(address, m_prefix + name);
    return system ? QDBusConnection::systemBus() : QDBusConnection::sessionBus();
}

void AwayWatcher::whenFailed(const QDBusPendingCall &call, const QString &what) {
    auto *watcher = new QDBusPendingCallWatcher(call, this);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, this,
                     [this, what](QDBusPendingCallWatcher *done) {
                         if (done->isError())
                             emit unavailable(what.arg(done->error().message()));
                         done->deleteLater();
                     });
}

void AwayWatcher::start() {
    m_session = connect(m_sessionAddress, QStringLiteral("session"), false);
    if (!m_session->isConnected()) {
        m_idleOffered = false;
        emit unavailable(QStringLiteral("no session bus (%1): no screen saver, no idle time")
                             .arg(m_session->lastError().message()));
    } else {
        m_session->connect(QString(), kSaverPath, kSaverInterface, QStringLiteral("ActiveChanged"),
                           this, SLOT(onScreenSaverActive(bool)));
        // The subscription alone says nothing of a missing service: ask it something.
        const QDBusMessage call = QDBusMessage::createMethodCall(
            kSaverService, kSaverPath, kSaverInterface, QStringLiteral("GetActive"));
        whenFailed(m_session->asyncCall(call), QStringLiteral("no screen saver service (%1)"));
    }
    if (m_useSystem)
        watchLogind();
}

void AwayWatcher::watchLogind() {
    m_system = connect(m_systemAddress, QStringLiteral("system"), true);
    if (!m_system->isConnected()) {
        emit unavailable(QStringLiteral("no system bus (%1): no logind lock or sleep signals")
                             .arg(m_system->lastError().message()));
        return;
    }
    m_system->connect(kLogindService, kLogindPath, kLogindManager,
                      QStringLiteral("PrepareForSleep"), this, SLOT(onPrepareForSleep(bool)));
    QDBusMessage call = QDBusMessage::createMethodCall(kLogindService, kLogindPath, kLogindManager,
                                                       QStringLiteral("GetSessionByPID"));
    call << uint(QCoreApplication::applicationPid());
    auto *watcher = new QDBusPendingCallWatcher(m_system->asyncCall(call), this);
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *done) {
            const QDBusPendingReply<QDBusObjectPath> reply = *done;
            done->deleteLater();
            if (reply.isError()) {
                emit unavailable(
                    QStringLiteral("no logind session (%1)").arg(reply.error().message()));
                return;
            }
            const QString path = reply.value().path();
            m_system->connect(kLogindService, path, kLogindSession, QStringLiteral("Lock"), this,
                              SLOT(onSessionLock()));
            m_system->connect(kLogindService, path, kLogindSession, QStringLiteral("Unlock"), this,
                              SLOT(onSessionUnlock()));
        });
}

void AwayWatcher::pollIdle() {
    if (!m_idleOffered || !m_session)
        return;
    const QDBusMessage call = QDBusMessage::createMethodCall(
        kSaverService, kSaverPath, kSaverInterface, QStringLiteral("GetSessionIdleTime"));
    auto *watcher = new QDBusPendingCallWatcher(m_session->asyncCall(call), this);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, this,
                     [this](QDBusPendingCallWatcher *done) {
                         const QDBusPendingReply<uint> reply = *done;
                         done->deleteLater();
                         if (!reply.isError()) {
                             emit idleTime(qint64(reply.value()));
                         } else if (m_idleOffered) {
                             // Not asked again: the desktop does not offer it.
                             m_idleOffered = false;
                             emit unavailable(QStringLiteral("no idle time from the desktop (%1)")
                                                  .arg(reply.error().message()));
                         }
                     });
}

void AwayWatcher::onScreenSaverActive(bool active) {
    emit lockChanged(active);
}

void AwayWatcher::onSessionLock() {
    emit lockChanged(true);
}

void AwayWatcher::onSessionUnlock() {
    emit lockChanged(false);
}

void AwayWatcher::onPrepareForSleep(bool sleeping) {
    emit sleepChanged(sleeping);
}

} // namespace vidorev
