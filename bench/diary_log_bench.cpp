// Diary readers against the standard tools on the same files, in one run: the job filter against
// grep -F -c, the merge of two Diaries against sort -m. Each case times ours and the tool the
// same way (wall clock, files in the page cache) and reports the ratio next to its goal; peak
// memory is the whole process's.
//
//   diary_log_bench [--records N] [--data DIR] [benchmark flags]
//   diary_log_bench --make-diary PATH [N [SEED]]     writes one Diary and exits
#include "diary_log/data_miner.h"
#include "diary_log/line_reader.h"
#include "diary_log/log_browser.h"
#include "diary_log/log_merge.h"
#include "diary_maker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

using vidorev::bench::DiaryShape;
using vidorev::bench::makeDiary;

constexpr double kMemoryBudgetMiB = 64;

double peakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

std::string quoted(const QString &path) {
    return '\'' + QString(path).replace(u'\'', QStringLiteral("'\\''")).toStdString() + '\'';
}

// One comparison: ours, and the shell command of the tool that does the same work.
struct Versus {
    std::string name;
    double goal;                  // ours may take at most goal times the tool's time
    std::function<qint64()> ours; // returns what it counted, -1 on failure
    std::string tool;             // its standard output goes to toolOutput
    qint64 expected = -1;         // what ours must count, when known
    bool toolPrintsCount = false; // the tool's output is a count that must equal ours
};

QString g_toolOutput;

void runVersus(benchmark::State &state, const Versus &c) {
    using Clock = std::chrono::steady_clock;
    const std::string command = c.tool + " > " + quoted(g_toolOutput);
    double oursSeconds = 0;
    double toolSeconds = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        const qint64 got = c.ours();
        const auto t1 = Clock::now();
        const int rc = std::system(command.c_str());
        const auto t2 = Clock::now();
        const double ours = std::chrono::duration<double>(t1 - t0).count();
        oursSeconds += ours;
        toolSeconds += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(ours);
        if (rc != 0) {
            state.SkipWithError(("tool failed: " + c.tool).c_str());
            break;
        }
        if (got < 0 || (c.expected >= 0 && got != c.expected)) {
            state.SkipWithError(("ours counted " + std::to_string(got)).c_str());
            break;
        }
        if (c.toolPrintsCount) {
            QFile out(g_toolOutput);
            const qint64 theirs =
                out.open(QIODevice::ReadOnly) ? out.readAll().trimmed().toLongLong() : -2;
            if (theirs != got) {
                state.SkipWithError(
                    ("ours " + std::to_string(got) + ", the tool " + std::to_string(theirs))
                        .c_str());
                break;
            }
        }
    }
    const double n = double(state.iterations());
    if (n == 0 || toolSeconds <= 0)
        return;
    state.counters["ours_ms"] = 1000 * oursSeconds / n;
    state.counters["tool_ms"] = 1000 * toolSeconds / n;
    state.counters["ratio"] = oursSeconds / toolSeconds;
    state.counters["goal"] = c.goal;
    state.counters["peak_MiB"] = peakMiB();
}

// The job filter as the log reader runs it: every line that contains "[code]".
// The log reader with a job in its tag box, read to the end as "Last 3 in log" does, adding
// the job's minutes and cash: the lines it shows are the lines grep counts (the last line of the
// Diary is shown at the end whatever it holds, so it counts only when it is the job's).
qint64 browseJob(const QString &path, const QString &job) {
    vidorev::diary::LogBrowser browser;
    if (!browser.open(path))
        return -1;
    browser.setFilter(job, QString());
    const QByteArray tag = '[' + job.toUtf8() + ']';
    qint64 count = 0;
    for (;;) {
        const QByteArray line = browser.fetch();
        if (line.isEmpty())
            break;
        browser.addAmounts(line);
        count += line.contains(tag);
    }
    return browser.error().isEmpty() ? count : -1;
}

