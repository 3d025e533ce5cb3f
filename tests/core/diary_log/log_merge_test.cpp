#include "diary_log/line_reader.h"
#include "diary_log/log_merge.h"
#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <unistd.h>

using namespace vidorev::diary;

namespace {

using Lines = QList<QByteArray>;

QString writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    return path;
}

QByteArray joined(const Lines &lines) {
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

Lines readLines(const QString &path) {
    LineReader reader(path);
    Lines lines;
    QByteArrayView line;
    while (reader.next(&line))
        lines << line.toByteArray();
    return lines;
}

QByteArray fileBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

struct OrderCase {
    const char *name;
    Lines one;
    Lines two;
    Lines merged;
};

void PrintTo(const OrderCase &c, std::ostream *os) {
    *os << c.name;
}

class MergeOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(MergeOrder, WritesInOrderOfTime) {
    QTemporaryDir dir;
    const OrderCase &c = GetParam();
    const LogMerge merge(writeFile(dir.filePath("one.log"), joined(c.one)),
                         writeFile(dir.filePath("two.log"), joined(c.two)),
                         dir.filePath("out.log"));
    const MergeResult r = merge.run(false);
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(r.lines, c.merged.size());
    EXPECT_EQ(fileBytes(merge.output()), joined(c.merged));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MergeOrder,
    ::testing::Values(
        OrderCase{"Interleave",
                  {"a @ 9:00:00 AM 12-04-2026", "c @ 11:00:00 AM 12-04-2026"},
                  {"b @ 10:00:00 AM 12-04-2026", "d @ 12:00:00 PM 12-04-2026"},
                  {"a @ 9:00:00 AM 12-04-2026", "b @ 10:00:00 AM 12-04-2026",
                   "c @ 11:00:00 AM 12-04-2026", "d @ 12:00:00 PM 12-04-2026"}},
        // A Stop line, a line without "@" and a line with "[Stop" in it (whatever its stamp)
        // keep the time of the line before them.
        OrderCase{"StopTravelsWithItsStart",
                  {"[7][Start]<x> @ 9:00:00 AM 12-04-2026",
                   "[7][Stop ]{90}<x> @ 10:30:00 AM after 90 minutes", "no stamp",
                   "[Event] see [Stop list @ 10:00:00 AM 12-04-2026", "e @ 11:00:00 AM 12-04-2026"},
                  {"b @ 9:30:00 AM 12-04-2026"},
                  {"[7][Start]<x> @ 9:00:00 AM 12-04-2026",
                   "[7][Stop ]{90}<x> @ 10:30:00 AM after 90 minutes", "no stamp",
                   "[Event] see [Stop list @ 10:00:00 AM 12-04-2026", "b @ 9:30:00 AM 12-04-2026",
                   "e @ 11:00:00 AM 12-04-2026"}},
        // Equal stamps: input 1 first, and its run goes on over its lines of the same time.
        OrderCase{"SameStampInputOneFirst",
                  {"one-a @ 3:00:00 PM 12-04-2026", "one-b @ 3:00:00 PM 12-04-2026"},
                  {"two-a @ 15:00:00 12-04-2026", "two-b @ 3:00:01 PM 12-04-2026"},
                  {"one-a @ 3:00:00 PM 12-04-2026", "one-b @ 3:00:00 PM 12-04-2026",
                   "two-a @ 15:00:00 12-04-2026", "two-b @ 3:00:01 PM 12-04-2026"}},
        // Past the start, a run of input 2 goes on over a time input 1 also has.
        OrderCase{"SameStampTheRunGoesOn",
                  {"one-a @ 9:00:00 AM 12-04-2026", "one-b @ 10:00:00 AM 12-04-2026"},
                  {"two-a @ 9:30:00 AM 12-04-2026", "two-b @ 10:00:00 AM 12-04-2026"},
                  {"one-a @ 9:00:00 AM 12-04-2026", "two-a @ 9:30:00 AM 12-04-2026",
                   "two-b @ 10:00:00 AM 12-04-2026", "one-b @ 10:00:00 AM 12-04-2026"}},
        // 12- and 24-hour times and a change of year order by time, not by text.
        OrderCase{
            "TimeNotText",
            {"a @ 12:30:00 AM 12-31-2026", "c @ 1:00:00 PM 12-31-2026", "e @ 0:10:00 01-01-2027"},
            {"b @ 9:00:00 12-31-2026", "d @ 23:59:59 12-31-2026", "f @ 1:00:00 AM 01-01-2027"},
            {"a @ 12:30:00 AM 12-31-2026", "b @ 9:00:00 12-31-2026", "c @ 1:00:00 PM 12-31-2026",
             "d @ 23:59:59 12-31-2026", "e @ 0:10:00 01-01-2027", "f @ 1:00:00 AM 01-01-2027"}},
        // An input that opens without a time goes first with the lines that travel with it,
        // not with the time of its first stamped line.
        OrderCase{
            "UntimedOpeningGoesFirst",
            {"a @ 8:00:00 AM 12-04-2026"},
            {"[7][Stop ]{5}<x> @ 9:00:00 AM after 5 minutes", "plain", "b @ 9:00:00 AM 12-04-2026"},
            {"[7][Stop ]{5}<x> @ 9:00:00 AM after 5 minutes", "plain", "a @ 8:00:00 AM 12-04-2026",
             "b @ 9:00:00 AM 12-04-2026"}},
        OrderCase{"OneInputEmpty", {}, {"x", "y @ junk"}, {"x", "y @ junk"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LogMerge, RefusesOutputsThatWouldLoseADiary) {
    QTemporaryDir dir;
    const QString one = writeFile(dir.filePath("one.log"), "a @ 9:00:00 AM 12-04-2026\r\n");
    const QString two = writeFile(dir.filePath("two.log"), "b @ 10:00:00 AM 12-04-2026\r\n");
    ASSERT_EQ(::symlink(QFile::encodeName(two).constData(),
                        QFile::encodeName(dir.filePath("soft.log")).constData()),
              0);
    ASSERT_EQ(::link(QFile::encodeName(one).constData(),
                     QFile::encodeName(dir.filePath("hard.log")).constData()),
              0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    using S = MergeResult::Status;
    const struct {
        QString output;
        S status;
    } cases[] = {
        {one, S::OutputIsInput},
        {dir.path() + "/./two.log", S::OutputIsInput},
        {dir.filePath("soft.log"), S::OutputIsInput},
        {dir.filePath("hard.log"), S::OutputIsInput},
        {dir.filePath("folder"), S::OutputIsFolder},
    };
    for (const auto &c : cases) {
        // Even when told to replace an existing output.
        const MergeResult r = LogMerge(one, two, c.output).run(true);
        EXPECT_EQ(r.status, c.status) << c.output.toStdString();
        EXPECT_TRUE(r.message.contains(c.output)) << r.message.toStdString();
    }
    EXPECT_EQ(fileBytes(one), "a @ 9:00:00 AM 12-04-2026\r\n");
    EXPECT_EQ(fileBytes(two), "b @ 10:00:00 AM 12-04-2026\r\n");
    EXPECT_EQ(LogMerge(dir.filePath("gone.log"), two, dir.filePath("o.log")).run(true).status,
              S::InputUnreadable);
    EXPECT_EQ(LogMerge(one, dir.filePath("folder"), dir.filePath("o.log")).run(true).status,
              S::InputUnreadable);
    EXPECT_FALSE(QFile::exists(dir.filePath("o.log")));
}

TEST(LogMerge, ReplacesAnExistingOutputOnlyWhenToldAndOnlyWhenComplete) {
    QTemporaryDir dir;
    const QString one = writeFile(dir.filePath("one.log"), QByteArray(200000, 'a') + "\n");
    const QString two = writeFile(dir.filePath("two.log"), "b\n");
    const QString out = writeFile(dir.filePath("out.log"), "old\r\n");
    const LogMerge merge(one, two, out);
    EXPECT_EQ(merge.check(false).status, MergeResult::Status::OutputExists);
    EXPECT_EQ(merge.run(false).status, MergeResult::Status::OutputExists);
    EXPECT_EQ(fileBytes(out), "old\r\n");
    ASSERT_TRUE(merge.run(true).ok());
    EXPECT_EQ(fileBytes(out), QByteArray(200000, 'a') + "\r\nb\r\n");
}

// Diary-like bytes: records of every kind, 12- and 24-hour times, LF and CR LF, lines without
// "@", stamps that do not read, invalid UTF-8, blank lines, a CR inside a line, a last line
// without an end; or, for the fuzz, any bytes at all.
QByteArray generated(QRandomGenerator &rng, bool anyBytes) {
    QByteArray bytes;
    const int count = int(rng.bounded(300));
    if (anyBytes) {
        static const char kPieces[] = "@@[Stop \r\n\n:0159AMP- \xFF\xC3";
        for (int i = 0; i < count * 8; ++i)
            bytes += rng.bounded(3) == 0 ? char(rng.bounded(256))
                                         : kPieces[rng.bounded(int(sizeof kPieces) - 1)];
        return bytes;
    }
    int hour = 0;
    for (int i = 0; i < count; ++i) {
        hour = std::min(23, hour + int(rng.bounded(2)));
        const int minute = int(rng.bounded(60));
        const QByteArray time =
            rng.bounded(2) ? QByteArray::number(hour) + ':' + QByteArray::number(minute) + ":07"
                           : QByteArray::number(hour % 12 + 1) + ':' + QByteArray::number(minute) +
                                 (hour < 12 ? ":07 AM" : ":07 PM");
        const QByteArray stamp =
            " @ " + time + " 12-0" + QByteArray::number(1 + rng.bounded(3)) + "-2026";
        switch (rng.bounded(7)) {
        case 0:
            bytes += "[722][Start]<Fix printer>" + stamp;
            break;
        case 1:
            bytes += "[722][Stop ]{12}<Fix printer> @ " + time + " after 40 minutes";
            break;
        case 2:
            bytes += "[722] {$12.50$} [Memo ]<Fix> caf\xC3\xA9 \xFF\xFE" + stamp;
            break;
        case 3:
            bytes += "[Event] no stamp here";
            break;
        case 4:
            bytes += "[DoList][Note ] x\ry" + stamp + " trailing";
            break;
        case 5:
            break; // a blank line
        default:
            bytes += "[Event] lunch" + stamp;
        }
        if (i + 1 < count || rng.bounded(2))
            bytes += rng.bounded(2) ? "\r\n" : "\n";
    }
    return bytes;
}

TEST(LogMerge, WritesEveryInputLineExactlyOnce) {
    QTemporaryDir dir;
    for (quint32 seed = 1; seed <= 40; ++seed) {
        QRandomGenerator rng(seed);
        const bool fuzz = seed > 25;
        const QString one = writeFile(dir.filePath("one.log"), generated(rng, fuzz));
        const QString two = writeFile(dir.filePath("two.log"), generated(rng, fuzz));
        qint64 lastDone = -1;
        qint64 lastTotal = 0;
        const MergeResult r = LogMerge(one, two, dir.filePath("out.log"))
                                  .run(true, [&](int input, qint64 done, qint64 total) {
                                      EXPECT_TRUE(input == 1 || input == 2);
                                      lastDone = done;
                                      lastTotal = total;
                                  });
        ASSERT_TRUE(r.ok()) << r.message.toStdString();
        Lines expected = readLines(one) + readLines(two);
        Lines merged = readLines(dir.filePath("out.log"));
        EXPECT_EQ(r.lines, merged.size()) << "seed " << seed;
        std::sort(expected.begin(), expected.end());
        std::sort(merged.begin(), merged.end());
        EXPECT_EQ(merged, expected) << "seed " << seed;
        EXPECT_EQ(lastDone, lastTotal) << "seed " << seed;
        EXPECT_EQ(lastTotal, QFileInfo(one).size() + QFileInfo(two).size());
    }
}

} // namespace
