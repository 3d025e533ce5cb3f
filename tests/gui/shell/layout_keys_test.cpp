#include "diary_log/log_reader_panel.h"
#include "gui/desk.h"

using namespace vidorev;

// The window takes the size of each page and shrinks back after a big one; widening it widens
// the boxes and the folder tree, and a box shows its whole text as tooltip only while it is cut
// (a task's, always). Enter presses the focused button; Escape leaves a page as its own way back
// does ("Menu", "Cancel", else "Main Menu").
TEST(LayoutKeys, TheWindowFollowsThePageTheBoxesFollowTheWindowAndKeysPressButtons) {
    test::Desk desk;
    const QString text = "Check the timing of the conveyor belt sensors on line three, then report";
    test::writeFile(desk.makeUser("ann"), ("[7][Memo ]{$1$}<" + text + "> @ 3:45:12 PM").toUtf8());
    desk.env.put("annDoData", "1Task", text);
    desk.env.put("annTC1", "TaskName", text);
    desk.env.put(keys::kSecAdmin, keys::kKeyHold, "ann");
    MainWindow &w = desk.open("/Uann");
    const QSize menu = w.size();
    for (const auto &[page, row, wideTip] : {std::tuple{"cmdDoList", "DoElement1", text},
                                             {"cmdHotJobTrack", "TaskClock1", QString()},
                                             {"Command2", "ReadLog1", QString()}}) {
        desk.click(page);
        if (auto *reader = desk.find<LogReaderPanel>(row); reader != nullptr) {
            desk.click("Command2", reader);
            reader->waitForReading();
        }
        auto *box = desk.find<QLineEdit>("Text1", desk.find(row));
        const int narrow = box->width();
        EXPECT_TRUE(box->toolTip().contains(text)) << page;
        w.resize(1300, 900);
        EXPECT_GT(box->width(), narrow + 500) << page;
        EXPECT_EQ(box->toolTip(), wideTip) << page;
        desk.showing(page == QString("Command2") ? "Command1" : "cmdMainMenu")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(w.size(), menu) << page;
    }
    desk.click("Command17");
    w.resize(1300, 900);
    EXPECT_GT(desk.find("Dir1")->height(), 600);
    desk.click("cmdMainMenu");
    for (const QString &page : QStringList{"Command2>Command1", "Command1>Command2",
                                           "cmdAdmin>Command6", "cmdDoList>cmdMainMenu"}) {
        desk.click(page.section('>', 0, 0));
        QSignalSpy left(desk.showing(page.section('>', 1)), SIGNAL(clicked()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_EQ(left.count(), 1) << page.toStdString();
        EXPECT_TRUE(w.mode() == 1 && desk.find("MainMenu")->isVisible()) << page.toStdString();
    }
}
