#include "diary_log/data_miner.h"
#include "diary_log/job_collector.h"
#include "diary_log/job_reports.h"
#include "platform/text_forms.h"
#include "test_env.h"

using namespace vidorev::diary;
using vidorev::test::fileBytes;
using vidorev::test::referenceTime;
using vidorev::test::writeFile;

namespace {

class Reports : public ::testing::Test {
protected:
    QString writeDiary(const QList<QByteArray> &lines) { return writeFile(diary, joined(lines)); }
    static QByteArray joined(const QList<QByteArray> &lines) {
        QByteArray out;
        for (const QByteArray &line : lines)
            out += line + "\r\n";
        return out;
    }
    QString file(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QString diary = dir.filePath(QStringLiteral("diary.log"));
};

QByteArray start(const char *code, const char *task = "Fix printer") {
    return QByteArray("[") + code + "][Start]<" + task + "> @ 3:00:00 PM 12-04-2026";
}
QByteArray stop(const char *code, int minutes, const char *task = "Fix printer") {
    return QByteArray("[") + code + "][Stop ]{" + QByteArray::number(minutes) + "}<" + task +
           "> @ 3:40:00 PM after 40 minutes";
}

} // namespace

TEST(SafeFileName, KeepsEveryNameInItsFolder) {
    QStringList names;
    for (const char *name : {"Ann Smith", "café.tab", "../x", "a/b\\c", "tab\there\x1b",
                             "a:b*c?d\"e<f>g|h", "", ".", ".."})
        names << safeFileName(name);
    EXPECT_EQ(names.join('|'), "Ann Smith|café.tab|.._x|a_b_c|tab_here_|a_b_c_d_e_f_g_h|_|_|__");
    const QString longName = safeFileName(QString(300, u'é') + ".txt");
    EXPECT_LE(longName.toUtf8().size(), 255);
    EXPECT_TRUE(longName.endsWith("é.txt"));
}

TEST_F(Reports, JobCodeListNamesEachRecentCodeOnce) {
    writeDiary({start("A"), stop("A", 5), "[Event] typed [Start] here @ 1:00:00 PM 12-04-2026",
                start("B"), start("A"), start("C")});
    const ReportResult r = writeJobCodeList(diary, "ann", referenceTime());
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.output, file("annjobs.txt"));
    EXPECT_EQ(fileBytes(r.output),
              joined({"", "\t------------------\t------------------",
                      "\tJobCode list for ann at 12-04-2026 3:45:12 PM",
                      "\t(as found in the logfile " + diary.toUtf8() + ")", "", "A", "B", "C", "",
                      "             This list includes all codes used.",
                      "  Codes might appear more than once, depending on the pattern", ""}));

    // A code comes back once nine other codes have been seen since it.
    for (int between : {8, 9, 10}) {
        QList<QByteArray> lines{start("A")};
        for (int i = 0; i < between; ++i)
            lines << start(QByteArray::number(100 + i).constData());
        lines << start("A");
        writeDiary(lines);
        ASSERT_TRUE(writeJobCodeList(diary, "ann", referenceTime()).ok);
        const QByteArray out = fileBytes(file("annjobs.txt"));
        EXPECT_EQ(out.count("\r\nA\r\n"), between < 9 ? 1 : 2) << between;
    }
}

