#include "shell/main_window.h"

#include "clocks/ded_uzedova.h"
#include "clocks/running_jobs.h"
#include "clocks/task_clock.h"
#include "diary/diary_writer.h"
#include "diary/event_add.h"
#include "platform/settings_keys.h"
#include "platform/version.h"
#include "test_env.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vidorev {
namespace {

const QString kUser = QStringLiteral("ann");

class JobTrackWiring : public ::testing::Test {
protected:
    JobTrackWiring() {
        m_diary = m_env.makeDiary(kUser, QStringLiteral("ann_diary.log"));
        m_window.handleFirstActivation();
        m_window.show();
    }
    QPushButton *button(const QString &name) const {
        return m_window.findChild<QPushButton *>(name);
    }
    DedUzedova *tracker() const {
        return m_window.findChild<DedUzedova *>(QStringLiteral("DedUzedova1"));
    }
    QPushButton *clockButton(int n, const QString &name) const {
        return tracker()->clock(n)->findChild<QPushButton *>(name);
    }
    void nameClock(int n, const QString &jobName) {
        QTest::keyClicks(tracker()->clock(n)->findChild<QLineEdit *>(QStringLiteral("Text1"),
                                                                     Qt::FindDirectChildrenOnly),
                         jobName);
    }

    test::TestEnv m_env;
    QString m_diary;
    DiaryWriter m_writer{m_env.store(), Version::current().hostTag(), Version::current().full()};
    MainWindow m_window{m_env.services(), m_writer, QStringLiteral("/Uann")};
};

TEST_F(JobTrackWiring, JobTrackShowsTheTrackerForTheUser) {
    button(QStringLiteral("cmdHotJobTrack"))->click();
    ASSERT_NE(tracker(), nullptr);
    EXPECT_TRUE(tracker()->isVisible());
    EXPECT_EQ(tracker()->user(), kUser);
    EXPECT_EQ(m_window.mode(), 2);
}

TEST_F(JobTrackWiring, StatusFlagShowsARunningClockAndLeadsToIt) {
    QPushButton *flag = button(QStringLiteral("cmdStatusFlag"));
    button(QStringLiteral("cmdHotJobTrack"))->click();
    nameClock(1, QStringLiteral("Check timing"));
    clockButton(1, QStringLiteral("Command1"))->click();
    EXPECT_EQ(flag->text(), QStringLiteral("#"));
    EXPECT_EQ(flag->toolTip(), QStringLiteral("Click to GoTo job being timed"));

    nameClock(2, QStringLiteral("Phone"));
    clockButton(2, QStringLiteral("Command1"))->click();
    clockButton(2, QStringLiteral("Command2"))->click();
    EXPECT_EQ(flag->text(), QStringLiteral("#")); // clock 1 runs again

    button(QStringLiteral("cmdMainMenu"))->click();
    EXPECT_FALSE(tracker()->isVisible());
    flag->click();
    EXPECT_TRUE(tracker()->isVisible());
    EXPECT_EQ(m_window.mode(), 2);

    clockButton(1, QStringLiteral("Command2"))->click();
    EXPECT_EQ(flag->text(), QString());
    EXPECT_EQ(flag->toolTip(), QStringLiteral("Not timing any Job"));
}

TEST(JobTrackWiringRestart, StatusFlagLeadsToAClockLeftRunningByTheLastSession) {
    test::TestEnv env;
    env.makeDiary(kUser, QStringLiteral("ann_diary.log"));
    RunningJobs(env.store(), env.clock())
        .start(kUser, QStringLiteral("annTC3"), QStringLiteral("722"), QStringLiteral("Audit"));
    DiaryWriter writer(env.store(), Version::current().hostTag(), Version::current().full());
    MainWindow window(env.services(), writer, QStringLiteral("/Uann"));
    window.handleFirstActivation();
    window.show();
    auto *flag = window.findChild<QPushButton *>(QStringLiteral("cmdStatusFlag"));
    EXPECT_EQ(flag->text(), QStringLiteral("#"));
    flag->click();
    auto *tracker = window.findChild<DedUzedova *>(QStringLiteral("DedUzedova1"));
    EXPECT_TRUE(tracker->isVisible());
    EXPECT_TRUE(
        tracker->clock(3)->findChild<QPushButton *>(QStringLiteral("Command2"))->isEnabled());
}

TEST_F(JobTrackWiring, AnnotateOpensTheMemoPanelAndJobStampReturnsToTheTracker) {
    button(QStringLiteral("cmdHotJobTrack"))->click();
    nameClock(1, QStringLiteral("Fix printer"));
    QTest::keyClicks(tracker()->clock(1)->findChild<QLineEdit *>(QStringLiteral("Text3")),
                     QStringLiteral("722"));
    clockButton(1, QStringLiteral("Command1"))->click();
    tracker()->findChild<QPushButton *>(QStringLiteral("Command4"))->click();

    auto *memo = m_window.findChild<EventAdd *>(QStringLiteral("EventAdd1"));
    EXPECT_TRUE(memo->isVisible());
    EXPECT_FALSE(tracker()->isVisible());
    QTest::keyClicks(memo->findChild<QPlainTextEdit *>(QStringLiteral("Text1")),
                     QStringLiteral("toner"));
    memo->findChild<QPushButton *>(QStringLiteral("Command4"))->click(); // JobStamp

    EXPECT_TRUE(tracker()->isVisible());
    EXPECT_EQ(m_window.mode(), 2);
    EXPECT_TRUE(m_env.diaryLines(m_diary).at(1).startsWith(
        QStringLiteral("[722][Memo ]<Fix printer> toner @ ")));
}

} // namespace
} // namespace vidorev
