#include "calc/hyp_trig.h"
#include "calc/paren_base.h"
#include "calc/pm_calc_xtend.h"
#include "calc/tv_calc.h"
#include "calc_special/tv_tron.h"
#include "platform/settings_keys.h"
#include "test_env.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
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
    QString text(const char *component, const char *box) {
        return child<QLineEdit>(box, child(component))->text();
    }
    QString arab() { return text("Arab2Display1", "ArabVal"); }
    QString hex() { return text("HexDisplay1", "HexadecimalValue"); }
    QString roman() { return text("Roman2Display1", "RomanValue"); }
    bool shown(const char *name) { return child(name)->isVisible(); }
    // One key at a time, as the user types.
    void type(const QString &keys) { QTest::keyClicks(line(), keys); }
    // The whole text at once, as a paste.
    void paste(const QString &text) {
        line()->selectAll();
        line()->insert(text);
    }
    void click(const char *button) { child<QPushButton>(button)->click(); }
    ParenBase *paren() { return child<ParenBase>("ParenBase1"); }
    QString stored(const QString &key) {
        return env.store().get(keys::kAppDiary, keys::kSecAdmin, key);
    }
    // As the main window does before each showing.
    void reshowWith(const QString &key, const QString &value) {
        env.store().save(keys::kAppDiary, keys::kSecAdmin, key, value);
        calc.setInitMe(true);
    }

    test::TestEnv env;
    TVCalc calc;
};

TEST_F(CalcHost, TypedKeysRunTheEngine) {
    type(QStringLiteral("2+3*4="));
    EXPECT_EQ(arab(), QStringLiteral("20"));
    EXPECT_EQ(hex(), QStringLiteral(" 0000 0014"));
    EXPECT_EQ(roman(), QStringLiteral("XX"));
    EXPECT_TRUE(line()->text().isEmpty());
    type(QStringLiteral("2*(3+4)="));
    EXPECT_EQ(arab(), QStringLiteral("14"));
    EXPECT_EQ(calc.currentValue(), 14);
}

TEST_F(CalcHost, TypedNumbersReachTheReadouts) {
    const struct {
        const char *typed, *arab, *hex, *roman;
    } rows[] = {// Hex and Roman numerals as typed; the readout forms are the readouts' own.
                {"0x6a7", "1703", " 0000 06A7", "MDCCIII"},
                {"xxv", "25", " 0000 0019", "XXV"},
                {"-14", "-14", " FFFF FFF2", "(XIV)"}};
    for (const auto &row : rows) {
        paste(QString::fromLatin1(row.typed));
        EXPECT_EQ(arab(), QString::fromLatin1(row.arab));
        EXPECT_EQ(hex(), QString::fromLatin1(row.hex));
        EXPECT_EQ(roman(), QString::fromLatin1(row.roman));
        // The entry line keeps what was typed: it is only emptied after a result.
        EXPECT_EQ(line()->text(), QString::fromLatin1(row.typed));
    }
}

TEST_F(CalcHost, UnreadableLinesChangeNothing) {
    paste(QStringLiteral("7"));
    type(QStringLiteral("V")); // "7V"
    paste(QStringLiteral("VV"));
    EXPECT_EQ(arab(), QStringLiteral("7"));
    type(QStringLiteral("+")); // the key after an unreadable line is lost
    EXPECT_EQ(line()->text(), QStringLiteral("VV"));
    EXPECT_EQ(paren()->pend(), 0);
    EXPECT_EQ(paren()->value(), 7);
}

TEST_F(CalcHost, BinaryPadWorksOnTheHexadecimalBits) {
    click("cmdBinaPad");
    type(QStringLiteral("12"));
    click("Btn1"); // Load
    EXPECT_EQ(text("BinFunct1", "Text1"), QStringLiteral(" 0000 000C"));
    paste(QStringLiteral("10"));
    // A binary result does not give the pad new bits: the current value stays 10.
    const std::pair<const char *, const char *> results[] = {
        {"Btn3", "8"}, {"Btn2", "14"}, {"Btn4", "6"}, {"Btn5", "-11"}};
    for (const auto &[button, result] : results) {
        click(button);
        EXPECT_EQ(arab(), QString::fromLatin1(result)) << button;
    }
    EXPECT_EQ(paren()->value(), -11);
}

TEST_F(CalcHost, ExtensionPadFollowsTheTypedKeys) {
    type(QStringLiteral("2+4+6+n"));
    EXPECT_EQ(arab(), QStringLiteral("4"));
    EXPECT_EQ(paren()->value(), 4);
    type(QStringLiteral("r200+15%"));
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
    EXPECT_TRUE(line()->text().isEmpty());
    click("cmdExtendPad");
    click("cmdSquare");
    EXPECT_EQ(arab(), QStringLiteral("4")); // 2 squared, not sinh 2 squared
}

