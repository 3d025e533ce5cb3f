#include "calc/calc_display.h"
#include "calc/calc_entry.h"
#include "calc/type_in_pad.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace vidorev;

namespace {

class Entry : public ::testing::Test {
protected:
    Entry() {
        other->move(0, 40);
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
        entry->box()->setFocus();
    }
    QWidget window;
    CalcEntry *entry = new CalcEntry(&window);
    QLineEdit *other = new QLineEdit(&window);
    QSignalSpy change{entry, &CalcEntry::change};
    QSignalSpy typing{entry, &CalcEntry::typing};
};

TEST_F(Entry, WritingIsQuietEnterOrLeavingCommitsANumberOnly) {
    // Beyond the 32-bit range once scaled: still the value itself.
    entry->setValue(3000000.25);
    EXPECT_EQ(entry->text(), QStringLiteral("3000000.25"));
    EXPECT_EQ(entry->value(), 3000000.25);
    entry->box()->clear();
    QTest::keyClicks(entry->box(), QStringLiteral("4+x"));
    QTest::keyClick(entry->box(), Qt::Key_Return);
    EXPECT_EQ(change.count(), 0); // "x" is no number
    entry->box()->clear();
    QTest::keyClicks(entry->box(), QStringLiteral("5="));
    QTest::keyClick(entry->box(), Qt::Key_Return);
    EXPECT_EQ(change.count(), 1);
    EXPECT_EQ(entry->value(), 9);
    EXPECT_EQ(typing.count(), 3); // "4", "5" and the "9" shown, but not "x"
    entry->box()->clear();
    QTest::keyClicks(entry->box(), QStringLiteral("12.5"));
    other->setFocus();
    EXPECT_EQ(change.count(), 2);
    EXPECT_EQ(entry->value(), 12.5);
}

TEST_F(Entry, DivisionByATypedZeroShowsAnErrorAndCarriesOn) {
    QTest::keyClicks(entry->box(), QStringLiteral("8/0="));
    EXPECT_EQ(entry->text(), QStringLiteral("Error: division by zero"));
    // The message is selected: the next key replaces it, and the division still waits.
    QTest::keyClicks(entry->box(), QStringLiteral("2="));
    EXPECT_EQ(entry->text(), QStringLiteral("4"));
    QTest::keyClick(entry->box(), Qt::Key_Return);
    EXPECT_EQ(entry->value(), 4);
}

TEST(CalcDisplayReadout, ShowsValueAndUnit) {
    CalcDisplay display;
    display.setLabel(QStringLiteral("Ohms"));
    display.setValue(0.0000471);
    EXPECT_EQ(display.text(), QStringLiteral("0.047 milliOhms"));
    display.setValue(5000000);
    EXPECT_EQ(display.text(), QStringLiteral("5000000 Ohms"));
    EXPECT_EQ(display.value(), 5000000);
}

TEST(TypeInLine, WritingIsQuietButDeletingByHandIsZero) {
    TypeInPad pad;
    QSignalSpy change(&pad, &TypeInPad::change);
    pad.setValue(2.5);
    EXPECT_EQ(pad.line()->text(), QStringLiteral("2.5"));
    pad.setValue(0);
    EXPECT_TRUE(pad.line()->text().isEmpty());
    EXPECT_EQ(change.count(), 0);
    pad.line()->setText(QStringLiteral("12"));
    pad.line()->clear();
    EXPECT_EQ(change.count(), 2);
    EXPECT_EQ(pad.value(), 0);
    EXPECT_TRUE(pad.conKey().isEmpty());
}

} // namespace
