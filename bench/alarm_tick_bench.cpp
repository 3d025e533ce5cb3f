// The alarm bank's one-second tick with all fourteen alarms on: the cost of one tick (core,
// panel, and with the main window's relays), and the CPU time and read/write calls of a whole
// idle minute on the real one-second timer.

#include "alarms/alarm_bank.h"
#include "alarms/alarm_bank_panel.h"
#include "diary/diary_writer.h"
#include "platform/settings_keys.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>

namespace {

using namespace vidorev;

const QDateTime kMorning(QDate(2026, 7, 7), QTime(9, 0));

// A store with all fourteen alarms on, due in the evening, every day ticked.
struct Desk {
    Desk() {
        store = SettingsStore::open(dir.filePath(QStringLiteral("settings.sqlite")));
        for (int n = 1; n <= keys::kAlarmCount; ++n) {
            store->save(keys::kAppDiary, keys::alarmSection(n), keys::kOn, QStringLiteral("1"));
            store->save(keys::kAppDiary, keys::alarmSection(n), keys::kTime,
                        QTime(20, 0).addSecs(60 * n).toString(Qt::ISODate));
        }
        store->save(keys::kAppDiary, keys::kSecAdmin, keys::kHolidays,
                    QStringLiteral(";1/1;7/4;12/25;"));
    }
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store;
    SilentSoundPlayer sound;
    SilentNotifier notifier;
};

// Real seconds from the moment it was made, read as a morning's clock, so a minute of real
// time never meets an alarm or midnight.
class MorningClock final : public Clock {
public:
    MorningClock() { m_started.start(); }
    QDateTime now() const override { return kMorning.addMSecs(m_started.elapsed()); }

private:
    QElapsedTimer m_started;
};

double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

struct IoCalls {
    qint64 reads = -1;
    qint64 writes = -1;
};
IoCalls ioCalls() {
    QFile io(QStringLiteral("/proc/self/io"));
    IoCalls calls;
    if (!io.open(QIODevice::ReadOnly))
        return calls;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("syscr:"))
            calls.reads = line.mid(6).trimmed().toLongLong();
        if (line.startsWith("syscw:"))
            calls.writes = line.mid(6).trimmed().toLongLong();
    }
    return calls;
}

// Keeps the fixed clock within one morning hour so no alarm rings during a long run.
void step(FixedClock &clock) {
    clock.advanceSeconds(1);
    if (clock.now().time() >= QTime(10, 0))
        clock.set(kMorning.addSecs(1));
}

void BM_BankTick(benchmark::State &state) {
    Desk desk;
    FixedClock clock(kMorning);
    AlarmBank bank({*desk.store, clock, desk.sound, desk.notifier});
    bank.reload();
    bank.tick(clock.now());
    for (auto _ : state) {
        step(clock);
        bank.tick(clock.now());
    }
}
BENCHMARK(BM_BankTick);

void BM_AlarmBankPanelTick(benchmark::State &state) {
    Desk desk;
    FixedClock clock(kMorning);
    AlarmBankPanel panel({*desk.store, clock, desk.sound, desk.notifier});
    panel.setUser(keys::kAlarmBankUser);
    panel.show();
    panel.tick();
    for (auto _ : state) {
        step(clock);
        panel.tick();
    }
}
BENCHMARK(BM_AlarmBankPanelTick);

// The tick with the main window's relays, at its main menu: alone (argument 0), or with the
// repaint it causes (1), since the clock read-out changes every second.
void BM_MainWindowTick(benchmark::State &state) {
    Desk desk;
    FixedClock clock(kMorning);
    DiaryWriter writer(*desk.store, QStringLiteral("PLM0D1S0K5"), QStringLiteral("1.0.0"));
    MainWindow window({*desk.store, clock, desk.sound, desk.notifier}, writer, QString());
    window.show();
    window.handleFirstActivation();
    auto *bank = window.findChild<AlarmBankPanel *>(QStringLiteral("TimeLert1"));
    bank->tick();
    QCoreApplication::processEvents();
    const bool paint = state.range(0) == 1;
    for (auto _ : state) {
        step(clock);
        bank->tick();
        if (paint)
            QCoreApplication::sendPostedEvents();
    }
}
BENCHMARK(BM_MainWindowTick)->Arg(0)->Arg(1);

// A panel switch reloads all fourteen alarms from the store (a user action).
void BM_ReloadFourteen(benchmark::State &state) {
    Desk desk;
    FixedClock clock(kMorning);
    AlarmBankPanel panel({*desk.store, clock, desk.sound, desk.notifier});
    for (auto _ : state)
        panel.setUser(keys::kAlarmBankUser);
}
BENCHMARK(BM_ReloadFourteen)->Unit(benchmark::kMicrosecond);

// Sixty real seconds of the desk sitting at its main menu with fourteen alarms on: on screen
// (argument 0), where the clock read-out is redrawn every second, or out of sight (1), as when
// the window is minimised.
void BM_IdleMinute(benchmark::State &state) {
    Desk desk;
    MorningClock clock;
    DiaryWriter writer(*desk.store, QStringLiteral("PLM0D1S0K5"), QStringLiteral("1.0.0"));
    MainWindow window({*desk.store, clock, desk.sound, desk.notifier}, writer, QString());
    window.show();
    window.handleFirstActivation();
    if (state.range(0) == 1)
        window.hide();
    auto *bank = window.findChild<AlarmBankPanel *>(QStringLiteral("TimeLert1"));
    int ticks = 0;
    QObject::connect(bank, &AlarmBankPanel::clockTick, [&ticks] { ++ticks; });
    const int seconds = qEnvironmentVariableIntValue("VIDOREV_IDLE_SECONDS") > 0
                            ? qEnvironmentVariableIntValue("VIDOREV_IDLE_SECONDS")
                            : 60;
    QCoreApplication::processEvents();
    // What reading the counters costs by itself.
    const IoCalls probeA = ioCalls();
    const IoCalls probeB = ioCalls();
    const qint64 probeReads = probeB.reads - probeA.reads;
    for (auto _ : state) {
        const IoCalls ioBefore = ioCalls();
        const double cpuBefore = cpuSeconds();
        QEventLoop loop;
        QTimer::singleShot(seconds * 1000 + 200, &loop, &QEventLoop::quit);
        loop.exec();
        const double cpu = cpuSeconds() - cpuBefore;
        const IoCalls ioAfter = ioCalls();
        state.counters["cpu_ms"] = cpu * 1000.0;
        state.counters["ticks"] = ticks;
        state.counters["cpu_us_per_tick"] = ticks ? cpu * 1e6 / ticks : 0;
        state.counters["read_calls"] = double(ioAfter.reads - ioBefore.reads - probeReads);
        state.counters["write_calls"] = double(ioAfter.writes - ioBefore.writes);
    }
    for (int n = 1; n <= keys::kAlarmCount; ++n)
        if (!bank->bank().alarm(n).on())
            state.SkipWithError("an alarm went off during the run");
}
BENCHMARK(BM_IdleMinute)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
