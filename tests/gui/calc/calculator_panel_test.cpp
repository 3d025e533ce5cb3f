#include "calc/arithmetic_keypad.h"
#include "calc/calculator_panel.h"
#include "calc/hyperbolic_pad.h"
#include "gui/desk.h"

namespace vidorev::test {
namespace {

// The calculator host on its own; the engine's arithmetic and the fan-out table are pinned by
// the core tests, this checks what the host passes where: typed keys run the engine and the
// extension pad and fill every readout, and a hyperbolic result does not reach the extension pad.
TEST(CalcHost, TypedKeysAndPadResultsReachTheirTargets) {
    TestEnv env;
    CalculatorPanel calc(env.services());
    calc.resize(640, 640);
    calc.setInitMe(true);
    calc.show();
    QLineEdit *line = calc.findChild<QWidget *>("TypeInPad1")->findChild<QLineEdit *>("Text1");
    const auto readouts = [&] {
        QStringList all;
        for (const auto &[readout, box] : {std::pair{"Arab2Display1", "ArabVal"},
                                           {"HexDisplay1", "HexadecimalValue"},
                                           {"Roman2Display1", "RomanValue"}})
            all << calc.findChild<QWidget *>(readout)->findChild<QLineEdit *>(box)->text();
        return all.join('|');
    };
    const auto click = [&](const char *name) { calc.findChild<QPushButton *>(name)->click(); };
    QTest::keyClicks(line, "2+3*4=");
    EXPECT_EQ(readouts(), "20| 0000 0014|XX");
    EXPECT_TRUE(line->text().isEmpty());
    QTest::keyClicks(line, "r2+4+6+n");
    EXPECT_EQ(readouts(), "4| 0000 0004|IV");
    QTest::keyClicks(line, "r2");
    click("cmdHyperPad");
    click("cmdSinh");
    EXPECT_EQ(calc.findChild<ArithmeticKeypad *>("ParenBase1")->value(),
              calc.findChild<HyperbolicPad *>("HypTrig1")->value());
    click("cmdExtendPad");
    click("cmdSquare");
    EXPECT_EQ(readouts().section('|', 0, 0), "4"); // 2 squared, not sinh 2 squared
}

} // namespace
} // namespace vidorev::test
