#include "calc/arithmetic_keypad.h"
#include "calc/calculator_panel.h"
#include "calc/extension_pad.h"
#include "calc/hyperbolic_pad.h"
#include "calc_special/electronics_sheets.h"
#include "test_env.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>

namespace vidorev::test {
namespace {

// The calculator host on its own; the engine's arithmetic is pinned by the core tests, these
// check what the host passes where.
class CalcHost : public ::testing::Test {
protected:
    CalcHost() {
        calc.resize(640, 640);
        calc.setInitMe(true);
        calc.show();
    }
    template <typename T = QWidget> T *child(const char *name, QWidget *in = nullptr) {
        return (in ? in : &calc)->findChild<T *>(name);
    }
    QLineEdit *line() { return child<QLineEdit>("Text1", child("TypeInPad1")); }
    QString text(const char *component, const char *box) {
        return child<QLineEdit>(box, child(component))->text();
    }
    QString arab() { return text("Arab2Display1", "ArabVal"); }
    // One key at a time, as the user types; or the whole text at once, as a paste.
    void type(const QString &keys) { QTest::keyClicks(line(), keys); }
    void paste(const QString &text) {
        line()->selectAll();
        line()->insert(text);
    }
    void click(const char *button) { child<QPushButton>(button)->click(); }
    ArithmeticKeypad *paren() { return child<ArithmeticKeypad>("ParenBase1"); }

    TestEnv env;
    CalculatorPanel calc{env.services()};
};

TEST_F(CalcHost, TypedKeysRunTheEngineAndTheExtensionPadAndFillEveryReadout) {
    type("2+3*4=");
    EXPECT_EQ(arab(), "20");
    EXPECT_EQ(text("HexDisplay1", "HexadecimalValue"), " 0000 0014");
    EXPECT_EQ(text("Roman2Display1", "RomanValue"), "XX");
    EXPECT_TRUE(line()->text().isEmpty());
    type("r2+4+6+n");
    EXPECT_EQ(arab(), "4");
    type("r200+15%=");
    EXPECT_EQ(arab(), "230");
}

TEST_F(CalcHost, UnreadableLinesChangeNothing) {
    paste("7");
    type("V"); // "7V"
    paste("VV");
    EXPECT_EQ(arab(), "7");
    type("+"); // the key after an unreadable line is lost
    EXPECT_EQ(line()->text(), "VV");
    EXPECT_EQ(paren()->pend(), 0);
    EXPECT_EQ(paren()->value(), 7);
}

TEST_F(CalcHost, HyperbolicResultDoesNotReachTheExtensionPad) {
    type("2");
    click("cmdHyperPad");
    click("cmdSinh");
    EXPECT_EQ(arab().left(8), "3.626860");
    EXPECT_EQ(paren()->value(), child<HyperbolicPad>("HypTrig1")->value());
    click("cmdExtendPad");
    click("cmdSquare");
    EXPECT_EQ(arab(), "4"); // 2 squared, not sinh 2 squared
}

// A fault shows its text in the readouts; the engine keeps its state and an overflow never
// reaches a later result.
TEST_F(CalcHost, FaultsShowInTheReadoutsAndNeverReachLaterResults) {
    paste("7");
    click("Div");
    paste("0");
    click("Equals");
    EXPECT_EQ(text("Roman2Display1", "RomanValue"), "Error: division by zero");
    EXPECT_EQ(paren()->pend(), 2); // the division still waits for a divisor
    paste("2");
    click("Equals");
    EXPECT_EQ(arab(), "3.5");
    paste("1e308");
    type("*10=");
    EXPECT_EQ(arab(), "Error: overflow");
    EXPECT_EQ(paren()->acc(), 1e308);
    EXPECT_TRUE(std::isfinite(child<ExtensionPad>("pmCalcXtend1")->value()));
    type("r2+3=");
    EXPECT_EQ(arab(), "5");
}

// An accelerator presses its button as a click would; the click lands when the button is
// released a moment later.
TEST_F(CalcHost, KeypadAcceleratorsWorkAsCaptioned) {
    calc.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&calc));
    auto accelerator = [&](Qt::Key key, auto done) {
        QTest::keyClick(line(), key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor(done)) << key;
    };
    type("6");
    accelerator(Qt::Key_Asterisk, [&] { return paren()->pend() == 3; });
    type("7");
    accelerator(Qt::Key_Equal, [&] { return arab() == "42"; });
    click("cmdExtendPad"); // its accelerators work once it is the pad shown
    type("9");
    accelerator(Qt::Key_T, [&] { return arab() == "3"; });
}

} // namespace
} // namespace vidorev::test
