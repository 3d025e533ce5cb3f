// One Start or one Stop of a job clock as the user meets it: the Diary line appended and synced,
// the store writes committed in one transaction, and the job tracker's five clocks reloaded.
// Clock 1 runs throughout, so every Start of clock 2 halts it and every Stop resumes it: the
// largest set of writes a Start or Stop makes. The files live on the disk the build is on, not
// in memory, so the syncs are real.

#include "clocks/job_tracker_panel.h"
#include "clocks/running_jobs.h"
#include "clocks/task_clock.h"
#include "platform/settings_keys.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "offscreen_main.h"

#include <memory>

namespace {

using namespace vidorev;

const QString kUser = QStringLiteral("ann");

struct Desk {
    Desk()
        : dir(QDir::currentPath() + QStringLiteral("/clock-bench-XXXXXX"))
        , store(SettingsStore::open(dir.filePath(QStringLiteral("settings.sqlite"))))
        , clock(QDateTime(QDate(2026, 12, 4), QTime(8, 0, 0))) {
        const QString diary = dir.filePath(QStringLiteral("ann_diary.log"));
        QFile file(diary);
        ok = dir.isValid() && file.open(QIODevice::WriteOnly);
        file.close();
        store->save(keys::kAppDiary, kUser, keys::kFileKey, diary);
        for (int n = 1; n <= 2; ++n) {
            store->save(keys::kAppDiary, keys::jobClockSection(kUser, n), keys::kTaskName,
                        QStringLiteral("Check timing %1").arg(n));
            store->save(keys::kAppDiary, keys::jobClockSection(kUser, n), keys::kJob,
                        QStringLiteral("722"));
        }
        RunningJobs(*store, clock)
            .start(kUser, keys::jobClockSection(kUser, 1), QStringLiteral("722"),
                   QStringLiteral("Check timing 1"));
    }
    Services services() { return {*store, clock, sound, notifier}; }

    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store;
    FixedClock clock;
    SilentSoundPlayer sound;
    SilentNotifier notifier;
    bool ok = false;
};

void BM_TrackerStartOrStop(benchmark::State &state) {
    Desk desk;
    if (!desk.ok)
        return state.SkipWithError("cannot make the bench folder");
    JobTrackerPanel tracker(desk.services());
    tracker.setObjectName(QStringLiteral("DedUzedova1"));
    tracker.setUser(kUser);
    tracker.show();
    auto *start = tracker.clock(2)->findChild<QPushButton *>(QStringLiteral("Command1"));
    auto *stop = tracker.clock(2)->findChild<QPushButton *>(QStringLiteral("Command2"));
    bool running = false;
    for (auto _ : state) {
        desk.clock.advanceSeconds(61);
        (running ? stop : start)->click();
        running = !running;
    }
    if (tracker.clock(2)->lastPosting().result != PostResult::Posted)
        state.SkipWithError("a Start or Stop did not post");
}
BENCHMARK(BM_TrackerStartOrStop)->UseRealTime()->Unit(benchmark::kMillisecond);

// The same without the panel: what the shared model costs on its own.
void BM_RunningJobsStartOrStop(benchmark::State &state) {
    Desk desk;
    if (!desk.ok)
        return state.SkipWithError("cannot make the bench folder");
    RunningJobs jobs(*desk.store, desk.clock);
    const QString section = keys::jobClockSection(kUser, 2);
    bool running = false;
    for (auto _ : state) {
        desk.clock.advanceSeconds(61);
        const Posting p = running ? jobs.stop(kUser, section)
                                  : jobs.start(kUser, section, QStringLiteral("722"),
                                               QStringLiteral("Check timing 2"));
        if (p.result != PostResult::Posted)
            return state.SkipWithError("did not post");
        running = !running;
    }
}
BENCHMARK(BM_RunningJobsStartOrStop)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return runOffscreenBenchmarks(argc, argv);
}