TEST_F(Reports, WorkOrderGathersRunsCashAndMemosAndAppends) {
    writeDiary({start("722"), "[722] {$12.50$} [Memo ]<Fix printer> toner @ 3:10:00 PM 12-04-2026",
                "[Event] for [722] saw {$5000$} and [Stop ]{999} @ 3:20:00 PM 12-04-2026",
                start("722", "Cable"), stop("722", 40000, "Cable"), stop("722", 40000), start("9"),
                stop("9", 30)});
    const QByteArray once = joined(
        {"", "\t---------< Acme >---------", "\tFor job 722 as of 12-04-2026 3:45:12 PM", "",
         "Cash event, $12.50", "Memorandum  toner@  3:10:00 PM 12-04-2026",
         "'Cable' From  3:00:00 PM 12-04-2026 To  3:40:00 PM  (40000 minutes elapsed)",
         "'Fix printer' From  3:00:00 PM 12-04-2026 To  3:40:00 PM  (40000 minutes elapsed)", "",
         // 80000 minutes: a 16-bit sum would have wrapped.
         "Totaling 1333.33333333333 Hours"});
    const ReportResult r = writeWorkOrder(diary, "722", "Acme", referenceTime());
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.output, file("722.txt"));
    EXPECT_EQ(fileBytes(r.output), once);
    ASSERT_TRUE(writeWorkOrder(diary, "722", "Acme", referenceTime()).ok);
    EXPECT_EQ(fileBytes(r.output), once + once);

    // A Stop with no Start before it closes no run: the runs after it are still collected.
    writeDiary({stop("722", 5), start("722"), stop("722", 10)});
    ASSERT_TRUE(writeWorkOrder(diary, "722", "Acme", referenceTime()).ok);
    EXPECT_TRUE(fileBytes(r.output).endsWith(joined(
        {"", "'Fix printer' From  3:00:00 PM 12-04-2026 To  3:40:00 PM  (10 minutes elapsed)", "",
         "Totaling 0.25 Hours"})))
        << fileBytes(r.output).toStdString();
}

TEST_F(Reports, ExtractCopiesLinesAsTheyAreAndCountsOnlyStops) {
    const QByteArray odd = "[722][Memo ]<t> caf\xC3 \xFF [Stop ]{999} @ 3:10:00 PM 12-04-2026";
    writeDiary({start("722"), odd, start("7220"), stop("722", 90), "[Event] later @ x"});
    const ReportResult r = writeJobExtract(diary, QString(), "ann", "722");
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.output, file("ann722.txt"));
    EXPECT_EQ(fileBytes(r.output),
              joined({start("722"), odd, stop("722", 90), "Totaling 1.5 Hours"}));

    // A chosen folder; a code that would climb out of it stays inside as one file.
    QDir(dir.path()).mkdir(QStringLiteral("out"));
    const ReportResult climb = writeJobExtract(diary, file("out"), "ann", "../x");
    EXPECT_EQ(climb.output, file("out/ann.._x.txt"));
    EXPECT_EQ(QDir(file("out")).entryList(QDir::Files), QStringList{"ann.._x.txt"});
}

TEST_F(Reports, NothingIsTouchedWithoutADiaryOrACode) {
    QDir(dir.path()).mkdir(QStringLiteral("folder.log"));
    for (const QString &path : {file("missing.log"), file("folder.log"), QStringLiteral("x")}) {
        EXPECT_FALSE(writeJobCodeList(path, "ann", referenceTime()).ok);
        EXPECT_FALSE(writeWorkOrder(path, "722", "Acme", referenceTime()).ok);
        EXPECT_FALSE(writeJobExtract(path, QString(), "ann", "722").ok);
        EXPECT_FALSE(DataMiner().open("ann", path).ok);
    }
    writeDiary({start("7")}); // a code too short to be a job's
    EXPECT_FALSE(writeWorkOrder(diary, "7", "Acme", referenceTime()).error.isEmpty());
    EXPECT_FALSE(writeJobExtract(diary, QString(), "ann", "7").ok);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"diary.log"});
}

TEST_F(Reports, MinerWritesMemoRowsThenJobRows) {
    writeDiary({"[Vidorev][Memo]<UpGrade> Loging for User ann is Vidorev Revision 1 @ 1:00 PM "
                "01-02-2026",
                "no bracket first [722][Stop ]{5}", start("722"),
                "[722] {$12.50$} [Memo ]<Fix printer> toner @ 3:10:00 PM 12-04-2026",
                "[DoList][Note ] <AddTaskFromFile> (list) task @ 3:11:00 PM 12-04-2026",
                "[Event] saw [Stop ]{999} and {$5000$} @ 3:12:00 PM 12-04-2026", stop("722", 40000),
                start("722"), stop("722", 40000)});
    DataMiner miner;
    const ReportResult opened = miner.open("ann", diary);
    ASSERT_TRUE(opened.ok) << opened.error.toStdString();
    EXPECT_EQ(opened.output, file("ann.tab"));
    // The first step takes the upgrade line and ignores it; the second passes over the line
    // that does not start with "[" and takes the Start.
    QStringList steps{miner.spinner()};
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(miner.step());
        const JobCollector &c = miner.collector(0);
        steps << miner.spinner() + '/' + c.custNum() + '/' + c.start() + QString::number(c.hold());
    }
    EXPECT_EQ(steps.join('|'), ":|://0| |/722/ 3:00:00 PM 12-04-20261");
    // Nothing is in place until the table is complete.
    EXPECT_FALSE(QFile::exists(file("ann.tab")));
    ASSERT_TRUE(miner.runRest().ok);
    EXPECT_TRUE(miner.atEnd());
    ASSERT_TRUE(miner.finish().ok);
    EXPECT_EQ(fileBytes(file("ann.tab")),
              joined({"722\tFix printer\t\t\t\t\t toner",
                      "722\tFix printer\t 3:00:00 PM 12-04-2026\t 3:40:00 PM \t12.5\t40000\t ",
                      "722\tFix printer\t 3:00:00 PM 12-04-2026\t 3:40:00 PM \t0\t40000\t "}));
}

