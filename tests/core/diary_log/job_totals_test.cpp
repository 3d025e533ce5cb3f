#include "diary/diary_record.h"
#include "diary_log/job_totals.h"
#include "local_zone.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <malloc.h>
#include <map>

using namespace vidorev::diary;
using vidorev::test::LocalZone;

namespace {

QDateTime at(int y, int mo, int d, int h, int mi = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi));
}

JobTotals totalsOfLines(const QStringList &lines, bool perDay) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("d.log"));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    for (const QString &line : lines)
        f.write(line.toUtf8() + "\r\n");
    f.close();
    LineReader reader(path);
    return totalsOf(reader, perDay);
}

TEST(JobTotals, RunsAreSplitAtLocalMidnightsOnRealTime) {
    const LocalZone zone("America/New_York");
    const struct {
        const char *code;
        QDateTime start, stop;
        qint64 minutes;
        std::map<QDate, qint64> days;
    } runs[] = {
        {"night",
         at(2026, 12, 3, 23),
         at(2026, 12, 4, 1),
         120,
         {{QDate(2026, 12, 3), 60}, {QDate(2026, 12, 4), 60}}},
        // The clocks go back at 2:00 on November 1st: 23:00 to 3:00 is five real hours.
        {"autumn",
         at(2026, 10, 31, 23),
         at(2026, 11, 1, 3),
         300,
         {{QDate(2026, 10, 31), 60}, {QDate(2026, 11, 1), 240}}},
        // ...and forward at 2:00 on March 8th: 23:00 to 4:00 is four.
        {"spring",
         at(2026, 3, 7, 23),
         at(2026, 3, 8, 4),
         240,
         {{QDate(2026, 3, 7), 60}, {QDate(2026, 3, 8), 180}}},
        // A run longer than a day ends on the day its minutes lead to.
        {"long",
         at(2026, 12, 7, 9),
         at(2026, 12, 8, 15),
         1800,
         {{QDate(2026, 12, 7), 900}, {QDate(2026, 12, 8), 900}}},
        {"day", at(2026, 12, 9, 9), at(2026, 12, 9, 9, 45), 45, {{QDate(2026, 12, 9), 45}}},
    };
    QStringList lines;
    for (const auto &run : runs) {
        lines << startRecord(run.code, "task", run.start);
        // Another task of the same job between a Start and its Stop does not move the day.
        lines << startRecord(run.code, "other", run.start.addDays(-3));
        lines << stopRecord(run.code, "task", run.minutes, run.minutes, run.stop);
    }
    lines << memoRecord("day", "4.25", "task", "parts", at(2026, 12, 5, 10))
          << stopRecord("orphan", "task", 30, 30, at(2026, 12, 9, 10));
    const JobTotals totals = totalsOfLines(lines, true);
    ASSERT_TRUE(totals.error.isEmpty());

    std::map<QByteArray, std::map<QDate, qint64>> minutes;
    std::map<QByteArray, std::map<QDate, double>> cash;
    totals.forEachDay([&](const JobDay &d) {
        const QByteArray &code = totals.jobs[d.job].code;
        if (d.minutes != 0)
            minutes[code][d.date()] += d.minutes;
        if (d.cash != 0)
            cash[code][d.date()] += d.cash;
    });
    for (const auto &run : runs)
        EXPECT_EQ(minutes[run.code], run.days) << run.code;
    EXPECT_EQ(cash["day"], (std::map<QDate, double>{{QDate(2026, 12, 5), 4.25}}));
    // A Stop with no Start to date it is counted, without a day.
    EXPECT_EQ(minutes["orphan"], (std::map<QDate, qint64>{{QDate(), 30}}));
}

TEST(JobTotals, AddsOnlyRealRecordsInSixtyFourBits) {
    const QDateTime t = at(2026, 12, 4, 9);
    const JobTotals totals = totalsOfLines(
        {stopRecord("722", "t", 30000, 30000, t), stopRecord("722", "t", 30000, 60000, t),
         memoRecord("722", "12.50", "t", "[Stop ]{999} {$5000$}", t),
         memoRecord("9", "", "t", "no amount", t), eventRecord("[722][Stop ]{999}", t),
         "[Vidorev][Memo]<UpGrade> {$7$} @ 9:00:00 AM 12-04-2026"},
        false);
    ASSERT_EQ(totals.jobs.size(), 2u);
    EXPECT_EQ(totals.jobs[0].code, "722");
    EXPECT_EQ(totals.jobs[0].minutes, 60000);
    EXPECT_EQ(totals.jobs[0].cash, 12.5);
    EXPECT_EQ(totals.jobs[1].code, "9");
    EXPECT_EQ(totals.jobs[1].minutes, 0);
    int days = 0;
    totals.forEachDay([&days](const JobDay &) { ++days; });
    EXPECT_EQ(days, 0);
}

// Runs are kept whole and split into days only as the days are visited: two thousand runs of
// 400 days each are 800,000 day rows, and holding the totals costs what two thousand runs do.
TEST(JobTotals, PerDayMemoryFollowsTheRecordsNotTheDays) {
    QStringList lines;
    const QDateTime from = at(2024, 1, 1, 9);
    for (int i = 0; i < 2000; ++i) {
        const QString code = QStringLiteral("J%1").arg(i, 4, 10, QLatin1Char('0'));
        lines << startRecord(code, "t", from.addDays(i % 300))
              << stopRecord(code, "t", 399 * 1440, 0, from.addDays(i % 300 + 399));
    }
    const size_t before = mallinfo2().uordblks;
    const JobTotals totals = totalsOfLines(lines, true);
    const size_t held = mallinfo2().uordblks - before;
    EXPECT_LT(held, size_t(2) << 20);

    qint64 rows = 0;
    qint64 minutes = 0;
    totals.forEachDay([&](const JobDay &day) {
        ++rows;
        minutes += day.minutes;
    });
    EXPECT_EQ(rows, 2000 * 400);
    EXPECT_EQ(minutes, qint64(2000) * 399 * 1440);
}

} // namespace
