// Settings store: one get, one save, and a save inside a batch (one transaction per action).
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

} // namespace

BENCHMARK_MAIN();
