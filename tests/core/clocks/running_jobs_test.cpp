#include "clocks/running_jobs.h"

#include "diary/diary_record.h"
#include "platform/settings_keys.h"
#include "platform/text_forms.h"
#include "test_env.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace vidorev {
namespace {

using test::TestEnv;

const QString kUser = QStringLiteral("ann");
const QString kTC1 = QStringLiteral("annTC1");
const QString kTC2 = QStringLiteral("annTC2");
const QString kTC3 = QStringLiteral("annTC3");

QStringList snapshot(const SettingsStore &store) {
    QStringList all;
    for (const SettingsStore::Entry &e : store.entries())
        all << e.application + u'|' + e.section + u'|' + e.key + u'|' + e.value;
    return all;
}

class RunningJobsTest : public ::testing::Test {
protected:
    RunningJobsTest() { m_diary = m_env.makeDiary(kUser); }

    QString get(const QString &section, const QString &key) {
        return m_env.store().get(keys::kAppDiary, section, key);
    }
    void put(const QString &section, const QString &key, const QString &value) {
        m_env.store().save(keys::kAppDiary, section, key, value);
    }
    void setNow(int h, int m, int s) {
        m_env.clock().set(QDateTime(QDate(2026, 12, 4), QTime(h, m, s)));
    }
    Posting start(const QString &section, const QString &code = QStringLiteral("722"),
                  const QString &name = QStringLiteral("Check timing")) {
        return m_jobs.start(kUser, section, code, name);
    }

