#include "todo/todo_panel.h"

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
    void type(int row, const QString &text) {
        box(row)->setFocus();
        QTest::keyClicks(box(row), text);
    }
    // Types a new task and leaves its box for the next row's, which enters it.
    void add(int row, const QString &text) {
        type(row, text);
        box(row + 1)->setFocus();
    }

    Desk m_desk;
    QString m_diary = m_desk.makeUser("ann");
};

TEST_F(TodoPanelTest, ANewTaskIsNotedOnceEnterMovesThePageAndCopyListsTheTasks) {
    m_desk.click("cmdDoJob1", list());
    add(1, "Call supplier");
    EXPECT_EQ(diary(), QStringList{"[DoList][Note ] <AddTask> (722) Call supplier @ 3:45:12 PM "
                                   "12-04-2026"});
    box(1)->setFocus();
    box(3)->setFocus(); // leave again: nothing new
    type(7, "Order paper");
    QTest::keyClick(box(7), Qt::Key_Return);
    EXPECT_TRUE(list()->page() == todo::Page::Mid && box(8)->hasFocus());
    EXPECT_EQ(diary().size(), 2);
    m_desk.click("cmdExport", list());
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "To Do List 722\n1) Call supplier\n7) Order paper\n");
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
    EXPECT_TRUE(list()->row(2)->text().isEmpty() && !box(2)->isReadOnly());
    click(2, "cmdOK"); // the freed rows have nothing left to finish or drop
    click(1, "cmdLose");
    EXPECT_EQ(m_desk.env.sound().played, QStringList{"/sounds/cash.wav"});
    EXPECT_EQ(diary().size(), 4);
    EXPECT_TRUE(diary()[2].contains("<FinishTask> (ann) Fix printer"));
}

// The tray's menu, another window, or the list read again when a clock changes elsewhere: the
// half-typed task is neither added nor lost, and leaving its box adds it once.
TEST_F(TodoPanelTest, APopupAnotherWindowOrAReloadNeitherAddsNorLosesAHalfTypedTask) {
    type(1, "Call sup");
    for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(box(1), &out);
    }
    list()->setUser("ann");
    EXPECT_TRUE(diary().isEmpty());
    EXPECT_FALSE(box(1)->isReadOnly());
    EXPECT_EQ(box(1)->text(), "Call sup");
    box(2)->setFocus();
    EXPECT_EQ(diary().size(), 1);
}

} // namespace
} // namespace vidorev::test
