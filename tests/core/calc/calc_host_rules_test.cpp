#include "calc/calc_host_rules.h"
#include "calc/keypad_layout.h"

#include "test_env.h"

#include <tuple>

using namespace vidorev::calc;

namespace {

// What each pad's result may not reach: a hyperbolic result not the extension pad, a binary
// result not the binary pad's bits, and the type-in line keeps what was typed in it.
TEST(FanOutTable, ResultsReachEveryTargetButTheirOwnAndTheRulesExceptions) {
    EXPECT_FALSE(fanOutFor(Source::Hyper).xtendValue || fanOutFor(Source::Hyper).xtendAcc);
    EXPECT_EQ(fanOutFor(Source::Binary).binary, BinaryWrite::Nothing);
    EXPECT_EQ(fanOutFor(Source::Xtend).binary, BinaryWrite::Value);
    EXPECT_FALSE(fanOutFor(Source::TypeIn).clearTypeIn);
    EXPECT_TRUE(fanOutFor(Source::Mono).trig && !fanOutFor(Source::Mono).mono);
}

TEST(CalcView, SelectionAndPadChooseThePage) {
    auto fields = [](const CalcView &v) {
        return std::tuple(v.arithmetic, v.pad, v.setPadButtons, v.help, v.special);
    };
    // arithmetic frame, pad, set the pad buttons, help, special page
    const std::tuple<const char *, const char *, CalcView> rows[] = {
        {"Math", "Binary", {true, Pad::Binary, true, false, SpecialPage::None}},
        // An unknown pad shows none but still sets the buttons.
        {"Math", "Bogus", {true, Pad::None, true, false, SpecialPage::None}},
        {"OK", "Trig", {true, Pad::None, false, false, SpecialPage::None}},
        {"Help", "Math", {false, Pad::None, false, true, SpecialPage::None}},
        {"Loan", "", {false, Pad::None, false, false, SpecialPage::Loan}},
        {"OA", "", {false, Pad::None, false, false, SpecialPage::Electronics}},
        // The OpAmp button's value is "OA"; its caption is no selection, nor is a lower case.
        {"OpAmp", "Math", {}},
        {"math", "Math", {}}};
    for (const auto &[selection, pad, expected] : rows)
        EXPECT_EQ(fields(calcView(selection, pad)), fields(expected)) << selection << " " << pad;
    EXPECT_EQ(padValue(calcView("Math", "Xtend").pad), "Xtend");
}

// Grid units round halves to even; two columns of four row by row, one column or one row, or
// four columns of two filled column by column.
TEST(KeypadLayout, GridUnitsAndTheEightButtonsOfEachOrientation) {
    EXPECT_EQ(gridUnit(25, 10), 2);
    EXPECT_EQ(gridUnit(35, 10), 4);
    EXPECT_EQ(gridRect(400, 70, 100, 7, 5, 2, 60, 4), QRect(20, 20, 240, 40));
    const struct {
        std::int16_t wide;
        int width, height;
        TwoColumnGrid grid;
        std::size_t button;
        QRect rect;
    } rows[] = {{7, 130, 220, TwoColumnGrid::Wide13, 7, {70, 170, 50, 40}},
                {0, 110, 220, TwoColumnGrid::Narrow11, 6, {10, 170, 40, 40}},
                {1, 60, 420, TwoColumnGrid::Wide13, 7, {10, 370, 40, 40}},
                {3, 410, 70, TwoColumnGrid::Wide13, 7, {360, 20, 40, 40}},
                {2, 210, 120, TwoColumnGrid::Wide13, 2, {60, 20, 40, 40}}};
    for (const auto &r : rows)
        EXPECT_EQ(keypadLayout(r.wide, r.width, r.height, r.grid)[r.button], r.rect)
            << r.wide << " " << r.button;
}

} // namespace
