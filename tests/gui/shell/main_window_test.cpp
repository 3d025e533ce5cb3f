#include "diary/diary_writer.h"
#include "diary_log/read_log.h"
#include "platform/settings_keys.h"
#include "shell/main_window.h"
#include "test_env.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string_view>

using namespace vidorev;
using test::TestEnv;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<MainWindow> start(const QString &commandLine) {
        auto window = std::make_unique<MainWindow>(env.services(), writer, commandLine);
        window->show();
        window->handleFirstActivation();
        return window;
    }
    static QPushButton *button(QWidget *w, const char *name) {
        auto *b = w->findChild<QPushButton *>(name);
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    static bool shown(QWidget *w, const char *name) {
        auto *panel = w->findChild<QWidget *>(name);
        return panel && panel->isVisible();
    }
    QString alarmOn(int k) {
        return env.store().get(keys::kAppDiary, keys::alarmSection(k), keys::kOn, "unset");
    }

    TestEnv env;
    DiaryWriter writer{env.store(), "PLM0D1S0K5", "1.0.0"};
};

struct ButtonRow {
    const char *name;
    const char *caption;
    const char *tip;
};

TEST_F(MainWindowTest, EveryButtonHasItsCaptionTooltipAndAccessibleName) {
    auto w = start("");
    EXPECT_EQ(w->windowTitle(), "Vidorev  V1.0");
    const ButtonRow rows[] = {
        {"cmdMainMenu", "Main Menu", "Access to all functions"},
        {"cmdHotJobTrack", "JobTrack", "The personal time-clock"},
        {"cmdHotNotes", "Notes", "Stash-space"},
        {"cmdDoList", "ToDo list", "Job plan and check-off"},
        {"cmdStayTop", "Stay On Top", "Stay visible while copying from.."},
        {"Command17", "Pix Explore", "Review picture files"},
        {"cmd2DoLS", "ToDo Utils", "Setup/load/save"},
        {"cmdStartAlarms", "All Alarms", "Turn on all Alarm clocks"},
        {"cmdAdmin", "Admin", "Options/setups"},
        {"cmdTimeZone", "Time Zones", "Time at contact phone"},
        {"cmdShowPdox", "ScratchPad", "Short notes"},
        {"Command7", "Help", ""},
        {"cmdSetAlarms", "Set Alarms", "Check/Set Alarm clocks"},
        {"Command2", "Read log", ""},
        {"Command4", "AddEvent", ""},
        {"cmdCalculator", "Calculate", "Set of Calculators"},
        {"Command1", "New Diary", ""},
    };
    for (const ButtonRow &row : rows) {
        QPushButton *b = button(w.get(), row.name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), row.caption) << row.name;
        EXPECT_EQ(b->toolTip(), row.tip) << row.name;
        EXPECT_EQ(b->accessibleName(), row.caption) << row.name;
        EXPECT_TRUE(b->focusPolicy() & Qt::TabFocus) << row.name;
    }
    EXPECT_EQ(w->findChild<QLineEdit *>("txtUserId")->accessibleName(), "User");
}

TEST_F(MainWindowTest, StartLineSetsTheUserAndSwitchesOnAllAlarms) {
    env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kPingAlert, "/sounds/ping.wav");
    auto w = start("/UJohn/A");
    EXPECT_EQ(w->user(), "John");
    for (int k = 1; k <= 14; ++k)
        EXPECT_EQ(alarmOn(k), "1") << k;
    EXPECT_EQ(env.sound().played, QStringList{"/sounds/ping.wav"});
    EXPECT_TRUE(shown(w.get(), "MainMenu"));
    EXPECT_EQ(w->mode(), 0); // John has no Diary yet
}

// Without a window manager, or on another workspace, a window may never be activated: the start
// line still applies as soon as the event loop runs.
TEST_F(MainWindowTest, StartLineAppliesWithoutAnActivation) {
    struct NoActivation : QObject {
        bool eventFilter(QObject *, QEvent *e) override {
            return e->type() == QEvent::WindowActivate;
        }
    } noActivation;
    MainWindow w(env.services(), writer, "/UJohn");
    w.installEventFilter(&noActivation);
    w.show();
    EXPECT_EQ(w.user(), "");
    QCoreApplication::processEvents();
    EXPECT_EQ(w.user(), "John");
}

