#include "calc/arab2_display.h"
#include "calc/bin_funct.h"
#include "calc/hex_display.h"
#include "calc/hyp_trig.h"
#include "calc/paren_base.h"
#include "calc/pending_calc_page.h"
#include "calc/pm_calc_xtend.h"
#include "calc/roman2_display.h"
#include "calc/tv_calc.h"
#include "calc/type_in_pad.h"
#include "platform/settings_keys.h"
#include "test_env.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

using namespace vidorev;

namespace {

class CalcHost : public ::testing::Test {
protected:
    CalcHost()
        : calc(env.services()) {
        calc.resize(640, 640);
        calc.setInitMe(true);
        calc.show();
    }

    template <typename T = QWidget> T *child(const char *name, QWidget *in = nullptr) {
        T *found = (in ? in : &calc)->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit *line() { return child<QLineEdit>("Text1", child("TypeInPad1")); }
    QString readout(const char *component, const char *box) {
        return child<QLineEdit>(box, child(component))->text();
    }
    QString arab() { return readout("Arab2Display1", "ArabVal"); }
    QString hex() { return readout("HexDisplay1", "HexadecimalValue"); }
    QString roman() { return readout("Roman2Display1", "RomanValue"); }
    // One key at a time, as the user types.
    void type(const QString &keys) { QTest::keyClicks(line(), keys); }
    // The whole text at once, as a paste.
    void paste(const QString &text) {
        line()->selectAll();
        line()->insert(text);
    }
    void click(const char *button) { child<QPushButton>(button)->click(); }
    ParenBase *paren() { return child<ParenBase>("ParenBase1"); }

    test::TestEnv env;
    TVCalc calc;
};

TEST_F(CalcHost, TypedExpressionShowsInAllThreeReadouts) {
    type(QStringLiteral("2+3*4="));
    EXPECT_EQ(arab(), QStringLiteral("20"));
    EXPECT_EQ(hex(), QStringLiteral(" 0000 0014"));
    EXPECT_EQ(roman(), QStringLiteral("XX"));
    EXPECT_TRUE(line()->text().isEmpty());
    EXPECT_EQ(calc.currentValue(), 20);
}

TEST_F(CalcHost, TypedParenthesesUseTheStack) {
    type(QStringLiteral("2*(3+4)="));
    EXPECT_EQ(arab(), QStringLiteral("14"));
    type(QStringLiteral("5+="));
    EXPECT_EQ(arab(), QStringLiteral("10"));
}

TEST_F(CalcHost, PastedExpressionIsOneEditAndDoesNothing) {
    paste(QStringLiteral("2+3*4="));
    EXPECT_EQ(line()->text(), QStringLiteral("2+3*4"));
    EXPECT_TRUE(arab().isEmpty());
    EXPECT_EQ(paren()->acc(), 0);
}

struct Typed {
    const char *text;
    const char *arab;
    const char *hex;
    const char *roman;
};

class TypedNumbers : public CalcHost, public ::testing::WithParamInterface<Typed> {};

TEST_P(TypedNumbers, ReachTheReadouts) {
    paste(QString::fromLatin1(GetParam().text));
    EXPECT_EQ(arab(), QString::fromLatin1(GetParam().arab));
    EXPECT_EQ(hex(), QString::fromLatin1(GetParam().hex));
    EXPECT_EQ(roman(), QString::fromLatin1(GetParam().roman));
    // The entry line keeps what was typed: it is only emptied after a result.
    EXPECT_EQ(line()->text(), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Entries, TypedNumbers,
                         ::testing::Values(Typed{"0x6a7", "1703", " 0000 06A7", "MDCCIII"},
                                           Typed{"xxv", "25", " 0000 0019", "XXV"},
                                           Typed{"MCMXCIX", "1999", " 0000 07CF", "MCMXCIX"},
                                           Typed{"255", "255", " 0000 00FF", "CCLV"},
                                           Typed{"-1", "-1", " FFFF FFFF", "(I)"},
                                           Typed{"-14", "-14", " FFFF FFF2", "(XIV)"},
                                           Typed{"1E12", "1000000000000", " 7FFF FFFE",
                                                 "Roman overflow"},
                                           Typed{"9000", "9000", " 0000 2328", "Roman overflow"}));

TEST_F(CalcHost, RejectedNumeralChangesNothing) {
    type(QStringLiteral("7"));
    type(QStringLiteral("V"));
    EXPECT_EQ(arab(), QStringLiteral("7")); // "7V" is no number
    paste(QStringLiteral("VV"));
    EXPECT_EQ(arab(), QStringLiteral("7"));
    EXPECT_EQ(line()->text(), QStringLiteral("VV"));
    EXPECT_EQ(paren()->value(), 7);
}

TEST_F(CalcHost, KeyAfterAnUnreadableLineIsLost) {
    paste(QStringLiteral("abc"));
    type(QStringLiteral("+"));
    EXPECT_EQ(line()->text(), QStringLiteral("abc"));
    EXPECT_EQ(paren()->pend(), 0);
}

TEST_F(CalcHost, CapitalRClearsLikeSmallR) {
    type(QStringLiteral("9+"));
    type(QStringLiteral("5R"));
    EXPECT_EQ(paren()->acc(), 0);
    EXPECT_EQ(paren()->pend(), 0);
    EXPECT_EQ(paren()->value(), 5);
}

TEST_F(CalcHost, BinaryPadWorksOnTheHexadecimalBits) {
    click("cmdBinaPad");
    type(QStringLiteral("12"));
    click("Btn1"); // Load
    EXPECT_EQ(child<QLineEdit>("Text1", child("BinFunct1"))->text(), QStringLiteral(" 0000 000C"));
    paste(QStringLiteral("10"));
    click("Btn3");
    EXPECT_EQ(arab(), QStringLiteral("8"));
    // A binary result does not give the pad new bits: the current value is still 10.
    click("Btn2");
    EXPECT_EQ(arab(), QStringLiteral("14"));
    click("Btn4");
    EXPECT_EQ(arab(), QStringLiteral("6"));
    click("Btn5");
    EXPECT_EQ(arab(), QStringLiteral("-11"));
    EXPECT_EQ(paren()->value(), -11);
}

TEST_F(CalcHost, TypedAddendsGiveTheMean) {
    type(QStringLiteral("2+4+6+"));
    type(QStringLiteral("n"));
    EXPECT_EQ(arab(), QStringLiteral("4"));
    EXPECT_EQ(paren()->value(), 4);
}

TEST_F(CalcHost, TypedPercentOfTheSubtotal) {
    type(QStringLiteral("200+15%"));
    EXPECT_EQ(arab(), QStringLiteral("30"));
    type(QStringLiteral("="));
    EXPECT_EQ(arab(), QStringLiteral("230"));
}

TEST_F(CalcHost, HyperbolicResultDoesNotReachTheExtensionPad) {
    type(QStringLiteral("2"));
    click("cmdHyperPad");
    click("cmdSinh");
    EXPECT_EQ(arab().left(8), QStringLiteral("3.626860"));
    EXPECT_EQ(paren()->value(), child<HypTrig>("HypTrig1")->value());
    click("cmdExtendPad");
    click("cmdSquare");
    EXPECT_EQ(arab(), QStringLiteral("4")); // 2 squared, not sinh 2 squared
}

TEST_F(CalcHost, InvertEmptiesTheLineAndBecomesTheOperand) {
    type(QStringLiteral("4"));
    click("cmdMono");
    click("cmdInvert");
    EXPECT_TRUE(line()->text().isEmpty());
    EXPECT_EQ(paren()->value(), 0.25);
    type(QStringLiteral("+="));
    EXPECT_EQ(arab(), QStringLiteral("0.5"));
}

TEST_F(CalcHost, KeypadButtonsRunTheEngine) {
    type(QStringLiteral("6"));
    click("Mult");
    type(QStringLiteral("7"));
    click("Equals");
    EXPECT_EQ(arab(), QStringLiteral("42"));
    EXPECT_TRUE(line()->text().isEmpty());
}

// A fault shows its text in the readouts; the engine and the operand stay as before the key.
TEST_F(CalcHost, InvalidFunctionShowsAnErrorAndKeepsTheState) {
    type(QStringLiteral("5+"));
    paste(QStringLiteral("0"));
    click("cmdNatLog");
    EXPECT_EQ(arab(), QStringLiteral("Error: invalid operation"));
    EXPECT_EQ(hex(), QStringLiteral("Error: invalid operation"));
    EXPECT_EQ(roman(), QStringLiteral("Error: invalid operation"));
    EXPECT_EQ(paren()->acc(), 5);
    EXPECT_EQ(paren()->value(), 0);
    type(QStringLiteral("3="));
    EXPECT_EQ(arab(), QStringLiteral("8"));
}

TEST_F(CalcHost, ArcSineBeyondOneAndRootOfNegativeAreErrors) {
    click("cmdTrigPad");
    paste(QStringLiteral("2"));
    click("cmdASin");
    EXPECT_EQ(arab(), QStringLiteral("Error: invalid operation"));
    EXPECT_EQ(child<FunctionPad>("TrigFunct1")->value(), 2);
    paste(QStringLiteral("-4"));
    type(QStringLiteral("t"));
    EXPECT_EQ(arab(), QStringLiteral("Error: invalid operation"));
    EXPECT_EQ(child<pmCalcXtend>("pmCalcXtend1")->value(), -4);
}

TEST_F(CalcHost, OverlongHexadecimalIsAnOverflow) {
    type(QStringLiteral("3+"));
    paste(QStringLiteral("0x") + QString(300, u'f'));
    EXPECT_EQ(arab(), QStringLiteral("Error: overflow"));
    EXPECT_EQ(paren()->value(), 3);
    paste(QStringLiteral("4"));
    type(QStringLiteral("="));
    EXPECT_EQ(arab(), QStringLiteral("7"));
}

TEST_F(CalcHost, EngineOverflowNeverReachesLaterResults) {
    paste(QStringLiteral("1e308"));
    type(QStringLiteral("*"));
    type(QStringLiteral("10="));
    EXPECT_EQ(arab(), QStringLiteral("Error: overflow"));
    EXPECT_EQ(paren()->acc(), 1e308);
    EXPECT_TRUE(std::isfinite(child<pmCalcXtend>("pmCalcXtend1")->value()));
    type(QStringLiteral("r2+3="));
    EXPECT_EQ(arab(), QStringLiteral("5"));
}

TEST_F(CalcHost, SelectionsAreStoredAndShowTheirPages) {
    click("cmdTax");
    EXPECT_EQ(env.store().get(keys::kAppDiary, keys::kSecAdmin, keys::kCalcSel),
              QStringLiteral("Tax"));
    EXPECT_FALSE(child("Frame1")->isVisible());
    EXPECT_TRUE(child("TaxWiz1")->isVisible());
    EXPECT_FALSE(child<QPushButton>("cmdTax")->isEnabled());
    click("cmdOpAmp");
    EXPECT_EQ(calc.selection(), QStringLiteral("OA"));
    EXPECT_TRUE(child("TVTron1")->isVisible());
    EXPECT_FALSE(child("TaxWiz1")->isVisible());
    click("cmdLoan");
    EXPECT_TRUE(child("CreditMath1")->isVisible());
    click("cmdOK");
    EXPECT_TRUE(child("Frame2")->isVisible());
    EXPECT_FALSE(child("CreditMath1")->isVisible());
}

TEST_F(CalcHost, OtherCalculatorsKeepTheArithmeticState) {
    type(QStringLiteral("2+3*"));
    click("cmdTax");
    click("cmdMath");
    EXPECT_TRUE(child("Frame1")->isVisible());
    EXPECT_EQ(arab(), QStringLiteral("5"));
    type(QStringLiteral("4="));
    EXPECT_EQ(arab(), QStringLiteral("20"));
}

TEST_F(CalcHost, StoredPadDisablesItsButton) {
    env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kCalcPad, QStringLiteral("Binary"));
    calc.setInitMe(true);
    EXPECT_TRUE(child("BinFunct1")->isVisible());
    EXPECT_FALSE(child<QPushButton>("cmdBinaPad")->isEnabled());
    for (const char *b : {"cmdMono", "cmdTrigPad", "cmdHyperPad", "cmdExtendPad"})
        EXPECT_TRUE(child<QPushButton>(b)->isEnabled()) << b;
    click("cmdExtendPad");
    EXPECT_EQ(env.store().get(keys::kAppDiary, keys::kSecAdmin, keys::kCalcPad),
              QStringLiteral("Xtend"));
    EXPECT_TRUE(child("pmCalcXtend1")->isVisible());
    EXPECT_FALSE(child("BinFunct1")->isVisible());
}

TEST_F(CalcHost, UnknownStoredValuesShowNothingUntilAButtonRepairs) {
    env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kCalcSel, QStringLiteral("Nope"));
    calc.setInitMe(true);
    EXPECT_FALSE(child("Frame1")->isVisible());
    EXPECT_TRUE(child("CalcSel")->isVisible());
    click("cmdMath");
    EXPECT_TRUE(child("Frame1")->isVisible());
    EXPECT_EQ(child<QGroupBox>("Frame1")->title(), QStringLiteral("Math"));
}

TEST_F(CalcHost, StoredOkShowsTheFrameWithoutAPad) {
    env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kCalcSel, QStringLiteral("OK"));
    calc.setInitMe(true);
    EXPECT_TRUE(child("Frame1")->isVisible());
    for (const char *pad : {"MonoFunct1", "TrigFunct1", "HypTrig1", "BinFunct1", "pmCalcXtend1"})
        EXPECT_FALSE(child(pad)->isVisible()) << pad;
}