// The table's cash column is the general number form of the job's sum, in the locale's digits
// and decimal point, for amounts around the switch to an exponent and exact halves too.
TEST_F(Reports, MinerWritesEachJobsCashInTheGeneralNumberForm) {
    // Jobs between "|", each job's amounts between blanks.
    const QByteArray jobs = "12.50|0.1 0.2|-5.5 0.25|0.0001|0.00001|99999999999999.984|1e15|5000|"
                            "123456789012345|1000000 0.05|542917629686988.5|11209042848032.25|"
                            "-0.000123456789012345678";
    for (const QLocale &locale :
         {QLocale(QLocale::English), QLocale(QLocale::German), QLocale(QLocale::Arabic)}) {
        QLocale::setDefault(locale);
        QList<QByteArray> lines;
        QList<QByteArray> expected;
        for (const QByteArray &amounts : jobs.split('|')) {
            double sum = 0;
            lines << start("9");
            for (const QByteArray &amount : amounts.split(' ')) {
                lines << "[9] {$" + amount + "$} [Memo ]<Fix printer> m @ 3:10:00 PM";
                sum += amount.toDouble();
            }
            lines << stop("9", 1);
            expected << vidorev::text::number(sum).toUtf8();
        }
        writeDiary(lines);
        DataMiner miner;
        ASSERT_TRUE(miner.open("ann", diary).ok && miner.runRest().ok && miner.finish().ok);
        QList<QByteArray> cash;
        for (const QByteArray &row : fileBytes(file("ann.tab")).split('\n'))
            if (row.count('\t') == 6 && !row.contains("\t\t\t\t\t"))
                cash << row.split('\t')[4];
        EXPECT_EQ(cash, expected) << qPrintable(locale.name());
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

TEST_F(Reports, MinerSharesTheLastCollectorBetweenOverflowingJobs) {
    JobCollector sum; // sums of minutes and cash are not cut to 16 bits
    for (const char *minutes : {"40000", "40000"})
        sum.setElapsed(minutes);
    EXPECT_EQ(sum.elapsed(), "80000");
    QList<QByteArray> lines;
    for (const char *code : {"J1", "J2", "J3", "J4", "J5", "J6", "J7"})
        lines << start(code);
    lines << stop("J6", 6);
    writeDiary(lines);
    DataMiner miner;
    ASSERT_TRUE(miner.open("ann", diary).ok);
    ASSERT_TRUE(miner.runRest().ok);
    // J7 arrived at the sixth collector and pushed J6's record out; J6's stop then found no
    // collector of its own and pushed J7 out in turn.
    EXPECT_EQ(miner.collector(5).custNum(), "");
    EXPECT_EQ(miner.collector(4).custNum(), "J5");
    ASSERT_TRUE(miner.finish().ok);
    QList<QByteArray> rows = fileBytes(file("ann.tab")).split('\n'), codes;
    for (const QByteArray &row : rows)
        codes << row.left(row.indexOf('\t'));
    EXPECT_EQ(codes.join(' '), "J6 J7 J6 J1 J2 J3 J4 J5 "); // eight rows, then the empty rest
    EXPECT_EQ(rows[2], "J6\tFix printer\t\t 3:40:00 PM \t0\t6\t \r");
}