TEST_F(MainWindowTest, LowerCaseLettersAreIgnored) {
    auto w = start("/uJohn/a");
    EXPECT_EQ(w->user(), "");
    EXPECT_EQ(alarmOn(1), "unset");
}

TEST_F(MainWindowTest, ADiaryOpensTheMenuAndItsButtons) {
    env.makeDiary("ann", "ann-diary.log");
    env.makeDiary("al", "a.txt");
    auto w = start("/Uann");
    EXPECT_EQ(w->mode(), 1);
    EXPECT_TRUE(button(w.get(), "Command4")->isEnabled());
    EXPECT_TRUE(button(w.get(), "Command2")->isEnabled());
    EXPECT_TRUE(button(w.get(), "cmdHotJobTrack")->isEnabled());
    EXPECT_FALSE(button(w.get(), "cmdMainMenu")->isEnabled());

    w->findChild<QLineEdit *>("txtUserId")->setText("al"); // a.txt: too short a name
    EXPECT_EQ(w->mode(), 0);
    EXPECT_FALSE(button(w.get(), "Command4")->isEnabled());
    EXPECT_FALSE(button(w.get(), "cmdHotJobTrack")->isEnabled());

    QTest::mouseClick(button(w.get(), "cmdCalculator"), Qt::LeftButton);
    EXPECT_EQ(w->mode(), 6);
    EXPECT_TRUE(button(w.get(), "cmdMainMenu")->isEnabled());
    EXPECT_FALSE(button(w.get(), "cmdDoList")->isEnabled());
}

TEST_F(MainWindowTest, ALockedDeskKeepsNewDiaryForTheAdministrator) {
    env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold, "boss");
    env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kLocked, keys::kYes);
    auto w = start("/Uann");
    EXPECT_FALSE(button(w.get(), "Command1")->isEnabled());
    EXPECT_FALSE(button(w.get(), "cmdAdmin")->isEnabled());
    w->findChild<QLineEdit *>("txtUserId")->setText("boss");
    EXPECT_TRUE(button(w.get(), "Command1")->isEnabled());
    EXPECT_TRUE(button(w.get(), "cmdAdmin")->isEnabled());
}

TEST_F(MainWindowTest, EnterInTheUserBoxSwitchesOnAllAlarms) {
    auto w = start("");
    auto *box = w->findChild<QLineEdit *>("txtUserId");
    QTest::keyClicks(box, "ann");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), "ann");
    EXPECT_EQ(alarmOn(14), "1");
    EXPECT_TRUE(shown(w.get(), "MainMenu"));
}

TEST_F(MainWindowTest, StatusFlagShowsARunningClockAndGoesToIt) {
    env.makeDiary("ann", "ann-diary.log");
    auto w = start("/Uann");
    QPushButton *flag = button(w.get(), "cmdStatusFlag");
    EXPECT_EQ(flag->text(), "");
    EXPECT_EQ(flag->toolTip(), "Not timing any Job");

    env.store().save(keys::kAppDiary, "ann", keys::kStack, ":annTC1");
    env.store().save(keys::kAppDiary, "annTC1", keys::kJob, "722");
    QTest::mouseClick(button(w.get(), "cmdMainMenu"), Qt::LeftButton); // any refresh
    QTest::mouseClick(button(w.get(), "cmdHotNotes"), Qt::LeftButton);
    EXPECT_EQ(flag->text(), "#");
    EXPECT_EQ(flag->toolTip(), "Click to GoTo job being timed (job 722)");
    QTest::mouseClick(flag, Qt::LeftButton);
    EXPECT_TRUE(shown(w.get(), "DedUzedova1"));
    EXPECT_EQ(w->mode(), 2);

    env.store().save(keys::kAppDiary, "ann", keys::kStack, ":annTC1:annDoData5");
    QTest::mouseClick(flag, Qt::LeftButton);
    EXPECT_TRUE(shown(w.get(), "DoList1"));
    EXPECT_FALSE(shown(w.get(), "DedUzedova1"));
    EXPECT_EQ(w->mode(), 4);
}

