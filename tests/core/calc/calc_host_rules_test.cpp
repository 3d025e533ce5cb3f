#include "calc/calc_host_rules.h"
#include "calc/keypad_layout.h"

#include <gtest/gtest.h>

using namespace vidorev::calc;

namespace {

struct Row {
    Source source;
    bool paren, xtendValue, xtendAcc, mono, trig, hyper;
    BinaryWrite binary;
    bool clearTypeIn;
};

class FanOutTable : public ::testing::TestWithParam<Row> {};

TEST_P(FanOutTable, WritesExactlyItsTargets) {
    const Row &row = GetParam();
    const FanOut f = fanOutFor(row.source);
    EXPECT_EQ(f.parenValue, row.paren);
    EXPECT_EQ(f.xtendValue, row.xtendValue);
    EXPECT_EQ(f.xtendAcc, row.xtendAcc);
    EXPECT_EQ(f.mono, row.mono);
    EXPECT_EQ(f.trig, row.trig);
    EXPECT_EQ(f.hyper, row.hyper);
    EXPECT_EQ(f.binary, row.binary);
    EXPECT_TRUE(f.readouts);
    EXPECT_EQ(f.clearTypeIn, row.clearTypeIn);
}

using BW = BinaryWrite;
INSTANTIATE_TEST_SUITE_P(
    Sources, FanOutTable,
    ::testing::Values(Row{Source::ParenBase, false, true, true, true, true, true, BW::HexValue,
                          true},
                      Row{Source::TypeIn, true, true, true, true, true, true, BW::HexValue, false},
                      Row{Source::Mono, true, true, true, false, true, true, BW::HexValue, true},
                      Row{Source::Trig, true, true, true, true, false, true, BW::HexValue, true},
                      // A hyperbolic result does not reach the extension pad.
                      Row{Source::Hyper, true, false, false, true, true, false, BW::HexValue, true},
                      Row{Source::Binary, true, true, false, true, true, true, BW::Nothing, true},
                      Row{Source::Xtend, true, false, false, true, true, true, BW::Value, true}));

TEST(CalcView, MathShowsTheStoredPad) {
    const CalcView view = calcView(QStringLiteral("Math"), QStringLiteral("Binary"));
    EXPECT_TRUE(view.arithmetic);
    EXPECT_EQ(view.pad, Pad::Binary);
    EXPECT_TRUE(view.setPadButtons);
    EXPECT_FALSE(view.help);
    EXPECT_EQ(view.special, SpecialPage::None);
}

TEST(CalcView, OkShowsTheFrameWithoutAPad) {
    const CalcView view = calcView(QStringLiteral("OK"), QStringLiteral("Trig"));
    EXPECT_TRUE(view.arithmetic);
    EXPECT_EQ(view.pad, Pad::None);
    EXPECT_FALSE(view.setPadButtons);
}

TEST(CalcView, UnknownPadShowsNoPadButSetsTheButtons) {
    const CalcView view = calcView(QStringLiteral("Math"), QStringLiteral("Bogus"));
    EXPECT_TRUE(view.arithmetic);
    EXPECT_EQ(view.pad, Pad::None);
    EXPECT_TRUE(view.setPadButtons);
}

TEST(CalcView, SpecialSelections) {
    for (const char *sel : {"Ohms", "Trans", "Bridge", "OA", "VT"})
        EXPECT_EQ(calcView(QString::fromLatin1(sel), {}).special, SpecialPage::Electronics) << sel;
    EXPECT_EQ(calcView(QStringLiteral("Tax"), {}).special, SpecialPage::Tax);
    EXPECT_EQ(calcView(QStringLiteral("Loan"), {}).special, SpecialPage::Loan);
    EXPECT_TRUE(calcView(QStringLiteral("Help"), {}).help);
    // The OpAmp button's value is "OA"; its caption is no selection.
    for (const char *sel : {"OpAmp", "math", "", "Calc"}) {
        const CalcView view = calcView(QString::fromLatin1(sel), QStringLiteral("Math"));
        EXPECT_FALSE(view.arithmetic) << sel;
        EXPECT_FALSE(view.help);
        EXPECT_EQ(view.special, SpecialPage::None);
    }
}

TEST(PadValues, RoundTrip) {
    for (Pad pad : {Pad::Math, Pad::Trig, Pad::Hyper, Pad::Binary, Pad::Xtend})
        EXPECT_EQ(padFromValue(padValue(pad)), pad);
    EXPECT_EQ(padFromValue(QStringLiteral("$")), Pad::None);
}

TEST(KeypadLayout, UnitsRoundHalvesToEven) {
    EXPECT_EQ(gridUnit(25, 10), 2);
    EXPECT_EQ(gridUnit(35, 10), 4);
    EXPECT_EQ(gridUnit(36, 10), 4);
    EXPECT_EQ(gridUnit(0, 13), 0);
}

TEST(KeypadLayout, TwoColumnsOfFourByDefault) {
    const auto r = keypadLayout(0, 130, 220);
    EXPECT_EQ(r[0], QRect(10, 20, 50, 40));
    EXPECT_EQ(r[1], QRect(70, 20, 50, 40));
    EXPECT_EQ(r[2], QRect(10, 70, 50, 40));
    EXPECT_EQ(r[7], QRect(70, 170, 50, 40));
    // Any code other than 1, 2, 3 is the same arrangement.
    EXPECT_EQ(keypadLayout(7, 130, 220), r);
}

TEST(KeypadLayout, NarrowTwoColumnGridOfTheFunctionPads) {
    const auto r = keypadLayout(0, 110, 220, TwoColumnGrid::Narrow11);
    EXPECT_EQ(r[0], QRect(10, 20, 40, 40));
    EXPECT_EQ(r[1], QRect(60, 20, 40, 40));
    EXPECT_EQ(r[6], QRect(10, 170, 40, 40));
}

TEST(KeypadLayout, OneRow) {
    const auto r = keypadLayout(3, 410, 70);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(r[static_cast<std::size_t>(k)], QRect(10 + 50 * k, 20, 40, 40));
}

TEST(KeypadLayout, OneColumn) {
    const auto r = keypadLayout(1, 60, 420);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(r[static_cast<std::size_t>(k)], QRect(10, 20 + 50 * k, 40, 40));
}

TEST(KeypadLayout, FourColumnsOfTwoFilledColumnByColumn) {
    const auto r = keypadLayout(2, 210, 120);
    EXPECT_EQ(r[0], QRect(10, 20, 40, 40));
    EXPECT_EQ(r[1], QRect(10, 70, 40, 40));
    EXPECT_EQ(r[2], QRect(60, 20, 40, 40));
    EXPECT_EQ(r[7], QRect(160, 70, 40, 40));
}

TEST(GridRect, PlacesOnAUnitGrid) {
    EXPECT_EQ(gridRect(400, 70, 100, 7, 5, 2, 60, 4), QRect(20, 20, 240, 40));
}

} // namespace
