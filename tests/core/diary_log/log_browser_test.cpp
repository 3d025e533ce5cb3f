#include "diary/diary_record.h"
#include "diary_log/job_totals.h"
#include "diary_log/log_browser.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vidorev::diary;

namespace {

class Browser : public ::testing::Test {
protected:
    // Writes the lines as a Diary (CR LF) and opens it.
    void diary(const QList<QByteArray> &lines) {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (const QByteArray &line : lines)
            f.write(line + "\r\n");
        f.close();
        ASSERT_TRUE(browser.open(path()));
    }
    QString path() const { return dir.filePath(QStringLiteral("diary.log")); }
    static QList<QByteArray> shown(const LogBrowser::Lines &lines) {
        return {lines.begin(), lines.end()};
    }

    QTemporaryDir dir;
    LogBrowser browser;
};

TEST_F(Browser, ADateShowsItsStartThenItsStopAndAddsTheRun) {
    diary({"[Event] the day before @ 9:00:00 AM 12-03-2026",
           "[722][Start]<Fix> @ 9:00:00 AM 12-04-2026", "[Event] noise @ 9:10:00 AM 12-04-2026",
           "[722][Stop ]{40}<Fix> @ 9:40:00 AM after 40 minutes",
           "[8][Stop ]{15}<Other> @ 10:00:00 AM after 15 minutes",
           "[Event] the day after @ 9:00:00 AM 12-05-2026"});
    browser.setFilter("", "12-04-2026");
    // The later Stop has no dated line before it: skipped. The last line is shown at the end.
    EXPECT_EQ(shown(browser.nextThree()),
              (QList<QByteArray>{"[722][Start]<Fix> @ 9:00:00 AM 12-04-2026",
                                 "[722][Stop ]{40}<Fix> @ 9:40:00 AM after 40 minutes",
                                 "[Event] the day after @ 9:00:00 AM 12-05-2026"}));
    EXPECT_EQ(browser.minutes(), 40);
    EXPECT_EQ(browser.mode(), 2);
}

// Lines are chosen by "contains", but only a record's own head adds minutes or cash.
TEST_F(Browser, ATagShowsItsLinesAndAddsOnlyItsOwnRecords) {
    diary({"[722][Start]<Fix printer> @ 9:00:00 AM 12-04-2026",
           "[Event] called [722] about [Stop ]{55} @ 9:05:00 AM 12-04-2026",
           "[722][Memo ]<Fix printer> saw [Stop ]{999} and {$5000$} @ 9:06:00 AM 12-04-2026",
           "[722] {$12.50$} [Memo ]<Fix printer> toner @ 9:07:00 AM 12-04-2026",
           "[9] {$3$} [Memo ]<Other> glue for [722] @ 9:08:00 AM 12-04-2026",
           "[7222][Stop ]{20}<Near> @ 9:20:00 AM after 20 minutes",
           "[722][Stop ]{40}<Fix printer> @ 9:40:00 AM after 40 minutes",
           "[Event] home @ 5:00:00 PM 12-04-2026"});
    browser.setFilter("722", "");
    const QList<QByteArray> first = shown(browser.nextThree());
    EXPECT_TRUE(first[1].startsWith("[Event] called [722]"));
    EXPECT_EQ(browser.minutes(), 0);
    EXPECT_EQ(browser.cash(), 0.0);
    const QList<QByteArray> second = shown(browser.nextThree());
    EXPECT_TRUE(second[0].startsWith("[722] {$12.50$}"));
    EXPECT_TRUE(second[1].startsWith("[9] {$3$}")); // shown, as it names [722], but not added
    EXPECT_TRUE(second[2].startsWith("[722][Stop ]{40}"));
    EXPECT_EQ(browser.minutes(), 40);
    EXPECT_EQ(browser.cash(), 12.5);
}

// Within one walk the mode an emptied box leaves goes on deciding the adding; a walk started
// again (rewind or open) starts as the first one did.
TEST_F(Browser, WithBothBoxesEmptyTheWalksLastModeDecidesTheAdding) {
    diary({"[][Stop ]{5}<x> @ 1:00:00 PM after 5 minutes",
           "[722][Stop ]{7}<y> @ 1:10:00 PM after 7 minutes", "[] {$2$} [Memo ]<x> hi @ 1:20:00 PM",
           "[][Stop ]{4}<x> @ 1:30:00 PM after 4 minutes"});
    browser.setFilter("", "");
    EXPECT_EQ(browser.nextThree()[2], "[] {$2$} [Memo ]<x> hi @ 1:20:00 PM");
    EXPECT_EQ(browser.minutes(), 0); // no filter ever used: no minutes
    EXPECT_EQ(browser.cash(), 2.0);  // an empty tag box adds the memos of the empty code

    browser.rewind();
    browser.setFilter("722", "");
    browser.addAmounts(browser.fetch());
    EXPECT_EQ(browser.minutes(), 7);
    browser.setFilter("", "");
    browser.nextThree(); // the tag rule, with the empty tag: only the [] Stop adds
    EXPECT_EQ(browser.mode(), 1);
    EXPECT_EQ(browser.minutes(), 11);

    browser.rewind();
    browser.setFilter("", "");
    browser.nextThree();
    EXPECT_EQ(browser.mode(), 0);
    EXPECT_EQ(browser.minutes(), 0);
    EXPECT_EQ(browser.cash(), 2.0);
}

// A date walk that ended on a Start has seen its date; rewinding or opening again must not
// take the Diary's first line, an undated Stop of another day, for part of that date.
TEST_F(Browser, StartingAgainShowsTheSameLinesAndTotals) {
    const QList<QByteArray> day{"[722][Start]<Fix> @ 8:05:00 AM 12-04-2026",
                                "[722][Stop ]{20}<Fix> @ 8:25:00 AM after 20 minutes",
                                "[722][Start]<Fix> @ 9:00:00 AM 12-04-2026"};
    diary(QList<QByteArray>{"[722][Stop ]{40000}<Fix> @ 5:00:00 PM after 40000 minutes",
                            "[Event] home @ 5:01:00 PM 11-01-2026"} +
          day + QList<QByteArray>{"[Event] home @ 5:00:00 PM 12-04-2026"});
    const std::function<void()> again[] = {[this] { browser.rewind(); },
                                           [this] { browser.open(path()); }};
    for (int round = 0; round <= 2; ++round) {
        if (round > 0)
            again[round - 1]();
        browser.setFilter("", "12-04-2026");
        EXPECT_EQ(shown(browser.nextThree()), day) << round;
        EXPECT_EQ(browser.minutes(), 20) << round;
    }
}

TEST_F(Browser, SkipTenResetsTheMinutesButNotTheCashAndAddsNothing) {
    QList<QByteArray> lines;
    for (int i = 0; i < 20; ++i)
        lines << (i % 2 == 0 ? QByteArray("[722][Stop ]{10}<t> @ 1:00:00 PM after 10 minutes")
                             : QByteArray("[722] {$1$} [Memo ]<t> m @ 1:00:00 PM 12-04-2026"));
    diary(lines);
    browser.setFilter("722", "");
    browser.nextThree(); // lines 0-2
    EXPECT_EQ(browser.minutes(), 20);
    browser.skipTen(); // drops 3-12, shows 13-15
    EXPECT_EQ(browser.minutes(), 0);
    EXPECT_EQ(browser.cash(), 1.0);
    browser.nextThree(); // 16-18
    EXPECT_EQ(browser.minutes(), 20);
    EXPECT_EQ(browser.cash(), 2.0);
}

TEST_F(Browser, LastThreeAddsEveryShownLineAndMinutesDoNotWrap) {
    diary({"[722][Stop ]{20000}<t> @ 1:00:00 PM after 20000 minutes", "[Event] x @ 1:00 PM",
           "[722][Stop ]{20000}<t> @ 2:00:00 PM after 40000 minutes", "[Event] y @ 2:00 PM"});
    browser.setFilter("722", "");
    const QList<QByteArray> last = shown(browser.lastThree());
    EXPECT_EQ(last, (QList<QByteArray>{"[722][Stop ]{20000}<t> @ 1:00:00 PM after 20000 minutes",
                                       "[722][Stop ]{20000}<t> @ 2:00:00 PM after 40000 minutes",
                                       "[Event] y @ 2:00 PM"}));
    EXPECT_EQ(browser.minutes(), 40000);
    EXPECT_TRUE(browser.atEnd());
    EXPECT_EQ(browser.fetch(), QByteArray());
}

// A code typed with the grammar's delimiters is looked for as the writer wrote it.
TEST_F(Browser, ATagIsMatchedInItsWrittenForm) {
    const QDateTime at(QDate(2026, 12, 4), QTime(9, 0));
    diary({stopRecord("a[1]", "t", 9, 9, at).toUtf8(), stopRecord("b", "t", 4, 4, at).toUtf8()});
    browser.setFilter("a[1]", "");
    browser.lastThree();
    EXPECT_EQ(browser.minutes(), 9);
}

// Random Diaries built from the grammar's pieces: nothing crashes, and a code's totals are what
// the browser adds with that code in its tag box.
TEST_F(Browser, FuzzedDiariesCrashNothingAndTotalsMatchTheBrowser) {
    QRandomGenerator rng(11);
    const QList<QByteArray> pieces{"[",
                                   "]",
                                   "[722]",
                                   "[]",
                                   "[Start]",
                                   "[Stop ]",
                                   "[Memo ]",
                                   "{",
                                   "}",
                                   "{$",
                                   "$}",
                                   "<",
                                   ">",
                                   "@",
                                   " after ",
                                   "12-04-2026",
                                   " 11:30:00 PM ",
                                   "1:15:00 AM",
                                   "9",
                                   "99999999999999999999",
                                   "-4",
                                   "1e400",
                                   "nan",
                                   "\xFF\xC3",
                                   "\t",
                                   "&lsqb;",
                                   " ",
                                   "x"};
    for (int round = 0; round < 40; ++round) {
        QList<QByteArray> lines;
        for (int i = int(rng.bounded(200)); i > 0; --i) {
            QByteArray line;
            for (int n = int(rng.bounded(12)); n > 0; --n)
                line += pieces[rng.bounded(int(pieces.size()))];
            lines << line;
        }
        diary(lines);
        for (int press = 0; press < 6; ++press) {
            browser.setFilter(rng.bounded(2) ? "722" : "",
                              rng.bounded(2) ? "12-04-2026" : QString());
            if (press % 3 == 0)
                browser.nextThree();
            else if (press % 3 == 1)
                browser.skipTen();
            else
                browser.lastThree();
        }

        LineReader reader(path());
        const JobTotals totals = totalsOf(reader, true);
        std::vector<qint64> dayMinutes(totals.jobs.size());
        totals.forEachDay([&](const JobDay &day) { dayMinutes[day.job] += day.minutes; });
        for (const JobTotal &job : totals.jobs) {
            EXPECT_EQ(dayMinutes[size_t(&job - totals.jobs.data())], job.minutes)
                << job.code.toStdString();
            const QString typed = lineText(job.code);
            if (escapeField(typed).toUtf8() != job.code)
                continue; // no typed code is written so
            // An emptied tag box means "the empty code" only within a walk that used the box.
            if (typed.isEmpty())
                continue;
            browser.rewind();
            browser.setFilter(typed, "");
            browser.lastThree();
            EXPECT_EQ(browser.minutes(), job.minutes) << job.code.toStdString();
            EXPECT_EQ(browser.cash(), job.cash) << job.code.toStdString();
        }
    }
}

} // namespace
