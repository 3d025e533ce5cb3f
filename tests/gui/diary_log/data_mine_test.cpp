#include "diary_log/data_mine.h"
#include "diary_log/job_collector.h"
#include "diary_log/job_sum.h"
#include "test_env.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace vidorev;
using test::TestEnv;

namespace {

class DataMineTest : public ::testing::Test {
protected:
    DataMineTest()
        : panel(env.services()) {
        diary = env.makeDiary("ann");
        panel.resize(900, 600);
        panel.show();
    }
    void writeDiary(const QByteArray &bytes) {
        QFile f(diary);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    template <class T> T *child(const QString &name) { return panel.findChild<T *>(name); }
    QLineEdit *box(int job, int box) {
        return child<JobSum>(QStringLiteral("JobSum%1").arg(job))
            ->findChild<QLineEdit *>(QStringLiteral("Text%1").arg(box));
    }
    QByteArray table() const {
        QFile f(env.filePath("ann.tab"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    TestEnv env;
    DataMine panel;
    QString diary;
};

const QByteArray kJob = "[722][Start]<Fix printer> @ 3:00:00 PM 12-04-2026\r\n"
                        "[722] {$12.50$} [Memo ]<Fix printer> toner @ 3:10:00 PM 12-04-2026\r\n"
                        "[722][Stop ]{40}<Fix printer> @ 3:40:00 PM after 40 minutes\r\n";

} // namespace

TEST_F(DataMineTest, EveryShowingControlHasAUniqueAccessibleName) {
    QSet<QString> names;
    for (QWidget *w : panel.findChildren<QWidget *>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible())
            continue;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        EXPECT_FALSE(names.contains(w->accessibleName())) << w->accessibleName().toStdString();
        names << w->accessibleName();
    }
    EXPECT_TRUE(names.contains("Job 6 Memo"));
    EXPECT_EQ(child<QGroupBox>("Frame1")->title(), "Data Miner ");
}

TEST_F(DataMineTest, StepsShowTheCollectorAndOkWritesWhatIsPending) {
    writeDiary(kJob);
    QSignalSpy menu(&panel, &DataMine::menuRequest);
    panel.setUser("ann");
    // Writing the user takes in the first line.
    EXPECT_EQ(child<QLineEdit>("txtSpinner")->text(), " |");
    EXPECT_EQ(box(1, 1)->text(), "722");
    EXPECT_EQ(box(1, 3)->text(), " 3:00:00 PM 12-04-2026");
    EXPECT_TRUE(child<JobSum>("JobSum1")->findChild<QCheckBox *>("Check1")->isChecked());
    QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_EQ(child<QLineEdit>("txtSpinner")->text(), " /");
    EXPECT_EQ(box(1, 5)->text(), "12.5");
    EXPECT_EQ(box(1, 7)->text(), " toner");
    EXPECT_EQ(panel.message(), "Creating " + env.filePath("ann.tab"));
    EXPECT_EQ(table(), "<missing>");
    // Stopped half way, "OK" writes what was taken in so far.
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(menu.count(), 1);
    EXPECT_EQ(table(), "722\tFix printer\t\t\t\t\t toner\r\n"
                       "722\tFix printer\t 3:00:00 PM 12-04-2026\t\t12.5\t\t \r\n");

    // Stepped to the end: nothing more to step or run, and the table is in place at once.
    panel.setUser("ann");
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_FALSE(child<QPushButton>("Command3")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("Command2")->isEnabled());
    EXPECT_EQ(panel.message(), "Written " + env.filePath("ann.tab"));
    EXPECT_EQ(table(), "722\tFix printer\t\t\t\t\t toner\r\n"
                       "722\tFix printer\t 3:00:00 PM 12-04-2026\t 3:40:00 PM \t12.5\t40\t \r\n");
    EXPECT_EQ(box(1, 1)->text(), "");
}

TEST_F(DataMineTest, RunWorksOffTheWindowThreadOnce) {
    QByteArray big;
    for (int i = 0; i < 20000; ++i)
        big += kJob;
    writeDiary(big);
    panel.setUser("ann");
    QSignalSpy spinner(child<QLineEdit>("txtSpinner"), &QLineEdit::textChanged);
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    // The click came back while the run goes on; pressing again changes nothing.
    EXPECT_TRUE(panel.isRunning());
    EXPECT_FALSE(child<QPushButton>("Command2")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("Command3")->isEnabled());
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
    panel.waitForRun();
    EXPECT_FALSE(panel.isRunning());
    // Progress turned the spinner on from " |" before the end showed the last frame.
    ASSERT_GE(spinner.count(), 2);
    EXPECT_EQ(spinner[0][0].toString(), " /");
    const QByteArray rows = table();
    EXPECT_EQ(rows.count('\n'), 40000);
    EXPECT_TRUE(rows.endsWith("722\tFix printer\t 3:00:00 PM 12-04-2026\t 3:40:00 PM \t12.5\t40\t "
                              "\r\n"));
}

TEST_F(DataMineTest, AUserWithoutADiaryGetsNoTable) {
    panel.setUser("bob");
    EXPECT_TRUE(panel.message().startsWith("No table written: no Diary"));
    EXPECT_FALSE(child<QPushButton>("Command2")->isEnabled());
    EXPECT_FALSE(QFile::exists(env.filePath("bob.tab")));
}

TEST(JobSum, ShowsItsCollectorAndSetsItsHold) {
    diary::JobCollector collector;
    collector.setCustNum("722");
    collector.setStart(" 3:00:00 PM 12-04-2026");
    collector.setCash("2.25");
    collector.setCash("1");
    collector.setElapsed("40000");
    collector.setElapsed("40000");
    JobSum panel;
    panel.setCollector(&collector);
    panel.show();
    const auto text = [&](const char *name) { return panel.findChild<QLineEdit *>(name)->text(); };
    EXPECT_EQ(text("Text1"), "722");
    EXPECT_EQ(text("Text5"), "3.25");
    EXPECT_EQ(text("Text6"), "80000");
    auto *running = panel.findChild<QCheckBox *>("Check1");
    EXPECT_TRUE(running->isChecked());
    QTest::mouseClick(running, Qt::LeftButton);
    EXPECT_FALSE(collector.hold());
    EXPECT_TRUE(panel.findChild<QLineEdit *>("Text3")->isReadOnly());
}
