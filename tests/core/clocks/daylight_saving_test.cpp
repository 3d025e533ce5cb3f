#include "clocks/job_clock.h"
#include "clocks/running_jobs.h"
#include "local_zone.h"
#include "platform/text_forms.h"
#include "test_env.h"
#include "todo/task_chain.h"
#include "todo/task_slot.h"

#include <functional>

namespace vidorev::test {
namespace {

// New York time: on 2026-11-01 the clocks go back from 02:00 EDT to 01:00 EST, so that morning
// runs through 01:00-01:59 twice. A job clock and a to-do task's clock, each pressed to start
// and again to stop, store their start with its offset and charge the minutes that really passed.
TEST(DaylightSaving, ClocksChargeTheMinutesThatReallyPassed) {
    const LocalZone zone("America/New_York");
    TestEnv env;
    const QString diary = env.makeDiary("ann");
    RunningJobs jobs(env.store(), env.clock());
    JobClock job(env.store(), jobs);
    job.setUser("ann");
    job.setWhich("TC1");
    job.setCode("722");
    TaskChain chain(env.store(), "ann");
    const std::pair<QString, std::function<Posting()>> clocks[] = {
        {"annTC1", [&] { return job.view().startEnabled ? job.start() : job.stop(); }},
        {chain.clockSection("5"),
         [&] { return todo::pressClock(jobs, "ann", chain, "5", "Shop", "Call supplier"); }}};
    const struct {
        const char *start, *stop;
        int minutes;
    } runs[] = {
        {"2026-11-01T01:50:00-04:00", "2026-11-01T01:10:00-05:00", 20}, // across the change
        {"2026-11-01T01:10:00-05:00", "2026-11-01T01:50:00-04:00", 0},  // stopped before it began
    };
    for (const auto &[section, press] : clocks) {
        for (const auto &run : runs) {
            SCOPED_TRACE(section.toStdString() + " " + run.start + " -> " + run.stop);
            env.clock().set(localAt(run.start));
            ASSERT_EQ(press().result, PostResult::Posted);
            EXPECT_EQ(env.get(section, keys::kStartTime), run.start);
            env.clock().set(localAt(run.stop));
            EXPECT_EQ(press().runMinutes, run.minutes);
        }
    }
    EXPECT_EQ(env.diaryLines(diary).at(1), "[722][Stop ]{20}<> @ 1:10:00 AM after 20 minutes");
}

// 00:30 EDT to 01:50 EST is two hours and twenty minutes, from either older form of the start.
TEST(DaylightSaving, StartTimesWrittenWithoutAnOffsetStillCount) {
    const LocalZone zone("America/New_York");
    TestEnv env;
    env.makeDiary("ann");
    RunningJobs jobs(env.store(), env.clock());
    for (const char *older : {"2026-11-01T00:30:00", "11/1/2026 12:30:00 AM"}) {
        SCOPED_TRACE(older);
        env.put("ann", keys::kStack, ":annTC1");
        env.put("annTC1", keys::kStatus, "Run");
        env.put("annTC1", keys::kStartTime, older);
        env.clock().set(localAt("2026-11-01T01:50:00-05:00"));
        EXPECT_EQ(jobs.stop("ann", "annTC1").runMinutes, 140);
    }
}

} // namespace
} // namespace vidorev::test
