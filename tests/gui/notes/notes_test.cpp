#include "gui/desk.h"
#include "notes/note_pad.h"
#include "notes/note_sheet_panel.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QClipboard>

namespace vidorev::test {
namespace {

// The sheets are the user's, kept as typed, set by a screen reader or pasted, shown again when
// the user comes back; archiving writes them to the Diary, or says it could not. (Which sheets
// make which notes is pinned by the core note-sheets test.)
TEST(Notes, SheetsAreKeptPerUserAndArchivedOrSaidNotSaved) {
    Desk desk;
    const QString diary = desk.makeUser("ann");
    desk.makeUser("bob", "bob.log");
    desk.open("/Uann");
    desk.click("cmdHotNotes");
    auto *pad = desk.find<NotePad>("Frame4");
    const auto box = [&](int n) { return desk.find<QLineEdit>("txtArabVal", pad->sheet(n)); };
    QTest::keyClicks(box(1), "milk");
    QAccessible::queryAccessibleInterface(box(3))->editableTextInterface()->replaceText(0, 0, "Ed");
    QGuiApplication::clipboard()->setText("pasted");
    desk.click("Command2", pad->sheet(5));
    desk.click("cmdMainMenu");
    desk.setUser("bob");
    desk.click("cmdHotNotes");
    EXPECT_EQ(pad->texts().join('|'), "||||");
    EXPECT_EQ(desk.env.get("bobSD1", keys::kNote, "-"), "-"); // loading saves nothing
    desk.click("cmdMainMenu");
    desk.setUser("ann");
    desk.click("cmdHotNotes");
    EXPECT_EQ(pad->texts().join('|'), "milk||Ed||pasted");
    desk.click("cmdNotes2Diary");
    EXPECT_EQ(desk.env.diaryLines(diary).size(), 3);
    QFile::remove(diary);
    desk.click("cmdNotes2Diary");
    EXPECT_TRUE(pad->notice().contains("NOT SAVED")) << pad->notice().toStdString();
}

} // namespace
} // namespace vidorev::test
