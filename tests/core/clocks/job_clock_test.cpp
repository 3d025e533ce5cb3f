#include "clocks/job_clock.h"
#include "clocks/job_tracker.h"

#include "platform/settings_keys.h"
#include "test_env.h"

#include <gtest/gtest.h>

namespace vidorev {
namespace {

const QString kUser = QStringLiteral("ann");

class JobClockTest : public ::testing::Test {
protected:
    JobClockTest() {
        m_env.makeDiary(kUser);
        m_clock.setUser(kUser);
        m_clock.setWhich(QStringLiteral("TC1"));
    }
    QString get(const QString &key) {
        return m_env.store().get(keys::kAppDiary, QStringLiteral("annTC1"), key);
    }

    test::TestEnv m_env;
    RunningJobs m_jobs{m_env.store(), m_env.clock()};
    JobClock m_clock{m_env.store(), m_jobs};
};

TEST_F(JobClockTest, LoadingShowsTheStoredClockWithoutTouchingItsTally) {
    m_env.store().save(keys::kAppDiary, QStringLiteral("annTC1"), keys::kTaskName,
                       QStringLiteral("Check timing"));
    m_env.store().save(keys::kAppDiary, QStringLiteral("annTC1"), keys::kSoFar,
                       QStringLiteral("90"));
    m_clock.reload();
    EXPECT_EQ(m_clock.view().name, QStringLiteral("Check timing"));
    EXPECT_EQ(m_clock.view().minutes, 90);
    EXPECT_DOUBLE_EQ(m_clock.view().hours(), 1.5);
    EXPECT_EQ(get(keys::kSoFar), QStringLiteral("90"));
}

TEST_F(JobClockTest, ChangingTheNameOrTheCodeOfAnIdleClockStartsANewTally) {
    for (const auto &edit : {&JobClock::setName, &JobClock::setCode}) {
        m_env.store().save(keys::kAppDiary, QStringLiteral("annTC1"), keys::kSoFar,
                           QStringLiteral("90"));
        m_clock.reload();
        EXPECT_TRUE((m_clock.*edit)(QStringLiteral("Install replacements")));
        EXPECT_EQ(get(keys::kSoFar), QStringLiteral("0"));
        EXPECT_EQ(m_clock.view().minutes, 0);
    }
    EXPECT_EQ(get(keys::kTaskName), QStringLiteral("Install replacements"));
    EXPECT_EQ(get(keys::kJob), QStringLiteral("Install replacements"));
}

TEST_F(JobClockTest, ButtonsAndLocksFollowTheStatus) {
    struct Expect {
        ClockStatus status;
        bool start, stop, locked;
    };
    for (const Expect &e : {Expect{ClockStatus::Stop, true, false, false},
                            Expect{ClockStatus::Run, false, true, true},
                            Expect{ClockStatus::Halt, false, false, true}}) {
        m_env.store().save(keys::kAppDiary, QStringLiteral("annTC1"), keys::kStatus,
                           clockStatusText(e.status));
        m_clock.reload();
        SCOPED_TRACE(clockStatusText(e.status).toStdString());
        EXPECT_EQ(m_clock.view().startEnabled, e.start);
        EXPECT_EQ(m_clock.view().stopEnabled, e.stop);
        EXPECT_EQ(m_clock.view().boxesLocked, e.locked);
    }
}

TEST_F(JobClockTest, ARunningOrHaltedClockRefusesEdits) {
    m_clock.setName(QStringLiteral("Check timing"));
    m_clock.start();
    EXPECT_FALSE(m_clock.setName(QStringLiteral("Other")));
    EXPECT_FALSE(m_clock.setCode(QStringLiteral("9")));
    EXPECT_EQ(get(keys::kTaskName), QStringLiteral("Check timing"));
}

TEST_F(JobClockTest, StartAndStopRecordTheBoxes) {
    m_clock.setName(QStringLiteral("Check timing"));
    m_clock.setCode(QStringLiteral("722"));
    const Posting started = m_clock.start();
    EXPECT_EQ(started.result, PostResult::Posted);
    EXPECT_TRUE(m_clock.text().startsWith(QStringLiteral("[722][Start]<Check timing> @ ")));
    EXPECT_TRUE(m_clock.view().stopEnabled);
    m_env.clock().advanceSeconds(45 * 60);
    m_clock.stop();
    EXPECT_TRUE(m_clock.text().startsWith(QStringLiteral("[722][Stop ]{45}<Check timing> @ ")));
    EXPECT_EQ(m_clock.view().minutes, 45);
    EXPECT_TRUE(m_clock.view().startEnabled);
}

TEST(JobTracker, MarksContainerOnceForEveryClock) {
    test::TestEnv env;
    job_tracker::markContainer(env.store(), kUser, QStringLiteral("DedUzedova1"));
    for (int n = 1; n <= job_tracker::kClockCount; ++n)
        EXPECT_EQ(
            env.store().get(keys::kAppDiary, keys::jobClockSection(kUser, n), keys::kContainer),
            QStringLiteral("DedUzedova1"));
    EXPECT_EQ(job_tracker::clockId(5), QStringLiteral("TC5"));
}

TEST(JobTracker, UserNamesAndAnnotateFollowTheirThresholds) {
    EXPECT_FALSE(job_tracker::acceptsUser(QStringLiteral("al")));
    EXPECT_TRUE(job_tracker::acceptsUser(QStringLiteral("ann")));
    EXPECT_FALSE(job_tracker::annotateOnLoad(QStringLiteral(":a")));
    EXPECT_TRUE(job_tracker::annotateOnLoad(QStringLiteral(":ab")));
    EXPECT_TRUE(job_tracker::annotateAfterPost(QStringLiteral(":")));
    EXPECT_FALSE(job_tracker::annotateAfterPost(QString()));
}

TEST(JobTracker, HelpLineNamesTheMissingDiary) {
    Posting p;
    p.result = PostResult::DiaryMissing;
    EXPECT_TRUE(job_tracker::postingMessage(p).contains(QStringLiteral("Diary file is missing")));
    p.result = PostResult::Posted;
    EXPECT_TRUE(job_tracker::postingMessage(p).isEmpty());
}

} // namespace
} // namespace vidorev
