#include "clocks/job_tracker_panel.h"

#include "calc_special/money_box.h"
#include "clocks/task_clock.h"
#include "diary/event_add.h"
#include "gui/desk.h"

#include <QPlainTextEdit>

// The job tracker as the program shows it, on its host window, for the user "ann".
namespace vidorev::test {
namespace {

class JobTrackerPanelTest : public ::testing::Test {
protected:
    JobTrackerPanelTest() {
        m_desk.open("/Uann");
        m_desk.click("cmdHotJobTrack");
    }
    JobTrackerPanel *tracker() const { return m_desk.find<JobTrackerPanel>("DedUzedova1"); }
    // Row n's "Text1" (name), "Text3" (code), "Command1" (Start) or "Command2" (Stop).
    template <typename T = QLineEdit> T *row(int n, const char *name) const {
        return tracker()->clock(n)->findChild<T *>(name, Qt::FindDirectChildrenOnly);
    }
    void startJob(int n, const char *name) {
        QTest::keyClicks(row(n, "Text1"), name);
        row<QPushButton>(n, "Command1")->click();
    }
    QString flag() const { return m_desk.find<QPushButton>("cmdStatusFlag")->text(); }

    Desk m_desk;
    QString m_diary = m_desk.makeUser("ann");
};

// Starting a second clock halts the first; the memo's JobStamp names the running job and comes
// back; the host's flag leads back to the tracker while a clock runs.
TEST_F(JobTrackerPanelTest, StartingASecondClockHaltsTheFirstAndTheHostFollowsTheRunningOne) {
    QTest::keyClicks(row(1, "Text3"), "722");
    startJob(1, "Check timing");
    EXPECT_EQ(flag(), "#");
    EXPECT_EQ(m_desk.find<QPushButton>("cmdStatusFlag")->toolTip(),
              "Click to GoTo job being timed (job 722)");
    // A running clock shows its total so far, as each minute renews it; a halted one says so.
    m_desk.env.clock().advanceSeconds(25 * 60);
    tracker()->clock(1)->showTime();
    auto *hours = tracker()->clock(1)->findChild<MoneyBox *>("Text2")->box();
    EXPECT_EQ(hours->text(), "0.41"); // 25 minutes, cut to cents
    QTest::keyClicks(row(2, "Text3"), "9");
    startJob(2, "Phone");
    EXPECT_FALSE(row<QPushButton>(1, "Command2")->isEnabled());
    EXPECT_EQ(row<QLabel>(1, "lblState")->text(), "paused");
    EXPECT_EQ(hours->accessibleDescription(), "Paused while another clock runs");
    m_desk.click("Command4", tracker()); // Annotate
    auto *memo = m_desk.find<EventAdd>("EventAdd1");
    QTest::keyClicks(memo->findChild<QPlainTextEdit *>("Text1"), "toner");
    m_desk.click("Command4", memo); // JobStamp
    EXPECT_TRUE(m_desk.env.diaryLines(m_diary).at(2).startsWith("[9][Memo ]<Phone> toner @ "));
    row<QPushButton>(2, "Command2")->click();
    m_desk.click("cmdMainMenu");
    m_desk.click("cmdStatusFlag"); // clock 1 runs again
    row<QPushButton>(1, "Command2")->click();
    EXPECT_EQ(flag(), "");
}

// Enter in the code starts nothing and goes to the name; Tab goes on through the row, not back
// (no keyboard trap); Enter in the name starts an idle clock, and does nothing to a running one.
TEST_F(JobTrackerPanelTest, EnterInTheNameStartsAnIdleClockAndTabOrEnterSwapNameAndCode) {
    QLineEdit *name = row(1, "Text1"), *code = row(1, "Text3");
    code->setFocus();
    QTest::keyClick(code, Qt::Key_Return);
    EXPECT_TRUE(name->hasFocus());
    QTest::keyClick(name, Qt::Key_Tab);
    EXPECT_TRUE(code->hasFocus());
    QTest::keyClick(code, Qt::Key_Tab);
    EXPECT_FALSE(name->hasFocus() || code->hasFocus());
    QTest::keyClicks(name, "Check timing");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_TRUE(row<QPushButton>(1, "Command2")->hasFocus());
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(m_desk.env.get("ann", keys::kStack), ":annTC1");
    EXPECT_EQ(m_desk.env.diaryLines(m_diary).size(), 1);
}

} // namespace
} // namespace vidorev::test