TEST_F(MainWindowTest, AddEventRoundTripReturnsToTheMenu) {
    const QString diary = env.makeDiary("ann", "ann-diary.log");
    auto w = start("/Uann");
    QTest::mouseClick(button(w.get(), "Command4"), Qt::LeftButton);
    EXPECT_TRUE(shown(w.get(), "EventAdd1"));
    EXPECT_EQ(w->mode(), 0);
    // The panel's own "OK" (Command1 there; the window's Command1 is "New Diary").
    QTest::mouseClick(button(w->findChild<QWidget *>("EventAdd1"), "Command1"), Qt::LeftButton);
    EXPECT_TRUE(shown(w.get(), "MainMenu"));
    EXPECT_FALSE(shown(w.get(), "EventAdd1"));
    EXPECT_EQ(w->mode(), 1);
    EXPECT_EQ(env.diaryLines(diary).size(), 2); // the event and, for a new user, the upgrade
}

TEST_F(MainWindowTest, PagesThatTurnEveryHotButtonOffStillLeadBackToTheMenu) {
    env.makeDiary("ann", "ann-diary.log");
    auto w = start("/Uann");
    // Each page's own way back: the log reader's "Menu", New Diary's and the Options panel's
    // "Cancel".
    const struct {
        const char *tool, *back;
    } pages[] = {{"Command2", "Command1"}, {"Command1", "Command2"}, {"cmdAdmin", "Command6"}};
    for (const auto &[tool, back] : pages) {
        env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold, "ann");
        QTest::mouseClick(button(w.get(), "cmdMainMenu"), Qt::LeftButton);
        QTest::mouseClick(button(w.get(), tool), Qt::LeftButton);
        ASSERT_EQ(w->mode(), 0) << tool;
        if (tool == std::string_view("Command2")) { // the reader opens the user's Diary
            EXPECT_EQ(w->findChild<ReadLog *>("ReadLog1")->user(), "ann");
        }
        QPushButton *menu = nullptr;
        for (QPushButton *b : w->findChildren<QPushButton *>(back))
            if (b->isVisible())
                menu = b;
        ASSERT_NE(menu, nullptr) << tool;
        QTest::mouseClick(menu, Qt::LeftButton);
        EXPECT_EQ(w->mode(), 1) << tool;
        EXPECT_TRUE(shown(w.get(), "MainMenu")) << tool;
    }
}

// Start-up builds the menu and the alarm bank's clock only; a page is built when first shown and
// the same page, with what was typed into it, shows again later.
TEST_F(MainWindowTest, PagesAreBuiltWhenFirstShownAndKept) {
    env.makeDiary("ann", "ann-diary.log");
    auto w = start("/Uann");
    EXPECT_NE(w->findChild<QWidget *>("TimeLert1"), nullptr);
    // In an order where each button is on offer after the page before it. The alarm bank runs
    // from the start; its rows are built when it is first shown.
    const struct {
        const char *button, *page;
    } pages[] = {{"cmdCalculator", "TVCalc1"},  {"cmdHotJobTrack", "DedUzedova1"},
                 {"cmdDoList", "DoList1"},      {"cmdHotNotes", "Frame4"},
                 {"Command4", "EventAdd1"},     {"Command2", "ReadLog1"},
                 {"cmdTimeZone", "TimeSet1"},   {"Command17", "pmPixXplore1"},
                 {"cmd2DoLS", "DoLoadSave1"},   {"Command7", "AboutPage1"},
                 {"cmdShowPdox", "frmScratch"}, {"cmdSetAlarms", "DownTime1"}};
    for (const auto &[tool, name] : pages) {
        EXPECT_EQ(w->findChild<QWidget *>(name), nullptr) << name;
        button(w.get(), tool)->click();
        QWidget *page = w->findChild<QWidget *>(name);
        ASSERT_TRUE(page && page->isVisible()) << name;
        page->setProperty("seen", true);
    }
    for (const auto &[tool, name] : pages) {
        button(w.get(), tool)->click();
        QWidget *page = w->findChild<QWidget *>(name);
        EXPECT_TRUE(page->isVisible() && page->property("seen").toBool()) << name;
    }
}

TEST_F(MainWindowTest, StayOnTopToggles) {
    auto w = start("");
    QPushButton *b = button(w.get(), "cmdStayTop");
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(b->text(), "Act Normal");
    EXPECT_EQ(b->toolTip(), "Don't be in the way of other work");
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(b->text(), "Stay On Top");
}

} // namespace
