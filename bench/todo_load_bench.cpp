// Loading a full to-do list (22 tasks) as the user meets it: "ToDo list" sets the panel's user,
// which reads the titles, repairs and walks the chain, reloads all 22 rows and records each
// node's place. The store lives on the disk the build is on, so any sync is real.

#include "platform/clock.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"
#include "platform/sound_player.h"
#include "todo/task_chain.h"
#include "todo/todo_panel.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "offscreen_main.h"

namespace {

using namespace vidorev;

void BM_TodoPanelLoadFull(benchmark::State &state) {
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/todo-bench-XXXXXX"));
    auto store = SettingsStore::open(dir.filePath(QStringLiteral("settings.sqlite")));
    FixedClock clock(QDateTime(QDate(2026, 12, 4), QTime(8, 0, 0)));
    SilentSoundPlayer sound;
    SilentNotifier notifier;
    {
        TaskChain chain(*store, QStringLiteral("ann"));
        chain.repairOnLoad();
        for (int k = 1; k <= TaskChain::kSlots; ++k)
            chain.setTask(QString::number(k), QStringLiteral("Task number %1").arg(k));
    }
    TodoPanel list({*store, clock, sound, notifier});
    list.show();
    for (auto _ : state) {
        list.setUser(QStringLiteral("ann"));
        QApplication::processEvents(); // the repaint the user sees
    }
}
BENCHMARK(BM_TodoPanelLoadFull)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv) {
    return runOffscreenBenchmarks(argc, argv);
}
