#include "diary/diary_record.h"
#include "diary_log/diary_cli.h"
#include "diary_log/log_browser.h"
#include "diary_log/week_hours.h"
#include "platform/settings_keys.h"
#include "test_env.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

#include <gtest/gtest.h>

#include <cmath>

using namespace vidorev;

namespace {

class DiaryCommand : public ::testing::Test {
protected:
    DiaryCommand() {
        m_diary = env.makeDiary("ann");
        const QDateTime t(QDate(2026, 12, 4), QTime(9, 0));
        QFile f(m_diary);
        EXPECT_TRUE(f.open(QIODevice::Append));
        for (const QString &line :
             {diary::startRecord("722", "Fix", t), diary::stopRecord("722", "Fix", 90, 90, t),
              diary::memoRecord("a,\"b\"", "2.5", "t", "", t),
              diary::memoRecord("", "1", "t", "", t), diary::memoRecord("=2+3", "4", "t", "", t)})
            f.write(line.toUtf8() + "\r\n");
        // A code as no writer of ours makes it, with a terminal's colour sequence.
        f.write("[\x1b[31m] {$5$} [Memo ]<t> x @ 9:00:00 AM 12-04-2026\r\n");
    }
    int run(const QStringList &args, bool terminal = false) {
        out.clear();
        err.clear();
        QTextStream o(&out);
        QTextStream e(&err);
        return runDiaryCommand(args, env.store(), o, e, false, terminal);
    }

    test::TestEnv env;
    QString m_diary;
    QString out;
    QString err;
};

TEST_F(DiaryCommand, UsageErrorsAndFailures) {
    const struct {
        QStringList args;
        int code;
        const char *said;
    } cases[] = {
        {{}, 2, "usage:"},
        {{"jobz"}, 2, "unknown diary command jobz"},
        {{"workorder", "--user", "ann"}, 2, "a job code of at least two characters"},
        {{"extract", "--user", "ann", "7"}, 2, "a job code of at least two characters"},
        {{"merge", "a", "b"}, 2, "two input Diaries and an output"},
        {{"merge", "--user", "ann", "a", "b", "c"}, 2, "merge takes no --user"},
        {{"totals"}, 2, "either --user NAME or --file PATH"},
        {{"totals", "--user", "ann", "--file", "x"}, 2, "either --user"},
        {{"totals", "--user"}, 2, "--user needs a value"},
        {{"totals", "--user", "ann", "--csv", "--json"}, 2, "do not go together"},
        {{"totals", "--user", "ann", "--weekly"}, 2, "totals does not take --weekly"},
        {{"totals", "--user", "bob"}, 1, "user bob has no Diary"},
        {{"totals", "--file", "/nonexistent/d.log"}, 1, "/nonexistent/d.log"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(run(c.args), c.code);
        EXPECT_TRUE(err.contains(QLatin1String(c.said))) << err.toStdString();
        EXPECT_EQ(err.contains("usage:"), c.code == 2);
        EXPECT_TRUE(out.isEmpty());
    }
}

TEST_F(DiaryCommand, TotalsAsTextCsvAndJson) {
    // A code a spreadsheet would run as a formula stays text; a pipe gets a code's own bytes,
    // a terminal is shown its control characters.
    ASSERT_EQ(run({"totals", "--file", m_diary, "--csv"}), 0) << err.toStdString();
    EXPECT_EQ(out, "job,minutes,hours,cash\n"
                   ",0,0,1\n"
                   "\x1b[31m,0,0,5\n"
                   "722,90,1.5,0\n"
                   "\"'=2+3\",0,0,4\n"
                   "\"a,\"\"b\"\"\",0,0,2.5\n");
    for (const char *format : {"--csv", "--per-day"}) {
        ASSERT_EQ(run({"totals", "--file", m_diary, format}, true), 0);
        EXPECT_FALSE(out.contains(u'\x1b')) << format;
        EXPECT_TRUE(out.contains("\\x1B[31m")) << format;
    }

    ASSERT_EQ(run({"--user", "ann", "totals", "--per-day"}), 0) << err.toStdString();
    EXPECT_EQ(out.split('\n').value(0).simplified(), "job day minutes hours cash");
    EXPECT_TRUE(out.contains(QRegularExpression("\n722 +2026-12-04 +90 +1\\.5 +0\n")))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression("\n\\(none\\) +2026-12-04 +0 +0 +1\n")))
        << out.toStdString();

    ASSERT_EQ(run({"totals", "--user", "ann", "--json", "--per-day"}), 0);
    const QJsonObject root = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(root["diary"].toString(), m_diary);
    const QJsonObject job = root["jobs"].toArray()[2].toObject();
    EXPECT_EQ(job["job"].toString(), "722");
    EXPECT_EQ(job["minutes"].toInteger(), 90);
    EXPECT_EQ(job["hours"].toDouble(), 1.5);
    EXPECT_EQ(root["days"].toArray()[1].toObject()["day"].toString(), "2026-12-04");
}

} // namespace

