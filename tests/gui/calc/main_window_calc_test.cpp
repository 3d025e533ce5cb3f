#include "calc/calculator_panel.h"
#include "calc_special/electronics_sheets.h"
#include "gui/desk.h"
#include "widgets/calc_entry.h"

#include <QClipboard>

namespace vidorev::test {
namespace {

// Calculate shows the calculator with the keyboard in its entry line; the electronics sheet's
// copy puts its sentence on the clipboard and, through the host, in the current user's Diary
// (the one on show now, not the one the memo panel last had); with no Diary nothing else happens.
TEST(CalcInMainWindow, TheEntryLineHasTheKeyboardAndMemosGoToTheCurrentUsersDiary) {
    Desk desk;
    const QString ann = desk.makeUser("ann", "ann.log"), bob = desk.makeUser("bob", "bob.log");
    desk.open("/Ubob");
    desk.click("Command4"); // the memo writer now has bob
    desk.click("cmdMainMenu");
    desk.setUser("ann");
    desk.click("cmdCalculator");
    EXPECT_EQ(QApplication::focusWidget(), desk.find("Text1", desk.find("TypeInPad1")));
    QTest::keyClicks(QApplication::focusWidget(), "2+3*4=");
    EXPECT_EQ(desk.find<CalculatorPanel>("TVCalc1")->currentValue(), 20);
    desk.click("cmdOhms");
    auto *tron = desk.find<ElectronicsSheets>("TVTron1");
    for (const auto &[name, value] : {std::pair{"CalcEntry1", "1000"}, {"CalcEntry3", "10"}}) {
        QLineEdit *box = tron->findChild<CalcEntry *>(name)->box();
        box->selectAll();
        QTest::keyClicks(box, value);
        QTest::keyClick(box, Qt::Key_Return);
    }
    desk.click("cmdCopyOhms", tron);
    const QString sentence = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(sentence.startsWith("<Ohms> 10 Volts into 1000 Ohms Causes"))
        << sentence.toStdString();
    EXPECT_EQ(desk.env.diaryLines(ann),
              QStringList{"[Calc][Note ] " + sentence + " @ 3:45:12 PM 12-04-2026"});
    EXPECT_TRUE(desk.env.diaryLines(bob).isEmpty());
    desk.click("cmdMainMenu");
    desk.setUser("carol"); // no Diary
    desk.click("cmdCalculator");
    emit tron->memoReady();
    EXPECT_TRUE(desk.find("TVCalc1")->isVisible());
    EXPECT_EQ(desk.window->mode(), 6);
}

} // namespace
} // namespace vidorev::test
