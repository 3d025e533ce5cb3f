#include "clocks/running_jobs.h"

#include "clocks/job_clock.h"
#include "clocks/job_tracker.h"
#include "platform/settings_keys.h"
#include "platform/text_forms.h"
#include "test_env.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <vector>

namespace vidorev {
namespace {

const QString kUser = QStringLiteral("ann");
const QString kTC1 = QStringLiteral("annTC1");
const QString kTC2 = QStringLiteral("annTC2");
const QString kTask = QStringLiteral("annDoData5");

QStringList snapshot(const SettingsStore &store) {
    QStringList all;
    for (const SettingsStore::Entry &e : store.entries())
        all << e.application + u'|' + e.section + u'|' + e.key + u'|' + e.value;
    return all;
}

// The user "ann" with an empty Diary, on a temporary store.
class RunningJobsTest : public ::testing::Test {
protected:
    RunningJobsTest() { m_diary = m_env.makeDiary(kUser); }
    QString get(const QString &section, const QString &key) const {
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
    Posting stop(const QString &section) { return m_jobs.stop(kUser, section); }
    // "Status SoFar ByRun" of a clock section.
    QString state(const QString &section) const {
        return QStringList{get(section, keys::kStatus), get(section, keys::kSoFar),
                           get(section, keys::kByRun)}
            .join(u' ');
    }

    mutable test::TestEnv m_env;
    QString m_diary;
    RunningJobs m_jobs{m_env.store(), m_env.clock()};
};

TEST_F(RunningJobsTest, StartHaltsTheRunningClockAndStopResumesIt) {
    put(kTC1, keys::kSoFar, QStringLiteral("10"));
    put(kTC2, keys::kByRun, QStringLiteral("7")); // left from an earlier run
    setNow(9, 0, 0);
    ASSERT_EQ(start(kTC1).result, PostResult::Posted);
    setNow(9, 25, 0);
    start(kTC2);
    EXPECT_EQ(state(kTC1), QStringLiteral("Halt 35 25"));
    EXPECT_EQ(m_jobs.chain(kUser), QStringLiteral(":annTC1:annTC2"));

    // A to-do task clock interrupts on the same stack; clock 1, already halted, banks nothing.
    setNow(9, 30, 0);
    start(kTask, QStringLiteral("Shop"), QStringLiteral("Call supplier"));
    EXPECT_EQ(m_jobs.chain(kUser), QStringLiteral(":annTC1:annTC2:annDoData5"));
    EXPECT_EQ(state(kTC2), QStringLiteral("Halt 5 5"));
    EXPECT_EQ(state(kTC1), QStringLiteral("Halt 35 25"));
    setNow(9, 34, 0);
    // The record carries what the store holds for the clock.
    EXPECT_TRUE(stop(kTask).record.startsWith(QStringLiteral("[Shop][Stop ]{4}<Call supplier> @")));

    setNow(9, 40, 0);
    EXPECT_EQ(stop(kTC2).runMinutes, 5 + 6);
    EXPECT_EQ(state(kTC1), QStringLiteral("Run 35 25"));
    // Clock 1 counts again from the moment clock 2 stopped; the interruptions are not charged.
    setNow(9, 50, 0);
    const Posting last = stop(kTC1);
    EXPECT_EQ(last.runMinutes, 25 + 10);
    EXPECT_EQ(last.totalMinutes, 10 + 25 + 10);
    EXPECT_EQ(m_jobs.chain(kUser), QString());
    EXPECT_EQ(m_env.diaryLines(m_diary).size(), 6);
}

TEST_F(RunningJobsTest, StopCountsMinuteBoundariesAndRecordsRunAndTally) {
    put(kTC1, keys::kSoFar, QStringLiteral("59"));
    setNow(10, 0, 59);
    start(kTC1);
    setNow(10, 1, 0);
    EXPECT_EQ(stop(kTC1).runMinutes, 1);

    start(kTC1);
    setNow(10, 41, 0);
    const QString record = QStringLiteral("[722][Stop ]{40}<Check timing> @ %1 after 100 minutes")
                               .arg(text::diaryTime(QTime(10, 41, 0)));
    EXPECT_EQ(stop(kTC1).record, record);
    EXPECT_EQ(m_env.diaryLines(m_diary).last(), record);
    EXPECT_EQ(get(kTC1, keys::kSoFar), QStringLiteral("100"));
}

TEST_F(RunningJobsTest, WithTheDiaryMissingOrFailingStartAndStopChangeNothing) {
    start(kTC1);
    m_env.clock().advanceSeconds(600);
    QFile::remove(m_diary);
    const QStringList before = snapshot(m_env.store());
    EXPECT_EQ(start(kTC2).result, PostResult::DiaryMissing);
    EXPECT_EQ(stop(kTC1).result, PostResult::DiaryMissing);
    EXPECT_EQ(snapshot(m_env.store()), before);
    EXPECT_FALSE(QFile::exists(m_diary)); // a writer never makes a Diary

    // A file that opens for appending but refuses every write, whoever runs the test.
    const QString refusing = QStringLiteral("/proc/version");
    if (!QFileInfo(refusing).isFile())
        GTEST_SKIP() << "no /proc here";
    put(kUser, keys::kFileKey, refusing);
    const QStringList refused = snapshot(m_env.store());
    const Posting p = stop(kTC1);
    EXPECT_EQ(p.result, PostResult::DiaryFailed);
    EXPECT_FALSE(p.error.isEmpty());
    EXPECT_EQ(snapshot(m_env.store()), refused);
}

TEST_F(RunningJobsTest, AStoreThatRefusesTheActionKeepsNoneOfIt) {
    start(kTC1);
    m_env.clock().advanceSeconds(600);
    JobClock idle(m_env.store(), m_jobs);
    idle.setUser(kUser);
    idle.setWhich(QStringLiteral("TC3"));
    const QStringList before = snapshot(m_env.store());
    Posting p;
    bool edited = true, marked = true;
    {
        // Room for the Diary line, none for the store's commit.
        test::FullDisk full(4096);
        p = start(kTC2);
        edited = idle.setName(QStringLiteral("Edited"));
        marked = job_tracker::markContainer(m_env.store(), kUser, QStringLiteral("Elsewhere"));
    }
    EXPECT_EQ(p.result, PostResult::StoreFailed);
    EXPECT_FALSE(p.error.isEmpty());
    EXPECT_EQ(m_env.diaryLines(m_diary).last(), p.record);
    EXPECT_FALSE(edited);
    EXPECT_FALSE(idle.saveError().isEmpty());
    EXPECT_FALSE(marked);
    EXPECT_EQ(snapshot(m_env.store()), before);
    EXPECT_EQ(stop(kTC1).result, PostResult::Posted);
}

TEST_F(RunningJobsTest, ActionsTheClockStateDoesNotAllowChangeNothing) {
    start(kTC1);
    start(kTC2);
    const QStringList before = snapshot(m_env.store());
    EXPECT_EQ(start(kTC2).result, PostResult::NotAllowed); // running
    EXPECT_EQ(start(kTC1).result, PostResult::NotAllowed); // halted
    EXPECT_EQ(stop(kTC1).result, PostResult::NotAllowed);  // halted
    EXPECT_EQ(stop(kTask).result, PostResult::NotAllowed); // idle
    EXPECT_EQ(snapshot(m_env.store()), before);
    EXPECT_EQ(m_env.diaryLines(m_diary).size(), 2);
}

// ":" separates the stack's entries: a name holding one starts no clock of either kind, while
// a short name keeps only the job tracker's clocks idle. The tracker says why in either case.
TEST_F(RunningJobsTest, ANameThatWouldBreakTheStackStartsNoClock) {
    struct Case {
        QString user;
        bool tracker;
        bool clocks;
    };
    const std::vector<Case> table{{kUser, true, true},
                                  {QStringLiteral("al"), false, true},
                                  {QStringLiteral("j:oe"), false, false},
                                  {QStringLiteral(":ann"), false, false},
                                  {QStringLiteral("ann:"), false, false}};
    int n = 0;
    for (const Case &c : table) {
        SCOPED_TRACE(c.user.toStdString());
        const QString diary = m_env.makeDiary(c.user, QStringLiteral("d%1.log").arg(++n));
        EXPECT_EQ(job_tracker::acceptsUser(c.user), c.tracker);
        EXPECT_EQ(job_tracker::userRefusal(c.user).isEmpty(), c.tracker);
        for (const QString &section :
             {keys::jobClockSection(c.user, 1), keys::doDataSection(c.user) + u'5'}) {
            const Posting started = m_jobs.start(c.user, section, QStringLiteral("722"),
                                                 QStringLiteral("Check timing"));
            if (c.clocks) {
                EXPECT_EQ(started.result, PostResult::Posted);
                EXPECT_EQ(m_jobs.stop(c.user, section).result, PostResult::Posted);
            } else {
                EXPECT_EQ(started.result, PostResult::NameRefused);
                EXPECT_FALSE(job_tracker::postingMessage(started).isEmpty());
                EXPECT_EQ(get(section, keys::kStatus), QString());
            }
        }
        EXPECT_EQ(m_jobs.chain(c.user), QString());
        EXPECT_EQ(m_env.diaryLines(diary).size(), c.clocks ? 4 : 0);
    }
}

TEST_F(RunningJobsTest, AHandEditedStoreNeitherLosesJobsNorCountsAbsurdMinutes) {
    put(kTC2, keys::kStatus, QStringLiteral("Run"));
    for (const char *bad : {"", "0", "abc", "12:xx", "1e999", "--5"}) {
        SCOPED_TRACE(bad);
        // Clock 1 sits below the top; entries match whole and without regard to case.
        put(kUser, keys::kStack, QStringLiteral(":ANNtc1:annTC12:annTC2"));
        put(kTC1, keys::kStatus, QStringLiteral("Run"));
        for (const QString &key : {keys::kStartTime, keys::kSoFar, keys::kByRun})
            put(kTC1, key, QString::fromUtf8(bad));
        const Posting p = stop(kTC1);
        ASSERT_EQ(p.result, PostResult::Posted);
        EXPECT_EQ(p.runMinutes, 0);
        EXPECT_EQ(get(kTC1, keys::kSoFar), QStringLiteral("0"));
        EXPECT_EQ(m_jobs.chain(kUser), QStringLiteral(":annTC12:annTC2"));
    }
    // A halted clock on top banked its minutes when it halted: a Start adds none.
    put(kTC2, keys::kStatus, QStringLiteral("Halt"));
    put(kTC2, keys::kSoFar, QStringLiteral("5"));
    put(kTC2, keys::kStartTime, text::storedDateTime(m_env.clock().now().addSecs(-3600)));
    start(kTC1);
    EXPECT_EQ(get(kTC2, keys::kSoFar), QStringLiteral("5"));
}

TEST_F(RunningJobsTest, AJobClocksStoredStatusDecidesItsButtonsLocksAndEdits) {
    JobClock clock(m_env.store(), m_jobs);
    clock.setUser(kUser);
    clock.setWhich(QStringLiteral("TC1"));
    using Edit = bool (JobClock::*)(const QString &);
    struct Case {
        const char *status;
        Edit edit;
        bool start, stop, locked;
    };
    for (const Case &c : {Case{"Run", &JobClock::setName, false, true, true},
                          Case{"Halt", &JobClock::setCode, false, false, true},
                          Case{"Running", &JobClock::setCode, true, false, false},
                          Case{"Stop", &JobClock::setName, true, false, false}}) {
        SCOPED_TRACE(c.status);
        put(kTC1, keys::kSoFar, QStringLiteral("90"));
        put(kTC1, keys::kStatus, QString::fromUtf8(c.status));
        // Another panel may have moved the clock: an edit goes by the store, not the view.
        EXPECT_EQ((clock.*c.edit)(QStringLiteral("Edited")), !c.locked);
        EXPECT_EQ(get(kTC1, keys::kSoFar), c.locked ? QStringLiteral("90") : QStringLiteral("0"));
        clock.reload();
        EXPECT_EQ(clock.view().startEnabled, c.start);
        EXPECT_EQ(clock.view().stopEnabled, c.stop);
        EXPECT_EQ(clock.view().boxesLocked, c.locked);
    }
    EXPECT_EQ(get(kTC1, keys::kTaskName), QStringLiteral("Edited"));
    EXPECT_EQ(get(kTC1, keys::kJob), QStringLiteral("Edited"));
}

} // namespace
} // namespace vidorev
