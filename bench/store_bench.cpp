// Settings store: one get, one save, a save inside a batch (one transaction per action), the
// export of a large section, and saves beside one huge value.
#include "platform/settings_cli.h"
#include "platform/settings_store.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Store {
    Store()
        : store(vidorev::SettingsStore::open(dir.filePath("bench.sqlite"))) {
        vidorev::SettingsStore::Batch batch(*store);
        for (int i = 0; i < 2000; ++i)
            store->save("PLMDiary", QStringLiteral("user%1TC%2").arg(i / 10).arg(i % 10), "SoFar",
                        QString::number(i));
    }
    QTemporaryDir dir;
    std::unique_ptr<vidorev::SettingsStore> store;
};

void BM_StoreGet(benchmark::State &state) {
    Store s;
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            s.store->get("plmdiary", QStringLiteral("USER%1tc%2").arg((i / 10) % 200).arg(i % 10),
                         "sofar", "0"));
        ++i;
    }
}
BENCHMARK(BM_StoreGet);

void BM_StoreSaveDurable(benchmark::State &state) {
    Store s;
    int i = 0;
    for (auto _ : state)
        s.store->save("PLMDiary", "ann", "Stack", QString::number(i++));
}
BENCHMARK(BM_StoreSaveDurable)->Unit(benchmark::kMicrosecond);

void BM_StoreSaveUnchanged(benchmark::State &state) {
    Store s;
    s.store->save("PLMDiary", "annTC1", "Container", "DedUzedova1");
    for (auto _ : state)
        s.store->save("PLMDiary", "annTC1", "Container", "DedUzedova1");
}
BENCHMARK(BM_StoreSaveUnchanged)->Unit(benchmark::kMicrosecond);

void BM_StoreSaveInBatchOf10(benchmark::State &state) {
    Store s;
    int i = 0;
    for (auto _ : state) {
        vidorev::SettingsStore::Batch batch(*s.store);
        for (int k = 0; k < 10; ++k)
            s.store->save("PLMDiary", QStringLiteral("annTC%1").arg(k), "SoFar",
                          QString::number(i++));
    }
    state.SetItemsProcessed(state.iterations() * 10);
}
BENCHMARK(BM_StoreSaveInBatchOf10)->Unit(benchmark::kMicrosecond);

// The whole store as JSON, with range(0) values in one section: time grows with the count.
void BM_StoreExportOneSection(benchmark::State &state) {
    QTemporaryDir dir;
    auto store = vidorev::SettingsStore::open(dir.filePath("bench.sqlite"));
    {
        vidorev::SettingsStore::Batch batch(*store);
        for (int i = 0; i < state.range(0); ++i)
            store->save("PLMDiary", "annSD1", QStringLiteral("Key%1").arg(i), QString::number(i));
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(vidorev::exportSettingsJson(*store).size());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_StoreExportOneSection)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Durable saves to the application that also holds one value of 50 MiB.
void BM_StoreSaveBesideAHugeValue(benchmark::State &state) {
    Store s;
    s.store->save("PLMDiary", "annSD1", "Note", QString(50 << 20, u'n'));
    int i = 0;
    for (auto _ : state) {
        s.store->save("PLMDiary", QStringLiteral("user%1TC1").arg(i % 200), "SoFar",
                      QString::number(i));
        ++i;
    }
}
BENCHMARK(BM_StoreSaveBesideAHugeValue)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