// A figure that cannot be real (beyond 64 bits, negative, not finite) is named on standard error
// and added nowhere: every format, report and reader gives the same totals.
TEST_F(DiaryCommand, ImpossibleFiguresAreNamedAndAddedNowhere) {
    const QString path = env.makeDiary("bob", "bob.log");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[ab][Start]<t> @ 9:00:00 AM 12-04-2026\r\n"
            "[ab][Stop ]{30}<t> @ 9:30:00 AM after 30 minutes\r\n"
            "[ab][Stop ]{9223372036854775807}<t> @ 9:31:00 AM after 5 minutes\r\n"
            "[ab][Stop ]{9223372036854775807}<t> @ 9:32:00 AM after 5 minutes\r\n"
            "[ab][Stop ]{-100}<t> @ 9:33:00 AM after 5 minutes\r\n"
            "[ab] {$2.50$} [Memo ]<t> parts @ 9:34:00 AM 12-04-2026\r\n"
            "[ab] {$1e308$} [Memo ]<t> x @ 9:35:00 AM 12-04-2026\r\n"
            "[ab] {$nan$} [Memo ]<t> y @ 9:36:00 AM 12-04-2026\r\n");
    f.close();
    const auto named = [this] {
        for (int line : {3, 4, 5, 7, 8})
            EXPECT_TRUE(err.contains(QStringLiteral("line %1: ").arg(line))) << line;
        EXPECT_EQ(err.count("not counted"), 5) << err.toStdString();
    };

    ASSERT_EQ(run({"totals", "--file", path}), 0);
    EXPECT_EQ(out.split('\n').value(1).simplified(), "ab 30 0.5 2.5");
    named();
    ASSERT_EQ(run({"totals", "--file", path, "--csv", "--per-day"}), 0);
    EXPECT_EQ(out.split('\n').value(1), "ab,2026-12-04,30,0.5,2.5");
    ASSERT_EQ(run({"totals", "--file", path, "--json"}), 0);
    const QJsonObject job = QJsonDocument::fromJson(out.toUtf8())["jobs"][0].toObject();
    EXPECT_EQ(job["minutes"].toInteger(), 30);
    EXPECT_EQ(job["cash"].toDouble(), 2.5);
    named();

    const auto report = [](const QString &file) {
        QFile r(file);
        return r.open(QIODevice::ReadOnly) ? QString::fromUtf8(r.readAll()) : QString();
    };
    ASSERT_EQ(run({"workorder", "--file", path, "ab"}), 0);
    const QString order = report(out.trimmed());
    EXPECT_TRUE(order.contains("Cash event, $2.50") && order.contains("Totaling 0.5 Hours"))
        << order.toStdString();
    EXPECT_FALSE(order.contains("1e308") || order.contains("nan"));
    ASSERT_EQ(run({"extract", "--file", path, "ab"}), 0);
    EXPECT_TRUE(report(out.trimmed()).endsWith("Totaling 0.5 Hours\r\n"));
    ASSERT_EQ(run({"mine", "--file", path}), 0);
    named();
    double minutes = 0;
    double cash = 0;
    for (const QString &row : report(out.trimmed()).split("\r\n", Qt::SkipEmptyParts)) {
        const QStringList cells = row.split('\t');
        ASSERT_EQ(cells.size(), 7) << row.toStdString();
        for (const int c : {4, 5}) {
            bool number = cells[c].isEmpty();
            const double value = number ? 0 : cells[c].toDouble(&number);
            EXPECT_TRUE(number && std::isfinite(value) && value >= 0) << row.toStdString();
            (c == 4 ? cash : minutes) += value;
        }
    }
    EXPECT_EQ(minutes, 30);
    EXPECT_EQ(cash, 2.5);

    diary::LogBrowser browser;
    ASSERT_TRUE(browser.open(path));
    browser.setFilter("ab", "");
    browser.lastThree();
    EXPECT_EQ(browser.minutes(), 30);
    EXPECT_EQ(browser.cash(), 2.5);
    EXPECT_EQ(browser.badLines().count(), 5);
    diary::WeekHours week;
    QString why;
    ASSERT_TRUE(diary::weekHoursOf(path, QDate(2026, 11, 30), &week, &why));
    EXPECT_EQ(week.total(), 30);
    EXPECT_EQ(week.bad.count(), 5);
}

TEST_F(DiaryCommand, ReportsAndMergeNameTheFilesTheyWrite) {
    const QString folder = QFileInfo(m_diary).absolutePath() + u'/';
    ASSERT_EQ(run({"jobs", "--user", "ann"}), 0) << err.toStdString();
    EXPECT_EQ(out, folder + "annjobs.txt\n");
    ASSERT_EQ(run({"workorder", "--user", "ann", "722"}), 0) << err.toStdString();
    EXPECT_EQ(out, folder + "722.txt\n");
    // A code that names another folder stays a file name in the chosen one.
    ASSERT_EQ(run({"extract", "--user", "ann", "../x", "--folder", env.dir()}), 0);
    EXPECT_EQ(out, env.dir() + "/ann.._x.txt\n");
    ASSERT_EQ(run({"mine", "--file", m_diary}), 0) << err.toStdString();
    EXPECT_EQ(out, folder + "diary.tab\n"); // named after the Diary without a user
    for (const char *name : {"annjobs.txt", "722.txt", "ann.._x.txt", "diary.tab"})
        EXPECT_TRUE(QFileInfo(folder + name).size() > 0) << name;

    const QString merged = env.filePath("merged.log");
    ASSERT_EQ(run({"merge", m_diary, m_diary + ".none", merged}), 1);
    ASSERT_EQ(run({"merge", m_diary, m_diary, merged}), 0) << err.toStdString();
    EXPECT_EQ(out, "12 lines written to " + merged + "\n");
    EXPECT_EQ(run({"merge", m_diary, m_diary, merged}), 1);
    EXPECT_TRUE(err.contains("--force")) << err.toStdString();
    EXPECT_EQ(run({"merge", m_diary, m_diary, merged, "--force"}), 0);
    EXPECT_EQ(run({"merge", m_diary, merged, m_diary, "--force"}), 1); // never over an input
}
