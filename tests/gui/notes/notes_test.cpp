#include "gui/desk.h"
#include "notes/note_pad.h"
#include "notes/note_sheet_panel.h"
#include "notes/scratch_pad.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QClipboard>
#include <QPlainTextEdit>

namespace vidorev::test {
namespace {

class Notes : public ::testing::Test {
protected:
    Notes() { m_desk.open(); }
    void openNotes(const QString &user) {
        m_desk.click("cmdMainMenu");
        m_desk.setUser(user);
        m_desk.click("cmdHotNotes");
    }
    NotePad *pad() { return m_desk.find<NotePad>("Frame4"); }
    QLineEdit *box(int n) { return m_desk.find<QLineEdit>("txtArabVal", pad()->sheet(n)); }
    QString stored(const QString &section) { return m_desk.env.get(section, keys::kNote, "-"); }

    Desk m_desk;
    QString m_diary = m_desk.makeUser("ann");
};

TEST_F(Notes, SheetsAreKeptAsTypedPerUserAndShownAgain) {
    m_desk.makeUser("bob", "bob.log");
    openNotes("ann");
    EXPECT_EQ(m_desk.window->mode(), 3);
    QTest::keyClicks(box(1), "milk");
    // What a screen reader does: replace the box's whole text through its interface.
    QAccessible::queryAccessibleInterface(box(3))->editableTextInterface()->replaceText(0, 0,
                                                                                        "call Ed");
    QGuiApplication::clipboard()->setText("from the clipboard");
    m_desk.click("Command2", pad()->sheet(5));
    EXPECT_EQ(stored("annSD1"), "milk");
    EXPECT_EQ(stored("annSD3"), "call Ed");
    EXPECT_EQ(stored("annSD5"), "from the clipboard");
    box(2)->setText("copied");
    m_desk.click("Command1", pad()->sheet(2));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "copied");

    // Another user sees sheets of their own; coming back shows the saved ones.
    openNotes("bob");
    EXPECT_EQ(box(1)->text(), "");
    EXPECT_EQ(stored("bobSD1"), "-"); // loading saves nothing
    openNotes("ann");
    EXPECT_EQ(pad()->texts(), QStringList({"milk", "copied", "call Ed", "", "from the clipboard"}));
    EXPECT_TRUE(m_desk.env.diaryLines(m_diary).isEmpty());
}

TEST_F(Notes, ArchivingWritesOneNotePerFilledSheetInOrderOrSaysWhyNot) {
    openNotes("ann");
    box(4)->setText("lunch @ noon");
    box(2)->setText("order paper");
    m_desk.click("cmdNotes2Diary");
    const QStringList lines = m_desk.env.diaryLines(m_diary);
    ASSERT_EQ(lines.size(), 2) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines[0].startsWith("[annSD2][Note ] order paper @ "));
    EXPECT_TRUE(lines[1].startsWith("[annSD4][Note ] lunch at noon @ "));
    EXPECT_EQ(box(4)->text(), "lunch @ noon");
    QFile::remove(m_diary);
    m_desk.click("cmdNotes2Diary");
    EXPECT_FALSE(QFile::exists(m_diary));
    EXPECT_TRUE(pad()->notice().contains("NOT SAVED")) << pad()->notice().toStdString();
}

TEST_F(Notes, ARefusedSaveIsSaidOnTheSheet) {
    openNotes("ann");
    {
        FullDisk full;
        box(2)->setText(QString(20000, u'x'));
    }
    EXPECT_TRUE(pad()->sheet(2)->message().startsWith("Not saved: "));
    box(2)->setText("short");
    EXPECT_EQ(pad()->sheet(2)->message(), "");
    EXPECT_EQ(stored("annSD2"), "short");
}

TEST_F(Notes, ScratchPadIsFourBoxesKeptInMemoryOnly) {
    m_desk.click("cmdShowPdox");
    auto *scratch = m_desk.find<ScratchPad>("frmScratch");
    const quint64 before = m_desk.env.store().operationCount();
    QTest::keyClicks(scratch->box(1), "jot");
    EXPECT_EQ(m_desk.env.store().operationCount(), before);
    // Tab leaves a box for the next one rather than typing a tab.
    scratch->box(1)->setFocus();
    QTest::keyClick(scratch->box(1), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), scratch->box(2));
    EXPECT_EQ(scratch->box(1)->toPlainText(), "jot");
}

} // namespace
} // namespace vidorev::test
