#include "todo/todo_utilities.h"

#include "gui/desk.h"
#include "widgets/file_picker.h"

namespace vidorev::test {
namespace {

class TodoUtilitiesTest : public ::testing::Test {
protected:
    TodoUtilitiesTest() {
        m_desk.env.put("annJob1DoData", "0Task", "722");
        m_desk.open("/Uann");
        m_desk.click("cmd2DoLS");
    }
    TodoUtilities *panel() const { return m_desk.find<TodoUtilities>("DoLoadSave1"); }
    void click(const char *name) const { m_desk.click(name, panel()); }
    QLineEdit *box(const char *name) const { return m_desk.find<QLineEdit>(name, panel()); }
    void typePath(const QString &name) {
        box("Text1")->clear();
        QTest::keyClicks(box("Text1"), m_desk.env.filePath(name));
    }
    QString stored(const QString &section, const QString &key) {
        return m_desk.env.get(section, key);
    }
    // Which of load, save, move from and move to are offered, in that order.
    QString fileButtons() const {
        QString on;
        for (const char *name : {"cmdLoad", "cmdSave", "cmdRestore", "cmdBack"})
            on += m_desk.find(name, panel())->isEnabled() ? u'1' : u'0';
        return on;
    }
    QLabel *status() const { return panel()->findChild<QLabel *>("lblStatus"); }

    Desk m_desk;
    QString m_diary = m_desk.makeUser("ann");
};

TEST_F(TodoUtilitiesTest, AListAndAPathOfferTheActionsThatCanRunAndThePickerFillsThePath) {
    typePath("plan.2do");
    EXPECT_EQ(fileButtons(), "0000"); // no list chosen yet
    click("cmdList1");
    EXPECT_EQ(box("txtListTitle")->text(), "722");
    EXPECT_EQ(fileButtons(), "1100");
    typePath("stash.2ds");
    EXPECT_EQ(fileButtons(), "0001");
    // The path comes back when the panel is opened again, and a file chosen in the picker
    // lands in the path box.
    m_desk.click("cmdMainMenu");
    m_desk.click("cmd2DoLS");
    EXPECT_EQ(box("Text1")->text(), m_desk.env.filePath("stash.2ds"));
    auto *picker = panel()->findChild<FilePicker *>("FileHooker1");
    EXPECT_EQ(picker->pattern(), "*.2d*");
    writeFile(m_desk.env.filePath("tasks.2do"), {});
    picker->setPath(m_desk.env.dir());
    picker->moveFirst();
    EXPECT_EQ(box("Text1")->text(), m_desk.env.filePath("tasks.2do"));
}

TEST_F(TodoUtilitiesTest, SaveLoadAndMoveWorkFromThePanelAndFailuresAreSaid) {
    m_desk.env.put("annJob1DoData", "3Task", "Call Bob");
    click("cmdList1");
    typePath("plan.2do");
    click("cmdSave");
    EXPECT_EQ(fileBytes(m_desk.env.filePath("plan.2do")), "Call Bob\r\n");
    click("cmdList2");
    click("cmdLoad");
    EXPECT_EQ(stored("annJob2DoData", "1Task"), "Call Bob");
    EXPECT_EQ(m_desk.env.diaryLines(m_diary).size(), 1);
    // A storage file in a folder that is not there: said, and the list stays.
    typePath("gone/stash.2ds");
    click("cmdBack");
    EXPECT_TRUE(status()->text().contains("stash.2ds")) << status()->text().toStdString();
    EXPECT_EQ(stored("annJob2DoData", "1Task"), "Call Bob");
    typePath("stash.2ds");
    click("cmdBack");
    EXPECT_FALSE(status()->isVisible());
    EXPECT_EQ(stored("annJob2DoData", "1Task"), "");
    click("cmdRestore");
    EXPECT_EQ(stored("annJob2DoData", "1Task"), "Call Bob");
}

} // namespace
} // namespace vidorev::test
