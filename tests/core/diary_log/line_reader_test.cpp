#include "diary_log/line_parse.h"
#include "diary_log/line_reader.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vidorev::diary;

namespace {

QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes) {
    const QString path = dir.filePath(QStringLiteral("diary.log"));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    return path;
}

QList<QByteArray> readAll(const QString &path) {
    LineReader reader(path);
    QList<QByteArray> lines;
    QByteArrayView line;
    while (reader.next(&line))
        lines << line.toByteArray();
    EXPECT_TRUE(reader.atEnd());
    EXPECT_TRUE(reader.error().isEmpty());
    return lines;
}

} // namespace

TEST(LineReader, KeepsBytesAndRewinds) {
    QTemporaryDir dir;
    const QByteArray bad("caf\xC3 \xFF\xFE end");
    EXPECT_EQ(readAll(writeFile(dir, "one\r\ntwo\n\r\n" + bad + "\nlast")),
              (QList<QByteArray>{"one", "two", "", bad, "last"}));
    EXPECT_TRUE(readAll(writeFile(dir, "")).isEmpty());
    EXPECT_EQ(readAll(writeFile(dir, "\n")), QList<QByteArray>{""});

    LineReader reader(writeFile(dir, "a\nb\n"));
    QByteArrayView line;
    ASSERT_TRUE(reader.next(&line));
    ASSERT_TRUE(reader.next(&line));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.position(), 4);
    ASSERT_TRUE(reader.rewind());
    ASSERT_TRUE(reader.next(&line));
    EXPECT_EQ(line, QByteArrayView("a"));
}