TEST_F(CalcHost, CopyButtonsPutTheReadoutsOnTheClipboard) {
    paste(QStringLiteral("-14"));
    child<QPushButton>("Command2", child("Roman2Display1"))->click();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("(XIV)"));
    child<QPushButton>("Command1", child("Arab2Display1"))->click();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("-14"));
    child<QPushButton>("Command1", child("TypeInPad1"))->click();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("-14"));
}

// An accelerator presses its button as a click would; the click lands when the button is
// released a moment later.
TEST_F(CalcHost, KeypadAcceleratorsWorkAsCaptioned) {
    calc.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&calc));
    type(QStringLiteral("6"));
    QTest::keyClick(line(), Qt::Key_Asterisk, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return paren()->pend() == 3; }));
    type(QStringLiteral("7"));
    QTest::keyClick(line(), Qt::Key_Equal, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return arab() == QStringLiteral("42"); }));
    QTest::keyClick(line(), Qt::Key_Plus, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return paren()->pend() == 1; }));
    QTest::keyClick(line(), Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return paren()->pend() == 0; }));
    EXPECT_EQ(paren()->acc(), 0);
    // The extension pad's accelerators, once it is the pad shown.
    click("cmdExtendPad");
    type(QStringLiteral("9"));
    QTest::keyClick(line(), Qt::Key_T, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return arab() == QStringLiteral("3"); }));
}

