#include "alarms/time_lert.h"
#include "desktop_id.h"
#include "diary/diary_writer.h"
#include "platform/settings_keys.h"
#include "shell/main_window.h"
#include "test_env.h"
#include "widgets/desktop_notifier.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

#include <gtest/gtest.h>

namespace vidorev::test {
namespace {

// A bus of the test's own, with nothing on it that could be started on demand: no desktop's
// notification daemon can answer in place of the fake one.
class PrivateBus {
public:
    PrivateBus() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty()) {
            m_problem = QStringLiteral("dbus-daemon is not installed");
            return;
        }
        const QString config = m_dir.filePath(QStringLiteral("bus.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly)) {
            m_problem = QStringLiteral("cannot write %1").arg(config);
            return;
        }
        file.write(QStringLiteral("<busconfig><type>session</type>"
                                  "<listen>unix:dir=%1</listen><auth>EXTERNAL</auth>"
                                  "<policy context=\"default\">"
                                  "<allow send_destination=\"*\" eavesdrop=\"true\"/>"
                                  "<allow eavesdrop=\"true\"/><allow own=\"*\"/>"
                                  "</policy></busconfig>")
                       .arg(m_dir.path())
                       .toUtf8());
        file.close();
        // A test that crashes must not leave its bus running.
        m_daemon.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_daemon.start(daemon, {QStringLiteral("--config-file=") + config,
                                QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        QElapsedTimer waited;
        waited.start();
        while (m_address.isEmpty() && waited.elapsed() < 10000 &&
               m_daemon.state() != QProcess::NotRunning) {
            m_daemon.waitForReadyRead(100);
            if (m_daemon.canReadLine())
                m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        }
        if (m_address.isEmpty())
            m_problem = QStringLiteral("dbus-daemon gave no address: %1")
                            .arg(QString::fromLocal8Bit(m_daemon.readAllStandardError()));
    }
    ~PrivateBus() {
        m_daemon.terminate();
        m_daemon.waitForFinished(3000);
    }
    QString address() const { return m_address; }
    QString problem() const { return m_problem; }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QString m_problem;
};

// What a desktop's notification service is asked, one line a notice.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList seen;

public slots:
    uint Notify(const QString &app, uint replaces, const QString &icon, const QString &summary,
                const QString &body, const QStringList &, const QVariantMap &hints, int) {
        seen << QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                    .arg(app)
                    .arg(replaces)
                    .arg(icon)
                    .arg(summary)
                    .arg(body)
                    .arg(hints.value(QStringLiteral("desktop-entry")).toString())
                    .arg(hints.value(QStringLiteral("urgency")).toInt());
        return uint(seen.size());
    }
};

class AlarmNotify : public ::testing::Test {
protected:
    void SetUp() override {
        if (!bus.problem().isEmpty())
            GTEST_SKIP() << "no private D-Bus for the notification test: "
                         << bus.problem().toStdString();
        notifier = std::make_unique<DesktopNotifier>(bus.address());
    }
    ~AlarmNotify() override {
        if (serviceBus)
            QDBusConnection::disconnectFromBus(QStringLiteral("fake-notifications"));
    }
    void startService() {
        serviceBus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(bus.address(), QStringLiteral("fake-notifications")));
        ASSERT_TRUE(serviceBus->isConnected());
        ASSERT_TRUE(serviceBus->registerObject(QStringLiteral("/org/freedesktop/Notifications"),
                                               &service, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(serviceBus->registerService(QStringLiteral("org.freedesktop.Notifications")));
    }
    void setAlarm(int n, QTime time) {
        env.store().save(keys::kAppDiary, keys::alarmSection(n), keys::kTime,
                         time.toString(Qt::ISODate));
        env.store().save(keys::kAppDiary, keys::alarmSection(n), keys::kOn, QStringLiteral("1"));
    }

    PrivateBus bus;
    FakeNotifications service;
    std::unique_ptr<QDBusConnection> serviceBus;
    std::unique_ptr<DesktopNotifier> notifier;
    TestEnv env;
};

TEST_F(AlarmNotify, OneNoticePerRingWhileTheWindowIsInactiveAndNoneWhileActive) {
    startService();
    const QDate day(2026, 7, 7);
    for (int n : {3, 5, 7})
        setAlarm(n, QTime(9, n));
    env.clock().set(QDateTime(day, QTime(9, 0)));
    DiaryWriter writer(env.store(), QStringLiteral("PLM0D1S0K5"), QStringLiteral("1.0.0"));
    MainWindow window({env.store(), env.clock(), env.sound(), *notifier}, writer, QString());
    window.show();
    window.handleFirstActivation();
    auto *bank = window.findChild<TimeLert *>(QStringLiteral("TimeLert1"));
    bank->tick(); // the batch tick after the load

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    env.clock().set(QDateTime(day, QTime(9, 3)));
    bank->tick(); // alarm 3, seen at the window

    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    ASSERT_FALSE(window.isActiveWindow());
    for (int minute : {5, 7}) {
        env.clock().set(QDateTime(day, QTime(9, minute)));
        bank->tick();
    }
    // Calls on one connection arrive in order: once the closing notice is in, any extra or
    // early alarm notice would be in too.
    notifier->notify(QStringLiteral("end"), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.seen.size() >= 3; }, 10000))
        << service.seen.join(u'\n').toStdString();
    const QString id = QString::fromLatin1(kDesktopId);
    EXPECT_EQ(service.seen,
              QStringList({QStringLiteral("Vidorev|0|%1|Alarm 5 \u2013 09:05|Vidorev alarm 5, set "
                                          "for 09:05, went off.|%1|2")
                               .arg(id),
                           QStringLiteral("Vidorev|0|%1|Alarm 7 \u2013 09:07|Vidorev alarm 7, set "
                                          "for 09:07, went off.|%1|2")
                               .arg(id),
                           QStringLiteral("Vidorev|0|%1|end||%1|2").arg(id)}));
}

// Nobody shows notices on the bus, or there is no bus at all: the notice is lost, later, and the
// call returns at once.
TEST_F(AlarmNotify, WithoutAServiceOrABusTheNoticeIsLostWithoutWaiting) {
    DesktopNotifier noBus(QStringLiteral("unix:path=%1/none").arg(env.dir()));
    for (DesktopNotifier *each : {notifier.get(), &noBus}) {
        QSignalSpy lost(each, &DesktopNotifier::lost);
        QElapsedTimer took;
        took.start();
        each->notify(QStringLiteral("Alarm 1 \u2013 09:00"), QStringLiteral("body"));
        EXPECT_LT(took.elapsed(), 500);
        ASSERT_TRUE(lost.count() == 1 || lost.wait(10000));
        EXPECT_FALSE(lost.first().first().toString().isEmpty());
    }
}

} // namespace
} // namespace vidorev::test

#include "alarm_notify_test.moc"
