#include "calc/type_in_pad.h"
#include "test_env.h"
#include "widgets/calc_entry.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace vidorev::test {
namespace {

TEST(CalcEntry, WritingIsQuietEnterOrLeavingCommitsANumberOnlyAndAFaultCarriesOn) {
    QWidget window;
    auto *entry = new CalcEntry(&window);
    auto *other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    entry->box()->setFocus();
    QSignalSpy change(entry, &CalcEntry::change), typing(entry, &CalcEntry::typing);
    // Beyond the 32-bit range once scaled: still the value itself.
    entry->setValue(3000000.25);
    EXPECT_EQ(entry->value(), 3000000.25);
    entry->box()->clear();
    QTest::keyClicks(entry->box(), "4+x");
    QTest::keyClick(entry->box(), Qt::Key_Return);
    EXPECT_EQ(change.count(), 0); // "x" is no number
    entry->box()->clear();
    QTest::keyClicks(entry->box(), "5=");
    QTest::keyClick(entry->box(), Qt::Key_Return);
    EXPECT_EQ(change.count(), 1);
    EXPECT_EQ(entry->value(), 9);
    EXPECT_EQ(typing.count(), 3); // "4", "5" and the "9" shown, but not "x"
    // A typed division by zero shows its error selected: the next key replaces it.
    entry->box()->clear();
    QTest::keyClicks(entry->box(), "8/0=");
    EXPECT_EQ(entry->text(), "Error: division by zero");
    QTest::keyClicks(entry->box(), "2=");
    EXPECT_EQ(entry->text(), "4");
    entry->box()->clear();
    QTest::keyClicks(entry->box(), "12.5");
    other->setFocus();
    EXPECT_EQ(change.count(), 2);
    EXPECT_EQ(entry->value(), 12.5);
}

TEST(TypeInLine, WritingIsQuietButDeletingByHandIsZero) {
    TypeInPad pad;
    QSignalSpy change(&pad, &TypeInPad::change);
    pad.setValue(2.5);
    EXPECT_EQ(pad.line()->text(), "2.5");
    pad.setValue(0);
    EXPECT_TRUE(pad.line()->text().isEmpty());
    EXPECT_EQ(change.count(), 0);
    pad.line()->setText("12");
    pad.line()->clear();
    EXPECT_EQ(change.count(), 2);
    EXPECT_EQ(pad.value(), 0);
}

} // namespace
} // namespace vidorev::test
