#include "diary_log/hours_chart.h"

#include "diary_log/chart_cli.h"
#include "diary_log/diary_cli.h"
#include "gui/desk.h"
#include "local_zone.h"

#include <QBarSet>
#include <QChart>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QValueAxis>

#include <gtest/gtest.h>

using namespace vidorev;

namespace {

// A week (2026-W44, Monday October 26th) in New York with a run across midnight and one across
// the end of daylight-saving time, when 1:00 to 2:00 AM comes twice.
const char *const kWeek = "[900][Start]<Audit> @ 9:00:00 AM 10-26-2026\r\n"
                          "[900][Stop ]{480}<Audit> @ 5:00:00 PM after 480 minutes\r\n"
                          "[722][Start]<Fix printer> @ 11:00:00 PM 10-27-2026\r\n"
                          "[722] {$12.50$} [Memo ]<Fix printer> toner @ 11:30:00 PM 10-27-2026\r\n"
                          "[722][Stop ]{120}<Fix printer> @ 1:00:00 AM after 120 minutes\r\n"
                          "[Event] lunch [Stop ]{999} @ 12:00:00 PM 10-29-2026\r\n"
                          "[800][Start]<Backup> @ 12:30:00 AM 11-01-2026\r\n"
                          // 12:30 EDT to the second 1:30 (EST) is two real hours.
                          "[800][Stop ]{120}<Backup> @ 1:30:00 AM after 120 minutes\r\n"
                          "[900][Start]<Audit> @ 9:00:00 AM 11-02-2026\r\n"
                          "[900][Stop ]{60}<Audit> @ 10:00:00 AM after 540 minutes\r\n";

QList<qreal> barsOf(QChart *chart, const QString &codePrefix) {
    const auto *series = qobject_cast<QStackedBarSeries *>(chart->series().value(0));
    if (series == nullptr)
        return {};
    for (QBarSet *set : series->barSets())
        if (set->label().startsWith(codePrefix)) {
            QList<qreal> values;
            for (int i = 0; i < set->count(); ++i)
                values << set->at(i);
            return values;
        }
    return {};
}

} // namespace

