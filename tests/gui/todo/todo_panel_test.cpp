#include "todo/todo_panel.h"

#include "calc_special/money_box.h"
#include "clocks/job_tracker_panel.h"
#include "clocks/task_clock.h"
#include "gui/desk.h"
#include "todo/task_row.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QClipboard>

namespace vidorev::test {
namespace {

// The list of "ann", whose first job list is "722", on the main window; the list's rules are
// pinned by the core tests, these check what the rows and buttons do with them.
class TodoPanelTest : public ::testing::Test {
protected:
    TodoPanelTest() {
        m_desk.env.put("annJob1DoData", "0Task", "722");
        m_desk.open("/Uann");
        m_desk.click("cmdDoList");
    }
    TodoPanel *list() const { return m_desk.find<TodoPanel>("DoList1"); }
    QLineEdit *box(int row) const { return list()->row(row)->taskBox(); }
    void click(int row, const char *name) const { m_desk.click(name, list()->row(row)); }
    QStringList diary() const { return m_desk.env.diaryLines(m_diary); }
    QString stored(const char *section, const QString &key) { return m_desk.env.get(section, key); }
    void type(int row, const QString &text) {
        box(row)->setFocus();
        QTest::keyClicks(box(row), text);
    }
    // Types a new task and leaves its box for the next row's, which enters it.
    void add(int row, const QString &text) {
        type(row, text);
        box(row + 1)->setFocus();
    }
    QString status() const { return list()->findChild<QLabel *>("lblStatus")->text(); }

    Desk m_desk;
    QString m_diary = m_desk.makeUser("ann");
};

TEST_F(TodoPanelTest, ANewTaskIsNotedOnceEnterMovesThePageAndCopyListsTheTasks) {
    m_desk.click("cmdDoJob1", list());
    add(1, "Call supplier");
    EXPECT_EQ(diary(), QStringList{"[DoList][Note ] <AddTask> (722) Call supplier @ 3:45:12 PM "
                                   "12-04-2026"});
    EXPECT_TRUE(box(1)->isReadOnly());
    box(1)->setFocus();
    box(3)->setFocus(); // leave again: nothing new
    type(7, "Order paper");
    QTest::keyClick(box(7), Qt::Key_Return);
    EXPECT_EQ(list()->page(), todo::Page::Mid);
    EXPECT_TRUE(box(8)->hasFocus());
    EXPECT_EQ(diary().size(), 2);
    m_desk.click("cmdExport", list());
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "To Do List 722\n1) Call supplier\n7) Order paper\n");
}

TEST_F(TodoPanelTest, ATaskClockSharesTheStackWithTheJobClocksAndTheFlagLeadsToIt) {
    m_desk.click("cmdHotJobTrack");
    auto *clock1 = m_desk.find<JobTrackerPanel>("DedUzedova1")->clock(1);
    QTest::keyClicks(m_desk.find<QLineEdit>("Text1", clock1), "Check timing");
    m_desk.click("Command1", clock1);
    m_desk.click("cmdDoList");
    add(5, "Call supplier");
    m_desk.env.clock().advanceSeconds(25 * 60);
    click(5, "cmdTime");
    EXPECT_EQ(stored("ann", keys::kStack), ":annTC1:annDoData5");
    m_desk.click("cmdMainMenu");
    m_desk.click("cmdStatusFlag");
    EXPECT_TRUE(list()->isVisible());
    click(5, "cmdOK"); // refused while the clock runs
    EXPECT_EQ(list()->row(5)->text(), "Call supplier");
    m_desk.env.clock().advanceSeconds(10 * 60);
    list()->row(5)->showTime(); // as each minute does: the running task shows its total
    EXPECT_EQ(list()->row(5)->findChild<MoneyBox *>("txtTime")->box()->text(), "0.16");
    click(5, "cmdTime");
    EXPECT_EQ(stored("annTC1", keys::kStatus), "Run");
    EXPECT_EQ(list()->row(5)->charged(), " = 0.16 Hours");
}

TEST_F(TodoPanelTest, FinishingPlaysTheCashSoundOnceAndFreesTheSlotForGood) {
    m_desk.env.put(keys::kSecAdmin, keys::kPingCash, "/sounds/cash.wav");
    add(1, "Fix printer");
    // A screen reader sets the whole text at once: that enters the task, which is then locked.
    QAccessible::queryAccessibleInterface(box(2))->editableTextInterface()->replaceText(0, 0,
                                                                                        "Toner");
    EXPECT_TRUE(box(2)->isReadOnly());
    click(1, "cmdDn"); // the rows are redrawn
    EXPECT_EQ(list()->row(1)->text(), "Toner");
    click(2, "cmdOK");
    click(1, "cmdLose");
    EXPECT_EQ(m_desk.env.sound().played, QStringList{"/sounds/cash.wav"});
    EXPECT_TRUE(list()->row(2)->text().isEmpty() && !box(2)->isReadOnly());
    click(2, "cmdOK"); // the freed rows have nothing left to finish or drop
    click(1, "cmdLose");
    EXPECT_EQ(diary().size(), 4);
    EXPECT_TRUE(diary()[2].contains("<FinishTask> (ann) Fix printer"));
}

TEST_F(TodoPanelTest, APopupOrAnotherWindowDoesNotAddAHalfTypedTask) {
    type(1, "Call sup");
    for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(box(1), &out);
    }
    EXPECT_TRUE(diary().isEmpty());
    EXPECT_FALSE(box(1)->isReadOnly());
}

// Without a Diary the new task's record is said to be lost, and its clock starts nothing; a page
// or list the store refuses is not taken, and said.
TEST_F(TodoPanelTest, WhatTheDiaryOrTheStoreRefusesIsSaidAndNotTaken) {
    type(7, "Order paper");
    QTest::keyClick(box(7), Qt::Key_Return); // on to the middle page
    for (const char *name : {"cmdTopDo", "cmdDoJob1"}) {
        onFullDisk([&] { m_desk.click(name, list()); });
        EXPECT_EQ(list()->page(), todo::Page::Mid) << name;
        EXPECT_EQ(list()->listPrefix(), "ann") << name;
        EXPECT_TRUE(status().startsWith("Not saved: ")) << status().toStdString();
    }
    QFile::remove(m_diary);
    add(1, "Call supplier");
    EXPECT_TRUE(status().contains("EVENT NOT SAVED")) << status().toStdString();
    click(1, "cmdTime");
    EXPECT_EQ(stored("ann", keys::kStack), "");
    EXPECT_TRUE(status().contains("Diary file is missing"));
}

} // namespace
} // namespace vidorev::test
