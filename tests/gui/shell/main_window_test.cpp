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

// "/A" on the start line, like Enter in the user box, switches on all alarms with their sound;
// a line handed over by a later start applies the same way and brings the window back.
TEST_F(MainWindowTest, StartLineOrEnterInTheUserBoxSwitchesOnAllAlarms) {
    desk.env.put(keys::kSecAdmin, keys::kPingAlert, "/sounds/ping.wav");
    EXPECT_EQ(desk.open("/UJohn/A").user(), "John");
    EXPECT_EQ(alarm14(), "1");
    EXPECT_EQ(desk.env.sound().played, QStringList{"/sounds/ping.wav"});
    desk.env.put(keys::alarmSection(14), keys::kOn, "0");
    QTest::keyClick(desk.find("txtUserId"), Qt::Key_Return);
    EXPECT_EQ(alarm14(), "1");
    desk.env.put(keys::alarmSection(14), keys::kOn, "0");
    desk.click("cmdTimeZone");
    desk.window->showMinimized();
    desk.window->takeStartLine("/Ubob");
    EXPECT_EQ(desk.window->user(), "bob");
    EXPECT_TRUE(shown("MainMenu") && !desk.window->isMinimized()); // where the user box is
    desk.window->takeStartLine("/A");
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

// Each page that turns every hot button off has its own way back: the memo's "OK", the log
// reader's "Menu", New Diary's and the Options panel's "Cancel".
TEST_F(MainWindowTest, PagesThatTurnEveryHotButtonOffStillLeadBackToTheMenu) {
    const QString diary = desk.makeUser("ann");
    desk.env.put(keys::kSecAdmin, keys::kKeyHold, "ann");
    desk.open("/Uann");
    for (const QString &page : QStringList{"Command4>Command1", "Command2>Command1",
                                           "Command1>Command2", "cmdAdmin>Command6"}) {
        desk.click("cmdMainMenu");
        desk.click(page.section('>', 0, 0));
        ASSERT_EQ(desk.window->mode(), 0) << page.toStdString();
        desk.click(page.section('>', 1));
        EXPECT_TRUE(desk.window->mode() == 1 && shown("MainMenu")) << page.toStdString();
    }
    EXPECT_EQ(desk.env.diaryLines(diary).size(), 1); // the memo's event
    EXPECT_EQ(desk.find<LogReaderPanel>("ReadLog1")->user(), "ann");
}

} // namespace
} // namespace vidorev::test
