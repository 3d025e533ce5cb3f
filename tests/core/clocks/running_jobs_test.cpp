#include "clocks/running_jobs.h"

#include "clocks/job_clock.h"
#include "clocks/job_tracker.h"
#include "clocks/tray_clocks.h"
#include "platform/text_forms.h"
#include "test_env.h"
#include "todo/task_slot.h"

namespace vidorev::test {
namespace {

const QString kTC1 = "annTC1", kTC2 = "annTC2", kTask = "annDoData5";

// The user "ann" with an empty Diary, on a temporary store.
class RunningJobsTest : public ::testing::Test {
protected:
    void setNow(int h, int m, int s = 0) {
        env.clock().set(QDateTime(QDate(2026, 12, 4), QTime(h, m, s)));
    }
    Posting start(const QString &section) {
        return jobs.start("ann", section, "722", "Check timing");
    }
    Posting stop(const QString &section) { return jobs.stop("ann", section); }
    // "Status SoFar ByRun" of a clock section.
    QString state(const QString &section) const {
        return env.get(section, keys::kStatus) + ' ' + env.get(section, keys::kSoFar) + ' ' +
               env.get(section, keys::kByRun);
    }

    TestEnv env;
    QString diary = env.makeDiary("ann");
    RunningJobs jobs{env.store(), env.clock()};
};

TEST_F(RunningJobsTest, StartHaltsTheRunningClockAndStopResumesIt) {
    env.put(kTC1, keys::kSoFar, "10");
    env.put(kTC2, keys::kByRun, "7"); // left from an earlier run
    QStringList seen;                 // the clocks' "Status SoFar ByRun" after each step
    const auto step = [&](int h, int m, const QString &section, const char *code, bool go) {
        env.clock().set(QDateTime(QDate(2026, 12, 4), QTime(h, m)));
        const Posting p = go ? jobs.start("ann", section, code, "Check timing") : stop(section);
        seen << QString::number(p.runMinutes) + "/" + QString::number(p.totalMinutes) + ": " +
                    state(kTC1) + " | " + state(kTC2);
    };
    step(9, 0, kTC1, "722", true);
    step(9, 25, kTC2, "722", true);
    // A to-do task clock interrupts on the same stack; clock 1, already halted, banks nothing.
    step(9, 30, kTask, "Shop", true);
    EXPECT_EQ(jobs.chain("ann"), ":annTC1:annTC2:annDoData5");
    QStringList tray; // the tray's entries: the halted clocks wait, the running task can stop
    for (const tray_clocks::Entry &e : tray_clocks::entries(jobs, "ann"))
        tray << e.label;
    EXPECT_EQ(tray.join(" | "), "722 Check timing (paused, 35 min) | 722 Check timing (paused, 5 "
                                "min) | Stop Shop Check timing (0 min)");
    step(9, 34, kTask, "Shop", false);
    step(9, 40, kTC2, "", false);
    // Clock 1 counts again from the moment clock 2 stopped; the interruptions are not charged.
    step(9, 50, kTC1, "", false);
    EXPECT_EQ(seen.join('\n'), "0/10: Run 10 0 |   7\n"
                               "0/0: Halt 35 25 | Run  0\n"
                               "0/0: Halt 35 25 | Halt 5 5\n"
                               "4/4: Halt 35 25 | Run 5 5\n"
                               "11/11: Run 35 25 | Stop 11 5\n"
                               "35/45: Stop 45 25 | Stop 11 5");
    // The record carries what the store holds for the clock; the stop counts minute boundaries.
    EXPECT_TRUE(env.diaryLines(diary)[3].startsWith("[Shop][Stop ]{4}<Check timing> @"));
    EXPECT_EQ(env.diaryLines(diary).size(), 6);
}

// A missing Diary, one that refuses the line, or a store that refuses the action: the clocks
// keep none of it.
TEST_F(RunningJobsTest, AnActionTheDiaryOrTheStoreRefusesChangesNothing) {
    start(kTC1);
    env.clock().advanceSeconds(600);
    JobClock idle(env.store(), jobs);
    idle.setUser("ann");
    idle.setWhich("TC3");
    QStringList before = env.snapshot();
    Posting p;
    bool edited = true, marked = true;
    {
        FullDisk full(4096); // room for the Diary line, none for the store's commit
        p = start(kTC2);
        edited = idle.setName("Edited");
        marked = job_tracker::markContainer(env.store(), "ann", "Elsewhere");
    }
    EXPECT_EQ(p.result, PostResult::StoreFailed);
    EXPECT_FALSE(p.error.isEmpty() || idle.saveError().isEmpty());
    EXPECT_EQ(env.diaryLines(diary).last(), p.record);
    // Said as it is: the Diary has the line; an action that wrote none (keeping an absence's
    // time) only was not saved.
    EXPECT_TRUE(job_tracker::postingMessage(p).startsWith("The Diary has the record"));
    const Posting unwritten{PostResult::StoreFailed, {}, 0, 0, p.error};
    EXPECT_EQ(job_tracker::postingMessage(unwritten, "the answer"),
              SettingsStore::notSavedMessage(p.error));
    EXPECT_FALSE(edited || marked);
    EXPECT_EQ(env.snapshot(), before);

    // A file that opens for appending but refuses every write, whoever runs the test.
    if (QFileInfo("/proc/version").isFile()) {
        env.put("ann", keys::kFileKey, "/proc/version");
        before = env.snapshot();
        p = stop(kTC1);
        EXPECT_EQ(p.result, PostResult::DiaryFailed);
        EXPECT_FALSE(p.error.isEmpty());
        EXPECT_EQ(env.snapshot(), before);
    }
    QFile::remove(diary);
    env.put("ann", keys::kFileKey, diary);
    before = env.snapshot();
    EXPECT_TRUE(job_tracker::postingMessage(start(kTC2)).contains("Diary file is missing"));
    EXPECT_EQ(stop(kTC1).result, PostResult::DiaryMissing);
    EXPECT_EQ(env.snapshot(), before);
    EXPECT_FALSE(QFile::exists(diary)); // a writer never makes a Diary
}

// ":" separates the stack's entries: a name holding one starts no clock of either kind, while
// a short name keeps only the job tracker's clocks idle. The tracker says why in either case.
// Each case: the tracker takes the name, then the job clock's and the task clock's start.
TEST_F(RunningJobsTest, ANameThatWouldBreakTheStackStartsNoClock) {
    const std::pair<const char *, const char *> cases[] = {{"ann", "1 on on"},
                                                           {"al", "0 on on"},
                                                           {"j:oe", "0 refused refused"},
                                                           {":ann", "0 refused refused"},
                                                           {"ann:", "0 refused refused"}};
    for (const auto &[user, expected] : cases) {
        const QString diary = env.makeDiary(user, QStringLiteral("d%1.log").arg(user));
        QString seen = QString::number(job_tracker::acceptsUser(user));
        EXPECT_EQ(job_tracker::userRefusal(user).isEmpty(), seen == "1");
        for (const QString &section :
             {keys::jobClockSection(user, 1), keys::doDataSection(user) + u'5'}) {
            const Posting started = jobs.start(user, section, "722", "Check timing");
            seen += started.result == PostResult::Posted        ? " on"
                    : started.result == PostResult::NameRefused ? " refused"
                                                                : " ?";
            if (started.result == PostResult::Posted)
                jobs.stop(user, section);
            else
                EXPECT_FALSE(job_tracker::postingMessage(started).isEmpty());
        }
        EXPECT_EQ(seen, expected) << user;
        EXPECT_EQ(jobs.chain(user), "");
        EXPECT_EQ(env.diaryLines(diary).size(), seen.endsWith("on") ? 4 : 0);
    }
}

TEST_F(RunningJobsTest, AHandEditedStoreNeitherLosesJobsNorCountsAbsurdMinutes) {
    env.put(kTC2, keys::kStatus, "Run");
    for (const char *bad : {"", "0", "abc", "12:xx", "1e999", "--5"}) {
        SCOPED_TRACE(bad);
        // Clock 1 sits below the top; entries match whole and without regard to case.
        env.put("ann", keys::kStack, ":ANNtc1:annTC12:annTC2");
        env.put(kTC1, keys::kStatus, "Run");
        for (const QString &key : {keys::kStartTime, keys::kSoFar, keys::kByRun})
            env.put(kTC1, key, bad);
        const Posting p = stop(kTC1);
        EXPECT_EQ(QString::number(p.runMinutes) + env.get(kTC1, keys::kSoFar) + jobs.chain("ann"),
                  "00:annTC12:annTC2");
    }
    // A halted clock on top banked its minutes when it halted: a Start adds none.
    env.put(kTC2, keys::kStatus, "Halt");
    env.put(kTC2, keys::kSoFar, "5");
    env.put(kTC2, keys::kStartTime, text::storedDateTime(env.clock().now().addSecs(-3600)));
    start(kTC1);
    EXPECT_EQ(env.get(kTC2, keys::kSoFar), "5");
}

// Another panel may have moved the clock: an edit goes by the stored status, not the view, and
// zeroes the hours of an idle clock. Each case: the edit taken, the hours, then Start, Stop and
// the locked boxes of the view.
TEST_F(RunningJobsTest, AJobClocksStoredStatusDecidesItsButtonsLocksAndEdits) {
    JobClock clock(env.store(), jobs);
    clock.setUser("ann");
    clock.setWhich("TC1");
    const std::tuple<const char *, bool (JobClock::*)(const QString &), const char *> cases[] = {
        {"Run", &JobClock::setName, "0 90 011"},
        {"Halt", &JobClock::setCode, "0 90 001"},
        {"Running", &JobClock::setCode, "1 0 100"},
        {"Stop", &JobClock::setName, "1 0 100"}};
    for (const auto &[status, edit, expected] : cases) {
        env.put(kTC1, keys::kSoFar, "90");
        env.put(kTC1, keys::kStatus, status);
        QString seen = QString::number((clock.*edit)("Edited"));
        seen += ' ' + env.get(kTC1, keys::kSoFar);
        clock.reload();
        const JobClockView &v = clock.view();
        seen += ' ' + QString::number(v.startEnabled) + QString::number(v.stopEnabled) +
                QString::number(v.boxesLocked);
        EXPECT_EQ(seen, expected) << status;
    }
    EXPECT_EQ(env.get(kTC1, keys::kTaskName) + env.get(kTC1, keys::kJob), "EditedEdited");
}

// What a row shows while it runs: the tally so far, its current run included; a halted or
// stopped clock shows its stored tally.
TEST(ClockTally, ARunningClockShowsItsTotalSoFar) {
    const QDateTime start(QDate(2026, 12, 4), QTime(10, 0, 40));
    const QDateTime now = start.addSecs(6 * 60);
    for (const auto &[status, shown] :
         {std::pair{ClockStatus::Run, 36}, {ClockStatus::Halt, 30}, {ClockStatus::Stop, 30}}) {
        ClockSection s;
        s.status = status;
        s.soFar = 30;
        s.startTime = start;
        EXPECT_EQ(s.minutesAt(now), shown);
        todo::SlotView row;
        row.status = status;
        row.soFarMinutes = 30;
        row.runningSince = status == ClockStatus::Run ? start : QDateTime();
        EXPECT_EQ(row.minutesAt(now), shown);
    }
}

} // namespace
} // namespace vidorev::test
