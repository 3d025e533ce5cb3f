#include "diary_log/data_mining_panel.h"
#include "diary_log/job_collector_view.h"
#include "gui/desk.h"

namespace vidorev::test {
namespace {

const QByteArray kJob = "[722][Start]<Fix printer> @ 3:00:00 PM 12-04-2026\r\n"
                        "[722] {$12.50$} [Memo ]<Fix printer> toner @ 3:10:00 PM 12-04-2026\r\n"
                        "[722][Stop ]{40}<Fix printer> @ 3:40:00 PM after 40 minutes\r\n";
const QByteArray kRows = "722\tFix printer\t\t\t\t\t toner\r\n"
                         "722\tFix printer\t 3:00:00 PM 12-04-2026\t 3:40:00 PM \t12.5\t40\t \r\n";

class DataMiningPanelTest : public ::testing::Test {
protected:
    DataMiningPanelTest() { panel.show(); }
    QPushButton *button(const char *name) { return panel.findChild<QPushButton *>(name); }
    QLineEdit *box(int job, int box) {
        return panel.findChild<JobCollectorView *>(QStringLiteral("JobSum%1").arg(job))
            ->findChild<QLineEdit *>(QStringLiteral("Text%1").arg(box));
    }
    QByteArray table() const { return fileBytes(env.filePath("ann.tab")); }

    TestEnv env;
    QString diary = env.makeDiary("ann");
    DataMiningPanel panel{env.services()};
};

TEST_F(DataMiningPanelTest, StepsShowTheCollectorAndOkWritesWhatIsPending) {
    writeFile(diary, kJob);
    QSignalSpy menu(&panel, &DataMiningPanel::menuRequest);
    panel.setUser("ann"); // takes in the first line
    EXPECT_EQ(box(1, 1)->text(), "722");
    QTest::mouseClick(button("Command3"), Qt::LeftButton);
    EXPECT_EQ(panel.findChild<QLineEdit *>("txtSpinner")->text(), " /");
    EXPECT_EQ(box(1, 5)->text(), "12.5");
    EXPECT_EQ(table(), "<missing>");
    // Stopped half way, "OK" writes what was taken in so far.
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    EXPECT_EQ(menu.count(), 1);
    EXPECT_EQ(table(), "722\tFix printer\t\t\t\t\t toner\r\n"
                       "722\tFix printer\t 3:00:00 PM 12-04-2026\t\t12.5\t\t \r\n");
}

TEST_F(DataMiningPanelTest, RunWorksOffTheWindowThreadOnce) {
    QByteArray big;
    for (int i = 0; i < 20000; ++i)
        big += kJob;
    writeFile(diary, big);
    panel.setUser("ann");
    QSignalSpy spinner(panel.findChild<QLineEdit *>("txtSpinner"), &QLineEdit::textChanged);
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    // The click came back while the run goes on; pressing again changes nothing.
    EXPECT_TRUE(panel.isRunning());
    EXPECT_FALSE(button("Command2")->isEnabled() || button("Command3")->isEnabled());
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    panel.waitForRun();
    EXPECT_FALSE(panel.isRunning());
    // Progress turned the spinner on from " |" before the end showed the last frame.
    ASSERT_GE(spinner.count(), 2);
    EXPECT_EQ(spinner[0][0].toString(), " /");
    EXPECT_EQ(table().count('\n'), 40000);
    EXPECT_TRUE(table().endsWith(kRows));
    EXPECT_EQ(panel.message(), "Written " + env.filePath("ann.tab"));
}

TEST_F(DataMiningPanelTest, AUserWithoutADiaryGetsNoTable) {
    panel.setUser("bob");
    EXPECT_TRUE(panel.message().startsWith("No table written: no Diary"));
    EXPECT_FALSE(button("Command2")->isEnabled());
    EXPECT_FALSE(QFile::exists(env.filePath("bob.tab")));
}

} // namespace
} // namespace vidorev::test
