#include "clocks/job_tracker_panel.h"

#include "calc_special/money_box.h"
#include "clocks/running_jobs.h"
#include "clocks/task_clock.h"
#include "diary/event_add.h"
#include "gui/desk.h"

#include <QPlainTextEdit>

// The job tracker as the program shows it, on its host window.
namespace vidorev::test {
namespace {

// One job clock row's controls, found by their names.
struct ClockRow {
    explicit ClockRow(TaskClock *clock)
        : name(clock->findChild<QLineEdit *>("Text1", Qt::FindDirectChildrenOnly))
        , code(clock->findChild<QLineEdit *>("Text3", Qt::FindDirectChildrenOnly))
        , hours(clock->findChild<MoneyBox *>("Text2")->box())
        , start(clock->findChild<QPushButton *>("Command1"))
        , stop(clock->findChild<QPushButton *>("Command2")) {}
    QLineEdit *name, *code, *hours;
    QPushButton *start, *stop;
};

// The program started for the user "ann" with an empty Diary, the job tracker on screen.
class JobTrackerPanelTest : public ::testing::Test {
protected:
    JobTrackerPanelTest() {
        m_desk.open("/Uann");
        m_desk.click("cmdHotJobTrack");
    }
    JobTrackerPanel *tracker() const { return m_desk.find<JobTrackerPanel>("DedUzedova1"); }
    ClockRow row(int n) const { return ClockRow(tracker()->clock(n)); }
    void startJob(int n, const char *name, const char *code) {
        QTest::keyClicks(row(n).name, name);
        QTest::keyClicks(row(n).code, code);
        row(n).start->click();
    }
    QString flag() const { return m_desk.find<QPushButton>("cmdStatusFlag")->text(); }
    QString stack() const { return m_desk.env.get("ann", keys::kStack); }

    Desk m_desk;
    QString m_diary = m_desk.makeUser("ann");
};

TEST_F(JobTrackerPanelTest, StartingASecondClockHaltsTheFirstAndTheHostFollowsTheRunningOne) {
    startJob(1, "Check timing", "722");
    EXPECT_EQ(flag(), "#");
    m_desk.env.clock().advanceSeconds(25 * 60);
    tracker()->clock(1)->showTime();         // as each minute does: a running clock shows its total
    EXPECT_EQ(row(1).hours->text(), "0.41"); // 25 minutes, cut to cents
    const auto *state = tracker()->clock(1)->findChild<QLabel *>("lblState");
    EXPECT_EQ(state->text(), "");
    startJob(2, "Phone", "9");
    EXPECT_FALSE(row(1).stop->isEnabled());
    EXPECT_TRUE(row(1).name->isReadOnly());
    EXPECT_EQ(row(1).hours->text(), "0.41");
    EXPECT_EQ(state->text(), "paused");
    EXPECT_EQ(row(1).hours->accessibleDescription(), "Paused while another clock runs");

    // Annotate opens the memo panel; its JobStamp names the running job and returns here.
    m_desk.click("Command4", tracker());
    auto *memo = m_desk.find<EventAdd>("EventAdd1");
    QTest::keyClicks(memo->findChild<QPlainTextEdit *>("Text1"), "toner");
    m_desk.click("Command4", memo); // JobStamp
    EXPECT_TRUE(tracker()->isVisible());
    EXPECT_TRUE(m_desk.env.diaryLines(m_diary).at(2).startsWith("[9][Memo ]<Phone> toner @ "));

    row(2).stop->click();
    EXPECT_TRUE(row(1).stop->isEnabled());
    m_desk.click("cmdMainMenu");
    m_desk.click("cmdStatusFlag"); // clock 1 runs again
    EXPECT_TRUE(tracker()->isVisible());
    row(1).stop->click();
    EXPECT_EQ(flag(), "");
}

TEST_F(JobTrackerPanelTest, AClockLeftRunningCountsTheTimeTheProgramWasClosed) {
    startJob(1, "Check timing", "722");
    m_desk.env.clock().advanceSeconds(90 * 60);
    m_desk.open("/Uann");
    EXPECT_EQ(flag(), "#");
    m_desk.click("cmdStatusFlag"); // loads the tracker for the user
    row(1).stop->click();
    EXPECT_TRUE(m_desk.env.diaryLines(m_diary).last().startsWith("[722][Stop ]{90}<Check timing>"));
}

TEST_F(JobTrackerPanelTest, EditingAnIdleClockZeroesItsHoursButLoadingDoesNot) {
    m_desk.env.put("annTC3", keys::kSoFar, "69");
    tracker()->setUser("ann");
    EXPECT_EQ(row(3).hours->text(), "1.15"); // exactly, not a cent low
    EXPECT_EQ(m_desk.env.get("annTC3", keys::kSoFar), "69");
    QTest::keyClicks(row(3).code, "7");
    EXPECT_EQ(row(3).hours->text(), "0");
}

TEST_F(JobTrackerPanelTest, EnterInTheNameStartsAnIdleClockAndTabOrEnterSwapNameAndCode) {
    const ClockRow r = row(1);
    r.code->setFocus();
    QTest::keyClick(r.code, Qt::Key_Return); // Enter in Code starts nothing
    EXPECT_TRUE(r.name->hasFocus());
    QTest::keyClick(r.name, Qt::Key_Tab);
    EXPECT_TRUE(r.code->hasFocus());
    QTest::keyClick(r.code, Qt::Key_Tab); // on through the row, not back: no keyboard trap
    EXPECT_FALSE(r.name->hasFocus() || r.code->hasFocus());
    EXPECT_EQ(stack(), "");
    QTest::keyClicks(r.name, "Check timing");
    QTest::keyClick(r.name, Qt::Key_Return);
    EXPECT_TRUE(r.stop->hasFocus());
    r.name->setFocus();
    QTest::keyClick(r.name, Qt::Key_Return); // running: Enter does nothing
    EXPECT_EQ(stack(), ":annTC1");
    EXPECT_EQ(m_desk.env.diaryLines(m_diary).size(), 1);
}

TEST_F(JobTrackerPanelTest, AClockHaltedElsewhereShowsHaltedWhenThePanelIsShownAgain) {
    startJob(1, "Check timing", "722");
    tracker()->hide();
    // A to-do task clock starts on the same stack while the tracker is hidden.
    RunningJobs(m_desk.env.store(), m_desk.env.clock()).start("ann", "annDoData5", "Shop", "Call");
    tracker()->show();
    EXPECT_FALSE(row(1).stop->isEnabled());
}

} // namespace
} // namespace vidorev::test
