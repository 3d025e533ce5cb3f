#include "diary_log/hours_chart.h"

#include "diary_log/job_totals.h"
#include "diary_log/line_reader.h"
#include "local_zone.h"
#include "test_env.h"

#include <QBarSet>
#include <QChart>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStackedBarSeries>

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

    // Its week and the next hold every run of the Diary: together they are the job totals that
    // `vidorev diary totals` prints and the log reader adds.
    diary::WeekHours next;
    QString why;
    ASSERT_TRUE(diary::weekHoursOf(path, QDate(2026, 11, 2), &next, &why));
    diary::LineReader reader(path);
    for (const diary::JobTotal &job : diary::totalsOf(reader, false).jobs) {
        qint64 charted = 0;
        for (const diary::WeekHours *week :
             {&chart.week(), static_cast<const diary::WeekHours *>(&next)})
            for (const diary::WeekHours::Job &j : week->jobs)
                if (j.code == diary::lineText(job.code))
                    charted += j.total();
        EXPECT_EQ(charted, job.minutes) << job.code.constData();
    }

    // The same week from the command line's picture.
    QString error;
    const QString png = env.filePath(QStringLiteral("week.png"));
    ASSERT_TRUE(saveHoursChartPng(chart.week(), png, QString(), &error)) << error.toStdString();
    EXPECT_FALSE(QImage(png).isNull());
    EXPECT_FALSE(QFileInfo(png).permission(QFile::ReadOther)); // the Diary's hours stay private
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
