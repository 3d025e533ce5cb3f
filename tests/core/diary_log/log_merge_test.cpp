#include "diary_log/line_reader.h"
#include "diary_log/log_merge.h"
#include "test_env.h"

#include <algorithm>
#include <unistd.h>

using namespace vidorev::diary;
using vidorev::test::fileBytes;
using vidorev::test::writeFile;

namespace {

using Lines = QList<QByteArray>;

// Lines written with CR LF after each.
QByteArray joined(const Lines &lines) {
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

Lines readLines(const QString &path) {
    LineReader reader(path);
    Lines lines;
    for (QByteArrayView line; reader.next(&line);)
        lines << line.toByteArray();
    return lines;
}

// Two inputs, their lines split at "|", and the merged order as "1a 2a ..." (input, then its
// line by letter). A line that is only a stamp gets its tag as its text.
TEST(LogMerge, WritesInOrderOfTime) {
    const struct {
        const char *what, *one, *two, *merged;
    } cases[] = {
        {"interleaved", "@ 9:00:00 AM 12-04-2026|@ 11:00:00 AM 12-04-2026",
         "@ 10:00:00 AM 12-04-2026|@ 12:00:00 PM 12-04-2026", "1a 2a 1b 2b"},
        // A Stop line, a line without "@" and a line with "[Stop" in it (whatever its stamp) keep
        // the time of the line before them.
        {"a stop travels with its start",
         "[7][Start]<x> @ 9:00:00 AM 12-04-2026|[7][Stop ]{90}<x> @ 10:30:00 AM after 90 "
         "minutes|no stamp|see [Stop list @ 10:00:00 AM 12-04-2026|@ 11:00:00 AM 12-04-2026",
         "@ 9:30:00 AM 12-04-2026", "1a 1b 1c 1d 2a 1e"},
        // Equal stamps: input 1 first, and its run goes on over its lines of the same time; past
        // the start, a run of input 2 goes on over a time input 1 also has.
        {"equal at the start", "@ 3:00:00 PM 12-04-2026|@ 3:00:00 PM 12-04-2026",
         "@ 15:00:00 12-04-2026|@ 3:00:01 PM 12-04-2026", "1a 1b 2a 2b"},
        {"equal later", "@ 9:00:00 AM 12-04-2026|@ 10:00:00 AM 12-04-2026",
         "@ 9:30:00 AM 12-04-2026|@ 10:00:00 AM 12-04-2026", "1a 2a 2b 1b"},
        // 12- and 24-hour times and a change of year order by time, not by text.
        {"time, not text", "@ 12:30:00 AM 12-31-2026|@ 1:00:00 PM 12-31-2026|@ 0:10:00 01-01-2027",
         "@ 9:00:00 12-31-2026|@ 23:59:59 12-31-2026|@ 1:00:00 AM 01-01-2027", "1a 2a 1b 2b 1c 2c"},
        // An input that opens without a time goes first with the lines that travel with it.
        {"untimed opening", "@ 8:00:00 AM 12-04-2026",
         "[7][Stop ]{5}<x> @ 9:00:00 AM after 5 minutes|plain|@ 9:00:00 AM 12-04-2026",
         "2a 2b 1a 2c"},
        {"one input empty", "", "x|y @ junk", "2a 2b"}};
    QTemporaryDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Lines in[2], merged;
        for (int i = 0; i < 2; ++i)
            for (const QByteArray &line : QByteArray(i ? c.two : c.one).split('|'))
                if (!line.isEmpty()) // a bare stamp gets its tag in front as its text
                    in[i] << (line.startsWith('@') ? QByteArray::number(i + 1) +
                                                         char('a' + in[i].size()) + ' ' + line
                                                   : line);
        for (const QByteArray &tag : QByteArray(c.merged).split(' '))
            merged << in[tag[0] - '1'][tag[1] - 'a'];
        const LogMerge merge(writeFile(dir.filePath("one.log"), joined(in[0])),
                             writeFile(dir.filePath("two.log"), joined(in[1])),
                             dir.filePath(QStringLiteral("out%1.log").arg(c.what)));
        const MergeResult r = merge.run(false);
        ASSERT_TRUE(r.ok()) << r.message.toStdString();
        EXPECT_EQ(r.lines, merged.size());
        EXPECT_EQ(readLines(merge.output()), merged);
    }
}

TEST(LogMerge, RefusesOutputsThatWouldLoseADiaryAndReplacesOnlyWhenToldAndComplete) {
    QTemporaryDir dir;
    const QString one = writeFile(dir.filePath("one.log"), QByteArray(200000, 'a') + "\n");
    const QString two = writeFile(dir.filePath("two.log"), "b\n");
    ASSERT_EQ(::symlink(QFile::encodeName(two).constData(),
                        QFile::encodeName(dir.filePath("soft.log")).constData()),
              0);
    ASSERT_EQ(::link(QFile::encodeName(one).constData(),
                     QFile::encodeName(dir.filePath("hard.log")).constData()),
              0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    using S = MergeResult::Status;
    const std::pair<QString, S> cases[] = {{one, S::OutputIsInput},
                                           {dir.path() + "/./two.log", S::OutputIsInput},
                                           {dir.filePath("soft.log"), S::OutputIsInput},
                                           {dir.filePath("hard.log"), S::OutputIsInput},
                                           {dir.filePath("folder"), S::OutputIsFolder}};
    for (const auto &[output, status] : cases) {
        const MergeResult r = LogMerge(one, two, output).run(true); // even told to replace
        EXPECT_EQ(r.status, status) << output.toStdString();
        EXPECT_TRUE(r.message.contains(output)) << r.message.toStdString();
    }
    EXPECT_EQ(fileBytes(two), "b\n");
    const QString out = dir.filePath("o.log");
    EXPECT_EQ(LogMerge(dir.filePath("gone.log"), two, out).run(true).status, S::InputUnreadable);
    EXPECT_EQ(LogMerge(one, dir.filePath("folder"), out).run(true).status, S::InputUnreadable);
    EXPECT_FALSE(QFile::exists(out));
    writeFile(out, "old\r\n");
    EXPECT_EQ(LogMerge(one, two, out).check(false).status, S::OutputExists);
    EXPECT_EQ(LogMerge(one, two, out).run(false).status, S::OutputExists);
    EXPECT_EQ(fileBytes(out), "old\r\n");
    const LogMerge merge(one, two, out);
    EXPECT_TRUE(merge.pathsChosen() && !LogMerge(one, two, "a.lo").pathsChosen()); // too short
    qint64 done = -1;
    ASSERT_TRUE(merge.run(true, [&](int, qint64 at, qint64 total) { done = total - at; }).ok());
    EXPECT_EQ(done, 0); // the progress reaches the sum of the inputs' sizes
    EXPECT_EQ(fileBytes(out), QByteArray(200000, 'a') + "\r\nb\r\n");
}

} // namespace