// A fault shows its text in the readouts; the engine and the operand stay as before the key.
TEST_F(CalcHost, InvalidOperationsShowAnErrorAndKeepTheState) {
    type(QStringLiteral("5+"));
    paste(QStringLiteral("0"));
    click("cmdNatLog");
    for (const QString &readout : {arab(), hex(), roman()})
        EXPECT_EQ(readout, QStringLiteral("Error: invalid operation"));
    EXPECT_EQ(paren()->acc(), 5);
    type(QStringLiteral("3="));
    EXPECT_EQ(arab(), QStringLiteral("8"));
    paste(QStringLiteral("-4"));
    type(QStringLiteral("t"));
    EXPECT_EQ(arab(), QStringLiteral("Error: invalid operation"));
    EXPECT_EQ(child<pmCalcXtend>("pmCalcXtend1")->value(), -4);
}

TEST_F(CalcHost, KeypadDivisionByZeroShowsAnErrorAndKeepsTheState) {
    paste(QStringLiteral("7"));
    click("Div");
    paste(QStringLiteral("0"));
    click("Equals");
    for (const QString &readout : {arab(), hex(), roman()})
        EXPECT_EQ(readout, QStringLiteral("Error: division by zero"));
    EXPECT_EQ(paren()->acc(), 7);
    EXPECT_EQ(paren()->pend(), 2); // the division still waits for a divisor
    paste(QStringLiteral("2"));
    click("Equals");
    EXPECT_EQ(arab(), QStringLiteral("3.5"));
    // A zero added is no longer taken for 1.
    type(QStringLiteral("r5+0+="));
    EXPECT_EQ(arab(), QStringLiteral("5"));
}

TEST_F(CalcHost, OverflowsNeverReachLaterResults) {
    type(QStringLiteral("3+"));
    paste(QStringLiteral("0x") + QString(300, u'f'));
    EXPECT_EQ(arab(), QStringLiteral("Error: overflow"));
    EXPECT_EQ(paren()->value(), 3);
    paste(QStringLiteral("4"));
    type(QStringLiteral("="));
    EXPECT_EQ(arab(), QStringLiteral("7"));
    paste(QStringLiteral("1e308"));
    type(QStringLiteral("*10="));
    EXPECT_EQ(arab(), QStringLiteral("Error: overflow"));
    EXPECT_EQ(paren()->acc(), 1e308);
    EXPECT_TRUE(std::isfinite(child<pmCalcXtend>("pmCalcXtend1")->value()));
    type(QStringLiteral("r2+3="));
    EXPECT_EQ(arab(), QStringLiteral("5"));
}

TEST_F(CalcHost, SelectionsAreStoredShowTheirPagesAndKeepTheArithmetic) {
    type(QStringLiteral("2+3*"));
    click("cmdTax");
    EXPECT_EQ(stored(keys::kCalcSel), QStringLiteral("Tax"));
    EXPECT_TRUE(shown("TaxWiz1") && !shown("Frame1"));
    EXPECT_FALSE(child<QPushButton>("cmdTax")->isEnabled());
    click("cmdOpAmp");
    EXPECT_EQ(child<TVTron>("TVTron1")->actFunct(), QStringLiteral("OA"));
    EXPECT_TRUE(shown("TVTron1") && !shown("TaxWiz1"));
    click("cmdOK");
    EXPECT_TRUE(shown("Frame2"));
    click("cmdMath");
    EXPECT_TRUE(shown("Frame1") && !shown("Frame2"));
    type(QStringLiteral("4="));
    EXPECT_EQ(arab(), QStringLiteral("20"));
}

TEST_F(CalcHost, StoredValuesChooseTheViewAndButtonsRepairThem) {
    reshowWith(keys::kCalcPad, QStringLiteral("Binary"));
    EXPECT_TRUE(shown("BinFunct1"));
    EXPECT_FALSE(child<QPushButton>("cmdBinaPad")->isEnabled());
    click("cmdExtendPad");
    EXPECT_EQ(stored(keys::kCalcPad), QStringLiteral("Xtend"));
    EXPECT_TRUE(shown("pmCalcXtend1") && !shown("BinFunct1"));
    EXPECT_TRUE(child<QPushButton>("cmdBinaPad")->isEnabled());
    reshowWith(keys::kCalcSel, QStringLiteral("Nope")); // an unknown selection shows nothing
    EXPECT_TRUE(shown("CalcSel") && !shown("Frame1"));
    click("cmdMath");
    EXPECT_TRUE(shown("Frame1"));
    EXPECT_EQ(child<QGroupBox>("Frame1")->title(), QStringLiteral("Math"));
}

TEST_F(CalcHost, CopyButtonsPutTheReadoutsOnTheClipboard) {
    paste(QStringLiteral("-14"));
    child<QPushButton>("Command2", child("Roman2Display1"))->click();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("(XIV)"));
    child<QPushButton>("Command1", child("TypeInPad1"))->click();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("-14"));
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
    type(QStringLiteral("6"));
    accelerator(Qt::Key_Asterisk, [&] { return paren()->pend() == 3; });
    type(QStringLiteral("7"));
    accelerator(Qt::Key_Equal, [&] { return arab() == QStringLiteral("42"); });
    accelerator(Qt::Key_Plus, [&] { return paren()->pend() == 1; });
    accelerator(Qt::Key_R, [&] { return paren()->pend() == 0 && paren()->acc() == 0; });
    click("cmdExtendPad"); // its accelerators work once it is the pad shown
    type(QStringLiteral("9"));
    accelerator(Qt::Key_T, [&] { return arab() == QStringLiteral("3"); });
}

} // namespace
