#include "diary_log/log_reader_panel.h"
#include "gui/desk.h"

namespace vidorev::test {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    bool shown(const char *name) const { return desk.find(name)->isVisible(); }
    QString alarm14() const { return desk.env.get(keys::alarmSection(14), keys::kOn); }
    Desk desk;
};

// "/A" on the start line, like Enter in the user box, switches on all alarms with their sound.
TEST_F(MainWindowTest, StartLineOrEnterInTheUserBoxSwitchesOnAllAlarms) {
    desk.env.put(keys::kSecAdmin, keys::kPingAlert, "/sounds/ping.wav");
    EXPECT_EQ(desk.open("/UJohn/A").user(), "John");
    EXPECT_EQ(alarm14(), "1");
    EXPECT_EQ(desk.env.sound().played, QStringList{"/sounds/ping.wav"});
    desk.env.put(keys::alarmSection(14), keys::kOn, "0");
    QTest::keyClick(desk.find("txtUserId"), Qt::Key_Return);
    EXPECT_EQ(alarm14(), "1");
}

// Without a window manager, or on another workspace, a window may never be activated: the start
// line still applies as soon as the event loop runs.
TEST_F(MainWindowTest, StartLineAppliesWithoutAnActivation) {
    struct NoActivation : QObject {
        bool eventFilter(QObject *, QEvent *e) override {
            return e->type() == QEvent::WindowActivate;
        }
    } noActivation;
    MainWindow w(desk.env.services(), desk.writer, "/UJohn");
    w.installEventFilter(&noActivation);
    w.show();
    EXPECT_EQ(w.user(), "");
    QCoreApplication::processEvents();
    EXPECT_EQ(w.user(), "John");
}

TEST_F(MainWindowTest, StatusFlagShowsARunningClockAndGoesToIt) {
    desk.makeUser("ann");
    desk.open("/Uann");
    EXPECT_EQ(desk.window->mode(), 1);
    auto *flag = desk.find<QPushButton>("cmdStatusFlag");
    EXPECT_EQ(flag->text(), "");
    desk.env.put("ann", keys::kStack, ":annTC1");
    desk.env.put("annTC1", keys::kJob, "722");
    desk.click("cmdHotNotes"); // any refresh
    EXPECT_EQ(flag->text(), "#");
    EXPECT_EQ(flag->toolTip(), "Click to GoTo job being timed (job 722)");
    flag->click();
    EXPECT_TRUE(shown("DedUzedova1"));
    EXPECT_EQ(desk.window->mode(), 2);
    desk.env.put("ann", keys::kStack, ":annTC1:annDoData5");
    flag->click();
    EXPECT_TRUE(shown("DoList1"));
    EXPECT_EQ(desk.window->mode(), 4);
}

// Each page that turns every hot button off has its own way back: the memo's "OK", the log
// reader's "Menu", New Diary's and the Options panel's "Cancel".
TEST_F(MainWindowTest, PagesThatTurnEveryHotButtonOffStillLeadBackToTheMenu) {
    const QString diary = desk.makeUser("ann");
    desk.env.put(keys::kSecAdmin, keys::kKeyHold, "ann");
    desk.open("/Uann");
    const std::pair<const char *, const char *> pages[] = {{"Command4", "Command1"},
                                                           {"Command2", "Command1"},
                                                           {"Command1", "Command2"},
                                                           {"cmdAdmin", "Command6"}};
    for (const auto &[tool, back] : pages) {
        desk.click("cmdMainMenu");
        desk.click(tool);
        ASSERT_EQ(desk.window->mode(), 0) << tool;
        desk.click(back);
        EXPECT_EQ(desk.window->mode(), 1) << tool;
        EXPECT_TRUE(shown("MainMenu")) << tool;
    }
    EXPECT_EQ(desk.env.diaryLines(diary).size(), 1); // the memo's event
    EXPECT_EQ(desk.find<LogReaderPanel>("ReadLog1")->user(), "ann");
}

TEST_F(MainWindowTest, StayOnTopToggles) {
    desk.open();
    auto *b = desk.find<QPushButton>("cmdStayTop");
    b->click();
    EXPECT_TRUE(desk.window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(b->text(), "Act Normal");
    b->click();
    EXPECT_FALSE(desk.window->windowFlags() & Qt::WindowStaysOnTopHint);
}

} // namespace
} // namespace vidorev::test