// Reuses a Diary already made with the same shape in a kept data folder.
bool ensureDiary(const QString &path, const DiaryShape &shape) {
    const QString tag = path + QStringLiteral(".shape");
    const QByteArray want =
        QByteArray::number(shape.records) + ' ' + QByteArray::number(shape.seed);
    QFile seen(tag);
    if (QFileInfo::exists(path) && seen.open(QIODevice::ReadOnly) && seen.readAll() == want)
        return true;
    seen.close();
    std::fprintf(stderr, "making %s (%lld records)\n", qPrintable(path),
                 static_cast<long long>(shape.records));
    if (makeDiary(path, shape) < 0)
        return false;
    return seen.open(QIODevice::WriteOnly | QIODevice::Truncate) && seen.write(want) == want.size();
}

} // namespace

int main(int argc, char **argv) {
    if (argc >= 3 && std::string(argv[1]) == "--make-diary") {
        DiaryShape shape;
        if (argc >= 4)
            shape.records = std::atoll(argv[3]);
        if (argc >= 5)
            shape.seed = std::strtoull(argv[4], nullptr, 10);
        const qint64 bytes = makeDiary(QString::fromLocal8Bit(argv[2]), shape);
        if (bytes < 0) {
            std::fprintf(stderr, "cannot write %s\n", argv[2]);
            return 1;
        }
        std::printf("%lld records, %lld bytes\n", static_cast<long long>(shape.records),
                    static_cast<long long>(bytes));
        return 0;
    }

    benchmark::Initialize(&argc, argv);
    qint64 records = 1000000;
    QString dataDir;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--records")
            records = std::atoll(argv[++i]);
        else if (std::string(argv[i]) == "--data")
            dataDir = QString::fromLocal8Bit(argv[++i]);
    }
    std::unique_ptr<QTemporaryDir> temporary;
    if (dataDir.isEmpty()) {
        temporary = std::make_unique<QTemporaryDir>();
        dataDir = temporary->path();
    }
    QDir().mkpath(dataDir);
    const QDir data(dataDir);
    const QString diary = data.filePath(QStringLiteral("diary.log"));
    const QString site1 = data.filePath(QStringLiteral("site1.log"));
    const QString site2 = data.filePath(QStringLiteral("site2.log"));
    const QString merged = data.filePath(QStringLiteral("merged.log"));
    g_toolOutput = data.filePath(QStringLiteral("tool.out"));
    // The two sites' Diaries cover the same years, so the merge interleaves them throughout.
    if (!ensureDiary(diary, {records, 1}) || !ensureDiary(site1, {records / 2, 2}) ||
        !ensureDiary(site2, {records / 2, 3})) {
        std::fprintf(stderr, "cannot write the Diaries in %s\n", qPrintable(dataDir));
        return 1;
    }

    const std::vector<Versus> cases = {
        {"JobFilter_vs_grep", 2.0, [diary] { return browseJob(diary, QStringLiteral("722")); },
         "grep -F -c '[722]' " + quoted(diary), -1, true},
        {"Merge_vs_sort_m", 2.0,
         [=] {
             const auto r = vidorev::diary::LogMerge(site1, site2, merged).run(true);
             return r.ok() ? r.lines : -1;
         },
         "LC_ALL=C sort -m " + quoted(site1) + ' ' + quoted(site2), records / 2 * 2, false},
        // The whole table (every job, memo and cash row) against a sum of the Stop minutes.
        {"DataMine_vs_awk", 3.0,
         [diary] {
             vidorev::diary::DataMiner miner;
             if (!miner.open(QStringLiteral("bench"), diary).ok || !miner.runRest().ok ||
                 !miner.finish().ok)
                 return qint64(-1);
             return miner.taken();
         },
         "awk -F'[{}]' '/^\\[[^]]*\\]\\[Stop \\]/ { s += $2 } END { print s }' " + quoted(diary),
         -1, false},
    };
    for (const Versus &c : cases)
        benchmark::RegisterBenchmark(c.name.c_str(), runVersus, c)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double peak = peakMiB();
    std::printf("peak memory %.1f MiB (budget %.0f MiB)%s\n", peak, kMemoryBudgetMiB,
                peak <= kMemoryBudgetMiB ? "" : "  OVER BUDGET");
    return 0;
}