TEST(HoursChart, DrawsEachJobsHoursOnTheDaysTheyFellOn) {
    test::LocalZone zone("America/New_York");
    test::TestEnv env;
    const QString path = env.makeDiary(QStringLiteral("ann"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kWeek);
    file.close();

    HoursChart chart;
    chart.showDiary(path, QDate(2026, 10, 29));
    chart.waitForWeek();
    ASSERT_EQ(chart.week().monday, QDate(2026, 10, 26));
    EXPECT_EQ(barsOf(chart.chart(), QStringLiteral("900 ")), (QList<qreal>{8, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(barsOf(chart.chart(), QStringLiteral("722 ")), (QList<qreal>{0, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(barsOf(chart.chart(), QStringLiteral("800 ")), (QList<qreal>{0, 0, 0, 0, 0, 0, 2}));
    EXPECT_EQ(chart.week().total(), 480 + 120 + 120);

    // Its axis is the hours rule's; a dark palette turns the chart dark, readable on it.
    const auto *y = qobject_cast<QValueAxis *>(chart.chart()->axes(Qt::Vertical).value(0));
    const diary::HoursAxis axis = diary::hoursAxis(8 * 60);
    EXPECT_EQ(std::tuple(y->max(), y->tickCount()), std::tuple(axis.top(), axis.steps + 1));
    chart.setPalette(QPalette(Qt::black)); // white text on black
    EXPECT_EQ(chart.chart()->theme(), QChart::ChartThemeDark);
    EXPECT_GT(chart.chart()->titleBrush().color().lightness(),
              chart.chart()->backgroundBrush().color().lightness() + 100);

    // The same week from the command line's picture.
    QString error;
    const QString png = env.filePath(QStringLiteral("week.png"));
    ASSERT_TRUE(saveHoursChartPng(chart.week(), png, QString(), &error)) << error.toStdString();
    EXPECT_FALSE(QImage(png).isNull());
    EXPECT_FALSE(QFileInfo(png).permission(QFile::ReadOther)); // the Diary's hours stay private
}

// A job's week is its summed minutes cut to cents, as the totals print it (four runs of one
// minute are 0.06 h, not 4 x 0.01 nor 0.07): the page, grown with the window, its table and the
// command line all agree with `diary totals`.
TEST(HoursChart, ItsHoursAreTheTotalsHoursAndItGrowsWithTheWindow) {
    test::Desk desk;
    const QString path = desk.makeUser(QStringLiteral("ann"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    for (const QByteArray day : {"26", "27", "28", "29"})
        file.write("[950][Start]<A> @ 9:00:00 AM 10-" + day +
                   "-2026\r\n[950][Stop ]{1}<A> @ 9:01:00 AM\r\n"
                   "[722][Start]<B> @ 10:00:00 AM 10-" +
                   day + "-2026\r\n[722][Stop ]{10}<B> @ 10:10:00 AM\r\n");
    file.close();
    desk.env.clock().set(QDateTime(QDate(2026, 10, 27), QTime(12, 0)));
    desk.open(QStringLiteral("/Uann"));
    desk.click(QStringLiteral("Command2"));
    desk.click(QStringLiteral("cmdHoursChart"));
    desk.find<HoursChart>(QStringLiteral("HoursChart1"))->waitForWeek();
    desk.window->resize(1300, 900); // the user grows the window the page came in
    QCoreApplication::processEvents();
    EXPECT_GT(desk.find(QStringLiteral("chartHours"))->height(), 700);

    QString chartOut, totalsOut;
    QTextStream c(&chartOut), t(&totalsOut);
    ASSERT_EQ(runChartCommand({"--file", path, "--png", path + ".png"}, desk.env.store(), c, c,
                              QDate(2026, 10, 27)) +
                  runDiaryCommand({"totals", "--file", path, "--csv"}, desk.env.store(), t, t),
              0);
    const auto *table = desk.find<QTableWidget>(QStringLiteral("tblWeekTotals"));
    QStringList fromTotals, fromChart, fromTable;
    for (int r = 0; r < 2; ++r) {
        const QString totals = totalsOut.section('\n', r + 1, r + 1);
        fromTotals << totals.section(',', 0, 0) + ' ' + totals.section(',', 2, 2);
        fromChart << chartOut.section('\n', r + 1, r + 1).replace('\t', ' ').chopped(6);
        fromTable << table->item(r, 0)->text() + ' ' + table->item(r, 1)->text();
    }
    EXPECT_EQ(fromChart, fromTotals);
    EXPECT_EQ(fromTable, fromTotals);
    EXPECT_EQ(fromTotals, (QStringList{"722 0.66", "950 0.06"}));
}

TEST(HoursChart, TheCommandLineDrawsTheWeekWithoutADisplay) {
    test::TestEnv env;
    const QString diary = env.filePath(QStringLiteral("site.log"));
    QFile file(diary);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kWeek);
    file.close();
    const QString png = env.filePath(QStringLiteral("week.png"));
    QProcess app;
    QProcessEnvironment vars = QProcessEnvironment::systemEnvironment();
    vars.remove(QStringLiteral("QT_QPA_PLATFORM"));
    vars.insert(QStringLiteral("TZ"), QStringLiteral("America/New_York"));
    app.setProcessEnvironment(vars);
    const QStringList common = {QStringLiteral("--store"), env.filePath(QStringLiteral("s.sqlite")),
                                QStringLiteral("diary"),   QStringLiteral("chart"),
                                QStringLiteral("--file"),  diary};
    app.start(QStringLiteral(VIDOREV_APP_PATH),
              common + QStringList{"--week", "2026-W44", "--png", png});
    ASSERT_TRUE(app.waitForFinished(30000));
    EXPECT_EQ(app.exitCode(), 0) << app.readAllStandardError().constData();
    EXPECT_EQ(QString::fromUtf8(app.readAllStandardOutput()),
              "2026-W44 written to " + png + "\n722\t2 hours\n800\t2 hours\n900\t8 hours\n");
    EXPECT_EQ(QImage(png).size(), QSize(900, 520));

    app.start(QStringLiteral(VIDOREV_APP_PATH), common + QStringList{"--week", "2026-W99"});
    ASSERT_TRUE(app.waitForFinished(30000));
    EXPECT_EQ(app.exitCode(), 2);
}
