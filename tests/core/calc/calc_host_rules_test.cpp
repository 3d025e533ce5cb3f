#include "calc/calc_host_rules.h"
#include "calc/keypad_layout.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace vidorev::calc;

namespace {

using BW = BinaryWrite;
using SP = SpecialPage;

// Field by field, so that a failure prints which target differs.
auto fields(const FanOut &f) {
    return std::tuple(f.parenValue, f.xtendValue, f.xtendAcc, f.mono, f.trig, f.hyper, f.binary,
                      f.readouts, f.clearTypeIn);
}

auto fields(const CalcView &v) {
    return std::tuple(v.arithmetic, v.pad, v.setPadButtons, v.help, v.special);
}

TEST(FanOutTable, EachSourceWritesExactlyItsTargets) {
    // paren, xtend value, xtend acc, mono, trig, hyper, binary, readouts, clear the type-in line
    const std::pair<Source, FanOut> rows[] = {
        {Source::ParenBase, {false, true, true, true, true, true, BW::HexValue, true, true}},
        {Source::TypeIn, {true, true, true, true, true, true, BW::HexValue, true, false}},
        {Source::Mono, {true, true, true, false, true, true, BW::HexValue, true, true}},
        {Source::Trig, {true, true, true, true, false, true, BW::HexValue, true, true}},
        // A hyperbolic result does not reach the extension pad.
        {Source::Hyper, {true, false, false, true, true, false, BW::HexValue, true, true}},
        {Source::Binary, {true, true, false, true, true, true, BW::Nothing, true, true}},
        {Source::Xtend, {true, false, false, true, true, true, BW::Value, true, true}}};
    for (const auto &[source, expected] : rows)
        EXPECT_EQ(fields(fanOutFor(source)), fields(expected)) << static_cast<int>(source);
}

TEST(CalcView, SelectionAndPadChooseThePage) {
    // arithmetic frame, pad, set the pad buttons, help, special page
    const std::tuple<const char *, const char *, CalcView> rows[] = {
        {"Math", "Binary", {true, Pad::Binary, true, false, SP::None}},
        // An unknown pad shows none but still sets the buttons.
        {"Math", "Bogus", {true, Pad::None, true, false, SP::None}},
        {"OK", "Trig", {true, Pad::None, false, false, SP::None}},
        {"Help", "Math", {false, Pad::None, false, true, SP::None}},
        {"Tax", "", {false, Pad::None, false, false, SP::Tax}},
        {"Loan", "", {false, Pad::None, false, false, SP::Loan}},
        // The OpAmp button's value is "OA"; its caption is no selection.
        {"OpAmp", "Math", {}},
        {"math", "Math", {}}};
    for (const auto &[selection, pad, expected] : rows)
        EXPECT_EQ(fields(calcView(QString::fromLatin1(selection), QString::fromLatin1(pad))),
                  fields(expected))
            << selection << " " << pad;
    for (const char *pad : {"Math", "Trig", "Hyper", "Binary", "Xtend"})
        EXPECT_EQ(padValue(calcView(QStringLiteral("Math"), QString::fromLatin1(pad)).pad),
                  QString::fromLatin1(pad));
    for (const char *sel : {"Ohms", "Trans", "Bridge", "OA", "VT"})
        EXPECT_EQ(calcView(QString::fromLatin1(sel), {}).special, SP::Electronics) << sel;
}

// Grid units round halves to even.
TEST(KeypadLayout, GridUnitsAndTheEightButtonsOfEachOrientation) {
    EXPECT_EQ(gridUnit(25, 10), 2);
    EXPECT_EQ(gridUnit(35, 10), 4);
    EXPECT_EQ(gridUnit(36, 10), 4);
    EXPECT_EQ(gridUnit(0, 13), 0);
    EXPECT_EQ(gridRect(400, 70, 100, 7, 5, 2, 60, 4), QRect(20, 20, 240, 40));
    constexpr auto W13 = TwoColumnGrid::Wide13;
    constexpr auto N11 = TwoColumnGrid::Narrow11;
    const struct {
        std::int16_t wide;
        int width, height;
        TwoColumnGrid grid;
        std::size_t button;
        QRect rect;
    } rows[] = {// Two columns of four, row by row; any code other than 1, 2, 3 is the same.
                {0, 130, 220, W13, 1, {70, 20, 50, 40}},
                {7, 130, 220, W13, 7, {70, 170, 50, 40}},
                // The function pads' narrower two-column grid.
                {0, 110, 220, N11, 6, {10, 170, 40, 40}},
                // One column, one row.
                {1, 60, 420, W13, 7, {10, 370, 40, 40}},
                {3, 410, 70, W13, 7, {360, 20, 40, 40}},
                // Four columns of two, filled column by column.
                {2, 210, 120, W13, 2, {60, 20, 40, 40}},
                {2, 210, 120, W13, 7, {160, 70, 40, 40}}};
    for (const auto &r : rows)
        EXPECT_EQ(keypadLayout(r.wide, r.width, r.height, r.grid)[r.button], r.rect)
            << r.wide << " " << r.button;
}

} // namespace