TEST_F(CalcHost, MemoIsTheElectronicsCalculatorsAndSoIsItsEvent) {
    calc.setMemo(QStringLiteral("R = 47 Ohms"));
    auto *tron = child<PendingCalcPage>("TVTron1");
    EXPECT_EQ(tron->memo(), QStringLiteral("R = 47 Ohms"));
    EXPECT_EQ(calc.memo(), QStringLiteral("R = 47 Ohms"));
    QSignalSpy ready(&calc, &TVCalc::memoReady);
    emit tron->memoReady();
    EXPECT_EQ(ready.count(), 1);
}

TEST_F(CalcHost, ElectronicsPageIsToldTheSelection) {
    click("cmdBridge");
    EXPECT_EQ(child<PendingCalcPage>("TVTron1")->actFunct(), QStringLiteral("Bridge"));
    click("cmdTube");
    EXPECT_EQ(child<PendingCalcPage>("TVTron1")->actFunct(), QStringLiteral("VT"));
}

TEST(KeypadPanel, OrientationMovesTheButtons) {
    ParenBase pad;
    pad.resize(420, 240);
    pad.show();
    const QList<QPushButton *> buttons = pad.findChildren<QPushButton *>();
    ASSERT_EQ(buttons.size(), 8);
    pad.setWide(3); // one row
    for (QPushButton *b : buttons)
        EXPECT_EQ(b->y(), buttons.first()->y()) << b->objectName().toStdString();
    pad.setWide(0); // two columns of four
    QSet<int> columns, rows;
    for (QPushButton *b : buttons) {
        columns.insert(b->x());
        rows.insert(b->y());
    }
    EXPECT_EQ(columns.size(), 2);
    EXPECT_EQ(rows.size(), 4);
}

} // namespace
