// Start to first frame: the main window beside a bare Qt window in the same run.
#include "diary/diary_writer.h"
#include "platform/clock.h"
#include "platform/settings_store.h"
#include "platform/sound_player.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include "offscreen_main.h"

namespace {

void BM_BareQtWindowFirstFrame(benchmark::State &state) {
    for (auto _ : state) {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(new QPushButton(QStringLiteral("Hello")));
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_BareQtWindowFirstFrame)->Unit(benchmark::kMillisecond);

void BM_MainWindowFirstFrame(benchmark::State &state) {
    QTemporaryDir dir;
    auto store = vidorev::SettingsStore::open(dir.filePath("bench.sqlite"));
    vidorev::SystemClock clock;
    vidorev::SilentSoundPlayer sound;
    vidorev::SilentNotifier notifier;
    vidorev::DiaryWriter writer(*store, "PLM0D1S0K5", "1.0.0");
    for (auto _ : state) {
        vidorev::MainWindow window({*store, clock, sound, notifier}, writer,
                                   QStringLiteral("/Uann"));
        window.show();
        window.handleFirstActivation();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_MainWindowFirstFrame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return runOffscreenBenchmarks(argc, argv);
}
