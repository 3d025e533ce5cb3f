#include "calc/function_pads.h"
#include "test_env.h"

#include <cmath>

using namespace vidorev::calc;

namespace {

// A key's step as "=value" (a change), "~value" (declined quietly, the operand kept) or
// "!value" / "^value" (an invalid argument or an overflow, the operand kept), to 12 digits.
QString show(const PadStep &s) {
    const char *mark = s.action == PadAction::Change    ? "="
                       : s.action == PadAction::Quiet   ? "~"
                       : s.fault == CalcFault::Overflow ? "^"
                                                        : "!";
    return mark + QString::number(s.value, 'g', 12);
}

TEST(FunctionPads, ResultsGuardsAndFaults) {
    const std::pair<PadStep, const char *> cases[] = {
        // The constants are the pads' own fifteen-digit ones.
        {algebraFunction(AlgebraKey::Pi, 7), "=3.14159265359"},
        {algebraFunction(AlgebraKey::E, 7), "=2.71828182846"},
        {algebraFunction(AlgebraKey::Invert, 0), "=0"}, // stays 0 but is still announced
        {algebraFunction(AlgebraKey::Log, 1000), "=3"},
        {trigFunction(TrigKey::RadToDeg, 3.14159265358979), "=180"},
        {hypFunction(HypKey::Cosh, 0.25), "=1.03141309988"},
        {algebraFunction(AlgebraKey::AntiLog, 400), "^400"},
        {algebraFunction(AlgebraKey::NatLog, 2.71828182845905), "=1"},
        {trigFunction(TrigKey::Sec, kPi / 3), "=2"},
        {trigFunction(TrigKey::ArcSin, 0.5), "=0.523598775598"},
        {trigFunction(TrigKey::ArcSec, 1), "=0"},
        {hypFunction(HypKey::Sinh, -3), "=-10.0178749274"},
        {hypFunction(HypKey::ArcSinh, 20), "=3.68950386899"},
        {hypFunction(HypKey::ArcTanh, 0.5), "=0.549306144334"},
        {hypFunction(HypKey::ArcCosh, 2), "=1.31695789692"},
        {hypFunction(HypKey::ArcSech, 0.5), "=1.31695789692"},
        // Large arguments reach their limits instead of infinity over infinity.
        {hypFunction(HypKey::Tanh, -1000), "=-1"},
        {hypFunction(HypKey::Sech, 1000), "=0"},
        // Guards decline quietly; out-of-domain arguments and overflows are faults.
        {trigFunction(TrigKey::ArcSec, 0.5), "~0.5"},
        {hypFunction(HypKey::Sinh, 0), "~0"},
        {algebraFunction(AlgebraKey::NatLog, 0), "!0"},
        {algebraFunction(AlgebraKey::AntiLn, 1000), "^1000"},
        {algebraFunction(AlgebraKey::Invert, 1e-320), "^9.99988867183e-321"},
        {trigFunction(TrigKey::ArcSin, 1.5), "!1.5"},
        {trigFunction(TrigKey::RadToDeg, 1e307), "^1e+307"},
        {hypFunction(HypKey::ArcTanh, 1), "!1"},
        {hypFunction(HypKey::ArcCosh, 0.5), "!0.5"},
        {hypFunction(HypKey::ArcSech, 2), "!2"}};
    for (const auto &[step, expected] : cases)
        EXPECT_EQ(show(step), expected);
}

// Memory adds, subtracts, recalls, clears and refuses an overflow; typed keys give the mean of
// the addends, the percent of the subtotal, squares and roots.
TEST(ExtendPad, MemoryAndTypedKeys) {
    ExtendPad pad;
    QStringList steps;
    pad.setValue(3);
    steps << show(pad.press(ExtendKey::MemPlus)) << show(pad.press(ExtendKey::MemPlus))
          << show(pad.press(ExtendKey::MemRead));
    pad.setValue(2);
    pad.press(ExtendKey::MemMinus);
    steps << show(pad.press(ExtendKey::MemRead));
    pad.press(ExtendKey::MemClear);
    steps << show(pad.press(ExtendKey::MemRead));
    pad.setValue(1e308);
    pad.press(ExtendKey::MemPlus);
    steps << show(pad.press(ExtendKey::MemPlus));
    EXPECT_EQ(steps.join(' '), "~3 ~3 =6 =4 =0 ^1e+308");
    EXPECT_EQ(pad.memory(), 1e308);

    steps.clear();
    pad.setValue(5);
    for (const char *key : {"*", "x", "+", "-", "+"})
        steps << show(pad.setTypeIn(key));
    pad.setAcc(12);
    steps << show(pad.setTypeIn("n")) << show(pad.setTypeIn("r")) << show(pad.setTypeIn("n"));
    pad.setAcc(200);
    pad.setValue(15);
    steps << show(pad.setTypeIn("%"));
    pad.setValue(-9);
    steps << show(pad.setTypeIn("t")) << show(pad.setTypeIn("q")) << show(pad.setTypeIn("t"));
    pad.setValue(1e200);
    steps << show(pad.setTypeIn("q"));
    EXPECT_EQ(steps.join(' '), "~5 ~5 ~5 ~5 ~5 =4 ~4 ~4 =30 !-9 =81 =9 ^1e+200");
}

} // namespace