    TestEnv m_env;
    RunningJobs m_jobs{m_env.store(), m_env.clock()};
    QString m_diary;
};

TEST_F(RunningJobsTest, FirstStartPushesTheClockAndHaltsNothing) {
    setNow(9, 0, 0);
    const Posting p = start(kTC1);
    ASSERT_EQ(p.result, PostResult::Posted);
    EXPECT_EQ(m_jobs.chain(kUser), QStringLiteral(":annTC1"));
    EXPECT_EQ(get(kTC1, keys::kStatus), QStringLiteral("Run"));
    EXPECT_EQ(get(kTC1, keys::kByRun), QStringLiteral("0"));
    EXPECT_EQ(text::parseStoredDateTime(get(kTC1, keys::kStartTime)), m_env.clock().now());
    EXPECT_EQ(m_env.diaryLines(m_diary),
              QStringList{diary::startRecord(QStringLiteral("722"), QStringLiteral("Check timing"),
                                             m_env.clock().now())});
}

TEST_F(RunningJobsTest, StartingASecondClockHaltsTheFirstAndStoppingItResumes) {
    put(kTC1, keys::kSoFar, QStringLiteral("10"));
    setNow(9, 0, 0);
    start(kTC1);
    setNow(9, 25, 0);
    ASSERT_EQ(start(kTC2, QStringLiteral("9"), QStringLiteral("Phone")).result, PostResult::Posted);

    EXPECT_EQ(get(kTC1, keys::kStatus), QStringLiteral("Halt"));
    EXPECT_EQ(get(kTC1, keys::kSoFar), QStringLiteral("35"));
    EXPECT_EQ(get(kTC1, keys::kByRun), QStringLiteral("25"));
    EXPECT_EQ(m_jobs.chain(kUser), QStringLiteral(":annTC1:annTC2"));

    setNow(9, 32, 30);
    const Posting stop2 = m_jobs.stop(kUser, kTC2);
    ASSERT_EQ(stop2.result, PostResult::Posted);
    EXPECT_EQ(stop2.runMinutes, 7);
    EXPECT_EQ(m_jobs.chain(kUser), QStringLiteral(":annTC1"));
    EXPECT_EQ(get(kTC1, keys::kStatus), QStringLiteral("Run"));
    EXPECT_EQ(text::parseStoredDateTime(get(kTC1, keys::kStartTime)), m_env.clock().now());
    EXPECT_EQ(get(kTC2, keys::kStatus), QStringLiteral("Stop"));

    // Clock 1 counts again from the moment clock 2 stopped; the interruption is not charged.
    setNow(9, 40, 0);
    const Posting stop1 = m_jobs.stop(kUser, kTC1);
    EXPECT_EQ(stop1.runMinutes, 25 + 8);
    EXPECT_EQ(stop1.totalMinutes, 10 + 25 + 8);
    EXPECT_EQ(m_jobs.chain(kUser), QString());
    EXPECT_EQ(m_env.diaryLines(m_diary).size(), 4);
}

TEST_F(RunningJobsTest, StopOneSecondAfterStartAcrossAMinuteCountsOneMinute) {
    setNow(10, 0, 59);
    start(kTC1);
    setNow(10, 1, 0);
    const Posting p = m_jobs.stop(kUser, kTC1);
    EXPECT_EQ(p.runMinutes, 1);
    EXPECT_EQ(p.totalMinutes, 1);
    EXPECT_EQ(get(kTC1, keys::kSoFar), QStringLiteral("1"));
}

TEST_F(RunningJobsTest, StopRecordCarriesRunAndTally) {
    put(kTC1, keys::kSoFar, QStringLiteral("60"));
    setNow(10, 0, 0);
    start(kTC1);
    setNow(10, 40, 0);
    const Posting p = m_jobs.stop(kUser, kTC1);
    const QString expected = QStringLiteral("[722][Stop ]{40}<Check timing> @ ") +
                             text::diaryTime(QTime(10, 40, 0)) +
                             QStringLiteral(" after 100 minutes");
    EXPECT_EQ(p.record, expected);
    EXPECT_EQ(m_env.diaryLines(m_diary).last(), expected);
}

TEST_F(RunningJobsTest, InterruptionsNestAndUnwindInOrder) {
    setNow(8, 0, 0);
    start(kTC1);
    setNow(8, 10, 0);
    start(kTC2);
    setNow(8, 30, 0);
    start(kTC3);
    EXPECT_EQ(m_jobs.chain(kUser), QStringLiteral(":annTC1:annTC2:annTC3"));
    EXPECT_EQ(get(kTC2, keys::kByRun), QStringLiteral("20"));
    // Halting a clock that is already halted banks nothing a second time.
    EXPECT_EQ(get(kTC1, keys::kByRun), QStringLiteral("10"));

    setNow(8, 45, 0);
    m_jobs.stop(kUser, kTC3);
    EXPECT_EQ(get(kTC2, keys::kStatus), QStringLiteral("Run"));
    EXPECT_EQ(get(kTC1, keys::kStatus), QStringLiteral("Halt"));
    setNow(8, 50, 0);
    EXPECT_EQ(m_jobs.stop(kUser, kTC2).runMinutes, 25);
    EXPECT_EQ(get(kTC1, keys::kStatus), QStringLiteral("Run"));
    setNow(9, 0, 0);
    EXPECT_EQ(m_jobs.stop(kUser, kTC1).runMinutes, 20);
}

TEST_F(RunningJobsTest, ToDoTaskClocksShareTheSameStack) {
    const QString task = QStringLiteral("annDoData5");
    setNow(9, 0, 0);
    start(kTC1);
    setNow(9, 15, 0);
    ASSERT_EQ(start(task, QStringLiteral("Shop"), QStringLiteral("Call supplier")).result,
              PostResult::Posted);
    EXPECT_EQ(m_jobs.chain(kUser), QStringLiteral(":annTC1:annDoData5"));
    EXPECT_EQ(get(task, keys::kJob), QStringLiteral("Shop"));
    EXPECT_EQ(get(task, keys::kTaskName), QStringLiteral("Call supplier"));
    EXPECT_EQ(get(kTC1, keys::kStatus), QStringLiteral("Halt"));
    setNow(9, 20, 0);
    const Posting p = m_jobs.stop(kUser, task);
    EXPECT_TRUE(p.record.startsWith(QStringLiteral("[Shop][Stop ]{5}<Call supplier> @ ")));
    EXPECT_EQ(get(kTC1, keys::kStatus), QStringLiteral("Run"));
}

TEST_F(RunningJobsTest, RunningClockSurvivesAProgramRestart) {
    setNow(9, 0, 0);
    start(kTC1);
    {
        // A new process: its own store connection and models, ninety minutes later.
        auto reopened = SettingsStore::open(m_env.store().path());
        FixedClock later(QDateTime(QDate(2026, 12, 4), QTime(10, 30, 0)));
        RunningJobs jobs(*reopened, later);
        EXPECT_EQ(jobs.load(kTC1).status, ClockStatus::Run);
        const Posting p = jobs.stop(kUser, kTC1);
        EXPECT_EQ(p.runMinutes, 90);
        EXPECT_EQ(p.totalMinutes, 90);
    }
    EXPECT_EQ(get(kTC1, keys::kSoFar), QStringLiteral("90"));
}

TEST_F(RunningJobsTest, WithTheDiaryMissingStartAndStopChangeNothing) {
    start(kTC1);
    QFile::remove(m_diary);
    const QStringList before = snapshot(m_env.store());
    m_env.clock().advanceSeconds(600);

    EXPECT_EQ(start(kTC2).result, PostResult::DiaryMissing);
    EXPECT_EQ(snapshot(m_env.store()), before);
    EXPECT_EQ(m_jobs.stop(kUser, kTC1).result, PostResult::DiaryMissing);
    EXPECT_EQ(snapshot(m_env.store()), before);
    EXPECT_FALSE(QFile::exists(m_diary)); // a writer never makes a Diary
}

TEST_F(RunningJobsTest, AFailedDiaryWriteLeavesTheStoreAsItWas) {
    // A file that opens for appending but refuses every write, whoever runs the test.
    const QString refusing = QStringLiteral("/proc/version");
    if (!QFileInfo(refusing).isFile())
        GTEST_SKIP() << "no /proc here";
    put(kUser, keys::kFileKey, refusing);
    const QStringList before = snapshot(m_env.store());
    const Posting p = start(kTC1);
    EXPECT_EQ(p.result, PostResult::DiaryFailed);
    EXPECT_FALSE(p.error.isEmpty());
    EXPECT_EQ(snapshot(m_env.store()), before);
}

TEST_F(RunningJobsTest, ActionsTheClockStateDoesNotAllowChangeNothing) {
    start(kTC1);
    start(kTC2);
    const QStringList before = snapshot(m_env.store());
    const int lines = int(m_env.diaryLines(m_diary).size());
    EXPECT_EQ(start(kTC2).result, PostResult::NotAllowed);              // running
    EXPECT_EQ(start(kTC1).result, PostResult::NotAllowed);              // halted
    EXPECT_EQ(m_jobs.stop(kUser, kTC1).result, PostResult::NotAllowed); // halted
    EXPECT_EQ(m_jobs.stop(kUser, kTC3).result, PostResult::NotAllowed); // idle
    EXPECT_EQ(snapshot(m_env.store()), before);
    EXPECT_EQ(m_env.diaryLines(m_diary).size(), lines);
}

TEST_F(RunningJobsTest, StoppingAClockBelowTheTopOfAHandEditedChainKeepsTheOthers) {
    put(kUser, keys::kStack, QStringLiteral(":annTC1:annTC2"));
    put(kTC1, keys::kStatus, QStringLiteral("Run"));
    put(kTC2, keys::kStatus, QStringLiteral("Run"));
    ASSERT_EQ(m_jobs.stop(kUser, kTC1).result, PostResult::Posted);
    EXPECT_EQ(m_jobs.chain(kUser), QStringLiteral(":annTC2"));
    EXPECT_EQ(get(kTC2, keys::kStatus), QStringLiteral("Run"));
}

class HandEditedValues : public RunningJobsTest,
                         public ::testing::WithParamInterface<const char *> {};

TEST_P(HandEditedValues, ReadAsDefaultsAndNeverCountAbsurdMinutes) {
    const QString bad = QString::fromUtf8(GetParam());
    put(kUser, keys::kStack, QStringLiteral(":annTC1"));
    put(kTC1, keys::kStatus, QStringLiteral("Run"));
    put(kTC1, keys::kStartTime, bad);
    put(kTC1, keys::kSoFar, bad);
    put(kTC1, keys::kByRun, bad);
    const ClockSection s = m_jobs.load(kTC1);
    EXPECT_FALSE(s.startTime.isValid());
    EXPECT_EQ(s.soFar, 0);
    const Posting p = m_jobs.stop(kUser, kTC1);
    ASSERT_EQ(p.result, PostResult::Posted);
    EXPECT_EQ(p.runMinutes, 0);
    EXPECT_EQ(p.totalMinutes, 0);
    EXPECT_EQ(get(kTC1, keys::kSoFar), QStringLiteral("0"));
}

INSTANTIATE_TEST_SUITE_P(Values, HandEditedValues,
                         ::testing::Values("", "0", "abc", "12:xx", "1e999", "--5"));

TEST(ClockStatusText, UnknownStatusReadsAsStop) {
    EXPECT_EQ(parseClockStatus(QStringLiteral("Run")), ClockStatus::Run);
    EXPECT_EQ(parseClockStatus(QStringLiteral("Halt")), ClockStatus::Halt);
    EXPECT_EQ(parseClockStatus(QStringLiteral("Running")), ClockStatus::Stop);
    EXPECT_EQ(parseClockStatus(QString()), ClockStatus::Stop);
    for (ClockStatus s : {ClockStatus::Stop, ClockStatus::Run, ClockStatus::Halt})
        EXPECT_EQ(parseClockStatus(clockStatusText(s)), s);
}

} // namespace
} // namespace vidorev
