#include "admin/billing_frame.h"
#include "admin/options_panel.h"
#include "clocks/job_tracker_panel.h"
#include "clocks/task_clock.h"
#include "diary/diary_writer.h"
#include "diary_log/data_mining_panel.h"
#include "platform/settings_keys.h"
#include "platform/version.h"
#include "shell/main_window.h"
#include "test_env.h"
#include "todo/linked_set.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vidorev {
namespace {

QByteArray contents(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A desk set up from nothing but the administrator's name: a user works a job, and the
// administrator bills it from the Options panel, all through the window.
TEST(DeskBilling, TheAdministratorBillsAUsersJobFromTheOptionsPanel) {
    test::TestEnv env;
    env.clock().set(QDateTime(QDate(2026, 12, 4), QTime(9, 0)));
    env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold, QStringLiteral("boss"));
    const QString diary = env.makeDiary(QStringLiteral("ann"), QStringLiteral("ann-diary.log"));
    {
        // As `vidorev diary new --user ann` leaves the desk's user list.
        todo::LinkedSet users(env.store());
        users.setHostIdent(keys::kAppDiary);
        users.setElement(QStringLiteral("ann"));
    }
    DiaryWriter writer{env.store(), Version::current().hostTag(), Version::current().full()};
    MainWindow w(env.services(), writer, QStringLiteral("/Uann"));
    w.show();
    w.handleFirstActivation();
    const auto find = [&w](const char *name) {
        auto *b = w.findChild<QPushButton *>(QLatin1String(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    };

    find("cmdHotJobTrack")->click();
    TaskClock *clock = w.findChild<JobTrackerPanel *>(QStringLiteral("DedUzedova1"))->clock(1);
    QTest::keyClicks(
        clock->findChild<QLineEdit *>(QStringLiteral("Text1"), Qt::FindDirectChildrenOnly),
        QStringLiteral("Fix printer"));
    QTest::keyClicks(
        clock->findChild<QLineEdit *>(QStringLiteral("Text3"), Qt::FindDirectChildrenOnly),
        QStringLiteral("722"));
    clock->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    env.clock().advanceSeconds(90 * 60);
    clock->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    ASSERT_TRUE(env.diaryLines(diary).value(1).startsWith(QStringLiteral("[722][Stop ]{90}")))
        << env.diaryLines(diary).join(u'\n').toStdString();

    find("cmdMainMenu")->click();
    w.findChild<QLineEdit *>(QStringLiteral("txtUserId"))->setText(QStringLiteral("boss"));
    ASSERT_TRUE(find("cmdAdmin")->isEnabled());
    find("cmdAdmin")->click();
    auto *options = w.findChild<OptionsPanel *>(QStringLiteral("KeyHold1"));
    ASSERT_TRUE(options->isVisible());
    options->findChild<QPushButton *>(QStringLiteral("Command9"))->click();
    BillingFrame *billing = options->billingFrame();
    ASSERT_TRUE(billing->isVisible());
    for (int i = 0; i < 3 && billing->reportUser() != QStringLiteral("ann"); ++i)
        billing->findChild<QPushButton *>(QStringLiteral("cmdNext"))->click();
    ASSERT_EQ(billing->reportUser(), QStringLiteral("ann"));

    billing->jobCodeListButton()->click();
    billing->waitForReport();
    const QString folder = QFileInfo(diary).absolutePath();
    EXPECT_TRUE(contents(folder + QStringLiteral("/annjobs.txt")).contains("\r\n722\r\n"));

    billing->jobCodeBox()->setText(QStringLiteral("722"));
    billing->workOrderButton()->click();
    billing->waitForReport();
    const QByteArray order = contents(folder + QStringLiteral("/722.txt"));
    EXPECT_TRUE(order.contains("'Fix printer' From ")) << order.constData();
    EXPECT_TRUE(order.contains("(90 minutes elapsed)")) << order.constData();
    EXPECT_TRUE(order.contains("Totaling 1.5 Hours")) << order.constData();
    EXPECT_TRUE(billing->progressBox()->text().startsWith(QStringLiteral("Written ")));

    billing->dataMinerButton()->click();
    auto *miner = options->dataMiningPanel();
    ASSERT_TRUE(miner->isVisible());
    miner->findChild<QPushButton *>(QStringLiteral("Command2"))->click(); // Run
    miner->waitForRun();
    miner->findChild<QPushButton *>(QStringLiteral("Command1"))->click(); // OK
    EXPECT_TRUE(billing->isVisible());
    const QByteArray table = contents(folder + QStringLiteral("/ann.tab"));
    EXPECT_TRUE(table.contains("722\tFix printer\t")) << table.constData();
    EXPECT_TRUE(table.contains("\t90\t \r\n")) << table.constData();
}

} // namespace
} // namespace vidorev
