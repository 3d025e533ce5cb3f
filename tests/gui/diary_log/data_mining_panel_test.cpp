#include "diary_log/data_mining_panel.h"
#include "gui/desk.h"

namespace vidorev::test {
namespace {

// Run works off the window's thread: the click comes back while it goes on, pressing again
// changes nothing, progress turns the spinner before the end shows the last frame, and the table
// is in place once whole. (The table's rows are pinned by the core miner tests.)
TEST(DataMiningPanel, RunWorksOffTheWindowThreadOnce) {
    TestEnv env;
    QByteArray big;
    for (int i = 0; i < 20000; ++i)
        big += "[722][Start]<Fix> @ 3:00:00 PM 12-04-2026\r\n"
               "[722][Stop ]{40}<Fix> @ 3:40:00 PM after 40 minutes\r\n";
    writeFile(env.makeDiary("ann"), big);
    DataMiningPanel panel(env.services());
    panel.show();
    panel.setUser("ann");
    QSignalSpy spinner(panel.findChild<QLineEdit *>("txtSpinner"), &QLineEdit::textChanged);
    auto *run = panel.findChild<QPushButton *>("Command2");
    QTest::mouseClick(run, Qt::LeftButton);
    EXPECT_TRUE(panel.isRunning());
    EXPECT_FALSE(run->isEnabled() || panel.findChild<QPushButton *>("Command3")->isEnabled());
    QTest::mouseClick(run, Qt::LeftButton);
    panel.waitForRun();
    EXPECT_FALSE(panel.isRunning());
    ASSERT_GE(spinner.count(), 2);
    EXPECT_EQ(spinner[0][0].toString(), " /");
    EXPECT_EQ(fileBytes(env.filePath("ann.tab")).count('\n'), 20000);
    EXPECT_EQ(panel.message(), "Written " + env.filePath("ann.tab"));
}

} // namespace
} // namespace vidorev::test