// What is not a Diary is refused before a byte is read (a device would feed a reader forever, a
// pipe without a writer would hang it); a line is held only up to kMaxLine; a lone CR ends a
// line as LF and CR LF do, wherever the blocks fall.
TEST(LineReader, HostileInputsAreRefusedOrBounded) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A writer holds the pipe open, so a reader that opens it anyway gets on rather than hangs.
    const int writer = ::open(QFile::encodeName(fifo).constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    const QByteArray huge(3 * LineReader::kMaxLine, 'x');
    const QByteArray block(LineReader::kBlock - 1, 'y');
    using Long = LineReader::LongLines;
    const struct {
        const char *what;
        QString path; // or a file of these bytes
        QByteArray bytes;
        Long longLines;
        QList<QByteArray> lines; // what is read; nothing when refused
        QList<qint64> skipped;   // the numbers of the lines skipped as too long
        bool fails;
    } cases[] = {
        {"a device", QStringLiteral("/dev/zero"), {}, Long::Skip, {}, {}, true},
        {"a pipe", fifo, {}, Long::Skip, {}, {}, true},
        {"a folder", dir.path(), {}, Long::Skip, {}, {}, true},
        {"huge lines",
         {},
         "a\r\n" + huge + "\r\nb\n" + huge,
         Long::Skip,
         {"a", "b"},
         {2, 4},
         false},
        {"a huge line to copy", {}, "a\r\n" + huge + "\r\nb", Long::Fail, {"a"}, {}, true},
        {"CR only",
         {},
         "one\rtwo\r\nthree\r\rfour\r",
         Long::Skip,
         {"one", "two", "three", "", "four"},
         {},
         false},
        {"CR LF across blocks", {}, block + "\r\nz", Long::Skip, {block, "z"}, {}, false},
        {"CR at a block's end", {}, block + "\rz", Long::Skip, {block, "z"}, {}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        LineReader reader;
        reader.setLongLines(c.longLines);
        const bool opened = reader.open(c.path.isEmpty() ? writeFile(dir, c.bytes) : c.path);
        EXPECT_EQ(opened, !c.fails || !c.lines.isEmpty());
        QList<QByteArray> lines;
        QByteArrayView line;
        // A device or a pipe is never read: a reader that took one would wait or read forever.
        while (opened && c.path.isEmpty() && reader.next(&line))
            lines << line.toByteArray();
        EXPECT_EQ(lines, c.lines);
        QList<qint64> skipped;
        for (const BadLines::Line &bad : reader.badLines().named())
            skipped << bad.number;
        EXPECT_EQ(skipped, c.skipped);
        EXPECT_EQ(reader.error().isEmpty(), !c.fails) << reader.error().toStdString();
    }
    ::close(writer);
}

TEST(ParseLine, ReadsTheRecordsTheWriterBuilds) {
    struct Case {
        const char *line;
        RecordKind kind;
        const char *tag, *task, *stamp, *minutes, *cash, *memo;
    };
    const Case cases[] = {
        {"[722][Start]<Fix printer> @ 3:45:12 PM 12-04-2026", RecordKind::Start, "722",
         "Fix printer", " 3:45:12 PM 12-04-2026", "", "", ""},
        {"[722][Stop ]{40}<Fix printer> @ 4:25:00 PM after 100 minutes", RecordKind::Stop, "722",
         "Fix printer", " 4:25:00 PM ", "40", "", ""},
        {"[722] {$12.50$} [Memo ]<Fix printer> toner @ 9:00:00 12-04-2026", RecordKind::Memo, "722",
         "Fix printer", " 9:00:00 12-04-2026", "", "12.50", " toner"},
        {"[722][Memo ]<Fix printer> toner and ink @ 9:00:00 12-04-2026", RecordKind::Memo, "722",
         "Fix printer", " 9:00:00 12-04-2026", "", "", " toner and ink"},
        // Markers in free text make no record of a kind.
        {"[Event] saw [Stop ]{999} and {$5000$} [Memo ]<x> @ 9:00:00 12-04-2026", RecordKind::Other,
         "Event", "x", " 9:00:00 12-04-2026", "", "", ""},
        {"[722][Memo ]<t> [Stop ]{999} {$5000$} @ 9:00:00 12-04-2026", RecordKind::Memo, "722", "t",
         " 9:00:00 12-04-2026", "", "", " [Stop ]{999} {$5000$}"},
        {" [722][Stop ]{5}<t> @ 1:00:00 PM", RecordKind::Other, "722", "t", " 1:00:00 PM", "", "",
         ""},
        {"[Vidorev][Memo]<UpGrade> Loging for User ann is Vidorev Revision 1.0 @ 1:00 PM "
         "01-02-2026",
         RecordKind::Other, "Vidorev", "UpGrade", " 1:00 PM 01-02-2026", "", "", ""},
        {"no brackets at all", RecordKind::Other, "", "", "", "", "", ""},
        {"[unclosed", RecordKind::Other, "", "", "", "", "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        const ParsedLine p = parseLine(QByteArrayView(c.line));
        EXPECT_EQ(p.kind, c.kind);
        EXPECT_EQ(p.tag, QByteArrayView(c.tag));
        EXPECT_EQ(p.task, QByteArrayView(c.task));
        EXPECT_EQ(p.stamp, QByteArrayView(c.stamp));
        EXPECT_EQ(p.minutes, QByteArrayView(c.minutes));
        EXPECT_EQ(p.cash, QByteArrayView(c.cash));
        EXPECT_EQ(p.memo, QByteArrayView(c.memo));
    }
    EXPECT_TRUE(tagIs("[722][Start]", "722"));
    EXPECT_FALSE(tagIs("[7222][Start]", "722"));
    EXPECT_FALSE(tagIs("x[722]", "722"));
}

TEST(ParseStamp, ReadsTwelveAndTwentyFourHourTimes) {
    struct Case {
        const char *stamp;
        QTime time;
        QDate date;
    };
    const Case cases[] = {
        {" 3:45:12 PM 12-04-2026", QTime(15, 45, 12), QDate(2026, 12, 4)},
        {" 12:00:01 AM 01-01-2027", QTime(0, 0, 1), QDate(2027, 1, 1)},
        {" 12:30:00 pm 1-2-2026", QTime(12, 30), QDate(2026, 1, 2)},
        {" 23:59:59 02-28-2026", QTime(23, 59, 59), QDate(2026, 2, 28)},
        {" 1:50:00 AM ", QTime(1, 50), QDate()},
        {" 13:00:00 PM 12-04-2026", QTime(), QDate()},
        {" 25:00:00 12-04-2026", QTime(), QDate()},
        {" 9:00:00 13-40-2026", QTime(9, 0), QDate()},
        {"", QTime(), QDate()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stamp);
        const StampTime t = parseStamp(QByteArrayView(c.stamp));
        EXPECT_EQ(t.time, c.time);
        EXPECT_EQ(t.date, c.date);
    }
    EXPECT_LT(stampKey(" 11:59:59 PM 12-04-2026"), stampKey(" 0:00:00 12-05-2026"));
    EXPECT_EQ(stampKey(" 3:00:00 PM 12-04-2026"), stampKey(" 15:00:00 12-04-2026"));
    EXPECT_EQ(stampKey(" 1:50:00 AM "), -1);
}

TEST(ParseLine, SurvivesRandomBytes) {
    QRandomGenerator rng(7);
    const char alphabet[] = "[]<>{}$@ :-0123456789APMafter\r\n\xFF\xC3";
    for (int i = 0; i < 20000; ++i) {
        QByteArray line(int(rng.bounded(60)), '\0');
        for (char &ch : line)
            ch = alphabet[rng.bounded(int(sizeof alphabet - 1))];
        const ParsedLine p = parseLine(line);
        parseStamp(p.stamp);
        double d = 0;
        parseNumber(p.cash, &d);
        for (QByteArrayView piece : {p.tag, p.task, p.stamp, p.minutes, p.cash, p.memo})
            ASSERT_TRUE(piece.isEmpty() || (piece.data() >= line.constData() &&
                                            piece.data() + piece.size() <= line.constEnd()));
    }
}

TEST(ParseNumber, TakesOnlyWholeNumbers) {
    double d = 0;
    EXPECT_TRUE(parseNumber(" 12.50 ", &d));
    EXPECT_DOUBLE_EQ(d, 12.5);
    EXPECT_FALSE(parseNumber("12x", &d));
    EXPECT_FALSE(parseNumber("", &d));
}
