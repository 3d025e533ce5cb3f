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

// The stored selection and pad choose the page: the arithmetic frame and a pad, help, or a
// special page; "OA" is the op-amp's value, "OpAmp" only its caption.
TEST(CalcView, SelectionAndPadChooseThePage) {
    QString pages;
    for (const auto &[selection, pad] : {std::pair{"Math", "Binary"},
                                         {"OK", "Trig"},
                                         {"Help", ""},
                                         {"Tax", ""},
                                         {"OA", ""},
                                         {"OpAmp", "Math"}}) {
        const CalcView v = calcView(selection, pad);
        pages += QString("%1%2%3%4 ")
                     .arg(v.arithmetic)
                     .arg(padValue(v.pad))
                     .arg(v.help)
                     .arg(int(v.special));
    }
    // arithmetic, pad, help, special page (0 none, 1 electronics, 2 tax)
    EXPECT_EQ(pages, "1Binary00 100 010 002 001 000 ");
}

// The eight buttons of a pad: two columns of four row by row (a narrower grid for the function
// pads), one column, one row, or four columns of two filled column by column; grid units round
// halves to even.
TEST(KeypadLayout, TheEightButtonsOfEachOrientation) {
    EXPECT_EQ(gridUnit(25, 10) + gridUnit(35, 10), 6);
    EXPECT_EQ(gridRect(400, 70, 100, 7, 5, 2, 60, 4), QRect(20, 20, 240, 40));
    const std::tuple<std::int16_t, int, int, TwoColumnGrid, QRect> rows[] = {
        {7, 130, 220, TwoColumnGrid::Wide13, {70, 170, 50, 40}},
        {0, 110, 220, TwoColumnGrid::Narrow11, {60, 170, 40, 40}},
        {1, 60, 420, TwoColumnGrid::Wide13, {10, 370, 40, 40}},
        {3, 410, 70, TwoColumnGrid::Wide13, {360, 20, 40, 40}},
        {2, 210, 120, TwoColumnGrid::Wide13, {160, 70, 40, 40}}};
    for (const auto &[wide, width, height, grid, last] : rows)
        EXPECT_EQ(keypadLayout(wide, width, height, grid)[7], last) << wide;
}

} // namespace
