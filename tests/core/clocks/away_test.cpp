#include "clocks/absence_book.h"

#include "diary_log/diary_cli.h"
#include "diary_log/log_browser.h"
#include "test_env.h"

#include <QTextStream>

namespace vidorev::test {
namespace {

QDateTime at(int h, int m) {
    return QDateTime(QDate(2026, 12, 4), QTime(h, m));
}

// Clock 2 (job 9) from 9:00 is halted by clock 1 (job 722) at 10:00; the minute tick last sees
// the wall clock at 10:40 and next at 12:10, a quarter of a minute later on the steady clock:
// the machine slept. The user answers at 12:10, and whatever still runs stops at 12:30 and 12:45.
struct Case {
    AwayChoice choice;
    const char *record; // the answer's Diary line up to its stamp; "" for none
    int job722;         // minutes of each job in the Diary at the end
    int job9;
};

class AwayTest : public ::testing::TestWithParam<Case> {
protected:
    void setNow(int h, int m) { env.clock().set(at(h, m)); }
    // Minutes of a code as `diary totals` prints them, and as the log reader adds them up.
    int totals(const QString &code) {
        QString out, err;
        QTextStream o(&out), e(&err);
        EXPECT_EQ(runDiaryCommand({"totals", "--user", "ann", "--csv"}, env.store(), o, e), 0);
        for (const QString &row : out.split('\n'))
            if (row.startsWith(code + ','))
                return row.section(',', 1, 1).toInt();
        return 0;
    }
    qint64 browsed(const QString &code) {
        diary::LogBrowser browser;
        EXPECT_TRUE(browser.open(diaryPath));
        browser.setFilter(code, "");
        browser.lastThree();
        return browser.minutes();
    }

    TestEnv env;
    QString diaryPath = env.makeDiary("ann");
};

TEST_P(AwayTest, AnAnswerWritesOneRecordAndTheTotalsCountIt) {
    const Case c = GetParam();
    {
        RunningJobs jobs(env.store(), env.clock());
        setNow(9, 0);
        jobs.start("ann", "annTC2", "9", "Phone");
        setNow(10, 0);
        jobs.start("ann", "annTC1", "722", "Check timing");
        AbsenceBook book(env.store(), jobs);
        AwaySense sense;
        EXPECT_FALSE(sense.tick(at(10, 0), 0));
        EXPECT_FALSE(sense.tick(at(10, 40), 40 * 60000)); // awake all along
        const std::optional<Absence> slept = sense.tick(at(12, 10), 40 * 60000 + 15000);
        ASSERT_TRUE(slept);
        // Shorter than the threshold (10 minutes), or with detection off: not asked about.
        EXPECT_FALSE(book.note("ann", Absence{at(10, 40), at(10, 49)}));
        ASSERT_TRUE(book.setThresholdMinutes("ann", 0));
        EXPECT_FALSE(book.note("ann", *slept));
        ASSERT_TRUE(book.setThresholdMinutes("ann", 10));
        EXPECT_TRUE(book.note("ann", *slept));
        EXPECT_TRUE(book.note("ann", Absence{at(11, 0), at(11, 30)})); // within: no change
    }
    // A restart: the question waits in the store, asked again of a new book.
    RunningJobs jobs(env.store(), env.clock());
    AbsenceBook book(env.store(), jobs);
    setNow(12, 10);
    const std::optional<PendingAbsence> p = book.pending("ann");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->span.from, at(10, 40));
    EXPECT_EQ(p->span.to, at(12, 10));
    EXPECT_EQ(p->section, "annTC1");
    EXPECT_TRUE(p->changeable);

    const int before = env.diaryLines(diaryPath).size();
    EXPECT_EQ(book.answer("ann", c.choice).result, PostResult::Posted);
    const QStringList lines = env.diaryLines(diaryPath);
    EXPECT_EQ(lines.size(), before + (*c.record ? 1 : 0));
    if (*c.record) {
        EXPECT_TRUE(lines.last().startsWith(c.record)) << lines.last().toStdString();
    }
    EXPECT_FALSE(book.pending("ann"));
    EXPECT_EQ(book.answer("ann", c.choice).result, PostResult::NotAllowed); // answered once

    for (const auto &[h, m] : {std::pair{12, 30}, std::pair{12, 45}}) {
        setNow(h, m);
        const QString top = jobs.chain("ann").section(':', -1);
        if (!top.isEmpty())
            jobs.stop("ann", top);
    }
    EXPECT_EQ(totals("722"), c.job722);
    EXPECT_EQ(browsed("722"), c.job722);
    EXPECT_EQ(totals("9"), c.job9);
    EXPECT_EQ(browsed("9"), c.job9);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, AwayTest,
    ::testing::Values(
        // Nothing written: the sleep is charged to job 722 (10:00-12:30).
        Case{AwayChoice::Keep, "", 150, 60 + 15},
        // 722 stops at 10:40; job 9 resumes at the answer, 12:10, and runs to 12:30.
        Case{AwayChoice::StopAtStart,
             "[722][Stop ]{40}<Check timing> @ 12:10:00 PM after 40 minutes, away from 10:40 to "
             "12:10",
             40, 60 + 20},
        // 722 runs on without the 90 minutes; job 9 below is not touched.
        Case{AwayChoice::LeaveOut,
             "[722][Note ] <Away> away from 10:40 to 12:10: 90 minutes not counted on Check "
             "timing @ 12:10:00 PM 12-04-2026",
             150 - 90, 60 + 15}));

} // namespace
} // namespace vidorev::test
