#include "clocks/job_clock.h"
#include "clocks/running_jobs.h"
#include "local_zone.h"
#include "platform/settings_keys.h"
#include "platform/text_forms.h"
#include "test_env.h"
#include "todo/task_chain.h"
#include "todo/task_slot.h"

#include <gtest/gtest.h>

#include <functional>

namespace vidorev {
namespace {

const QString kUser = QStringLiteral("ann");

// New York time: on 2026-03-08 the clocks go from 02:00 EST to 03:00 EDT, and on 2026-11-01
// back from 02:00 EDT to 01:00 EST, so that morning runs through 01:00-01:59 twice.
class DaylightSaving : public ::testing::Test {
protected:
    DaylightSaving() { env.makeDiary(kUser); }
    QString get(const QString &section, const QString &key) const {
        return env.store().get(keys::kAppDiary, section, key);
    }
    void put(const QString &section, const QString &key, const QString &value) {
        env.store().save(keys::kAppDiary, section, key, value);
    }

    test::LocalZone zone{"America/New_York"};
    mutable test::TestEnv env;
    RunningJobs jobs{env.store(), env.clock()};
};

// A job clock and a to-do task's clock, each pressed to start and again to stop.
struct Timed {
    const char *kind;
    QString section, head;
    std::function<Posting()> press;
};

TEST_F(DaylightSaving, ClocksChargeTheMinutesThatReallyPassed) {
    JobClock job(env.store(), jobs);
    job.setUser(kUser);
    job.setWhich(QStringLiteral("TC1"));
    job.setCode(QStringLiteral("722"));
    job.setName(QStringLiteral("Check timing"));
    TaskChain chain(env.store(), kUser);
    const Timed clocks[] = {
        {"job", QStringLiteral("annTC1"), QStringLiteral("[722][Stop ]{%1}<Check timing>"),
         [&] { return job.view().startEnabled ? job.start() : job.stop(); }},
        {"task", chain.clockSection(QStringLiteral("5")),
         QStringLiteral("[Shop][Stop ]{%1}<Call supplier>"),
         [&] {
             return todo::pressClock(jobs, kUser, chain, QStringLiteral("5"),
                                     QStringLiteral("Shop"), QStringLiteral("Call supplier"));
         }},
    };
    const struct {
        const char *start, *stop;
        int minutes;
    } runs[] = {
        {"2026-11-01T01:30:00-05:00", "2026-11-01T01:50:00-05:00", 20}, // the repeated hour
        {"2026-11-01T01:30:00-04:00", "2026-11-01T01:50:00-04:00", 20}, // its first pass
        {"2026-11-01T01:50:00-04:00", "2026-11-01T01:10:00-05:00", 20}, // across the change
        {"2026-11-01T01:10:00-05:00", "2026-11-01T01:50:00-04:00", 0},  // stopped before it began
        {"2026-03-08T01:50:00-05:00", "2026-03-08T03:10:00-04:00", 20}, // across the lost hour
    };
    for (const Timed &clock : clocks) {
        for (const auto &run : runs) {
            SCOPED_TRACE(std::string(clock.kind) + " " + run.start + " -> " + run.stop);
            put(clock.section, keys::kSoFar, QStringLiteral("0"));
            env.clock().set(test::localAt(run.start));
            ASSERT_EQ(clock.press().result, PostResult::Posted);
            EXPECT_EQ(get(clock.section, keys::kStartTime), QString::fromLatin1(run.start));
            const QDateTime stop = test::localAt(run.stop);
            env.clock().set(stop);
            const Posting p = clock.press();
            EXPECT_EQ(p.runMinutes, run.minutes);
            EXPECT_EQ(p.record, clock.head.arg(run.minutes) + QStringLiteral(" @ ") +
                                    text::diaryTime(stop.time()) +
                                    QStringLiteral(" after %1 minutes").arg(run.minutes));
        }
    }
    EXPECT_EQ(env.diaryLines(env.filePath(QStringLiteral("diary.log"))).at(1),
              QStringLiteral("[722][Stop ]{20}<Check timing> @ 1:50:00 AM after 20 minutes"));
}

TEST_F(DaylightSaving, StartTimesWrittenWithoutAnOffsetStillCount) {
    // 00:30 EDT to 01:50 EST is two hours and twenty minutes.
    for (const char *older : {"2026-11-01T00:30:00", "11/1/2026 12:30:00 AM"}) {
        SCOPED_TRACE(older);
        put(kUser, keys::kStack, QStringLiteral(":annTC1"));
        put(QStringLiteral("annTC1"), keys::kStatus, QStringLiteral("Run"));
        put(QStringLiteral("annTC1"), keys::kStartTime, QString::fromLatin1(older));
        env.clock().set(test::localAt("2026-11-01T01:50:00-05:00"));
        EXPECT_EQ(jobs.stop(kUser, QStringLiteral("annTC1")).runMinutes, 140);
    }
}

} // namespace
} // namespace vidorev
