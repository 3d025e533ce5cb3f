#include "calc/function_pads.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vidorev::calc;

namespace {

void expectChange(const PadStep &step, double expected, double tol = 1e-12) {
    EXPECT_EQ(step.action, PadAction::Change);
    EXPECT_EQ(step.fault, CalcFault::None);
    EXPECT_NEAR(step.value, expected, tol * std::max(1.0, std::abs(expected)));
}

void expectQuiet(const PadStep &step, double before) {
    EXPECT_EQ(step.action, PadAction::Quiet);
    EXPECT_EQ(step.value, before);
}

void expectFault(const PadStep &step, double before, CalcFault fault) {
    EXPECT_EQ(step.action, PadAction::Fault);
    EXPECT_EQ(step.fault, fault);
    EXPECT_EQ(step.value, before); // the operand survives
}

TEST(FunctionPads, Results) {
    // The constants are the pads' own fifteen-digit ones.
    expectChange(monoFunction(MonoKey::Pi, 7), 3.14159265358979, 0);
    expectChange(monoFunction(MonoKey::E, 7), 2.71828182845905, 0);
    // The reciprocal of 0 stays 0 but is still announced.
    expectChange(monoFunction(MonoKey::Invert, 0), 0);
    expectChange(monoFunction(MonoKey::Log, 1000), 3);
    expectChange(monoFunction(MonoKey::AntiLog, 2), 100, 1e-11);
    expectChange(monoFunction(MonoKey::NatLog, 2.71828182845905), 1);
    expectChange(trigFunction(TrigKey::RadToDeg, 3.14159265358979), 180);
    expectChange(trigFunction(TrigKey::Sec, kPi / 3), 2, 1e-9);
    expectChange(trigFunction(TrigKey::ArcSin, 0.5), std::asin(0.5));
    expectChange(trigFunction(TrigKey::ArcSin, 1), std::asin(1.0));
    expectChange(trigFunction(TrigKey::ArcSec, 2), std::acos(0.5));
    expectChange(trigFunction(TrigKey::ArcSec, 1), 0);
    for (double v : {-3.0, -0.5, 0.25, 1.0, 20.0}) {
        expectChange(hypFunction(HypKey::Sinh, v), std::sinh(v));
        expectChange(hypFunction(HypKey::Cosh, v), std::cosh(v));
        expectChange(hypFunction(HypKey::Tanh, v), std::tanh(v));
        expectChange(hypFunction(HypKey::Sech, v), 1 / std::cosh(v));
        expectChange(hypFunction(HypKey::ArcSinh, v), std::asinh(v));
    }
    expectChange(hypFunction(HypKey::ArcTanh, 0.5), std::atanh(0.5));
    expectChange(hypFunction(HypKey::ArcCosh, 2), std::acosh(2.0));
    expectChange(hypFunction(HypKey::ArcSech, 0.5), std::acosh(2.0));
    expectChange(hypFunction(HypKey::ArcSech, 1), 0);
    // Large arguments reach their limits instead of infinity over infinity.
    expectChange(hypFunction(HypKey::Tanh, -1000), -1);
    expectChange(hypFunction(HypKey::Sech, 1000), 0);
}

// Guards decline quietly; out-of-domain arguments and overflows are faults.
TEST(FunctionPads, GuardsAndFaultsKeepTheOperand) {
    expectQuiet(trigFunction(TrigKey::ArcSec, 0.5), 0.5);
    expectQuiet(trigFunction(TrigKey::ArcSec, -4), -4);
    for (HypKey key : {HypKey::Sinh, HypKey::ArcSinh, HypKey::Tanh, HypKey::ArcTanh, HypKey::Cosh,
                       HypKey::ArcCosh, HypKey::Sech, HypKey::ArcSech})
        expectQuiet(hypFunction(key, 0), 0);
    expectFault(monoFunction(MonoKey::NatLog, 0), 0, CalcFault::Invalid);
    expectFault(monoFunction(MonoKey::Log, 0), 0, CalcFault::Invalid);
    expectFault(monoFunction(MonoKey::AntiLn, 1000), 1000, CalcFault::Overflow);
    expectFault(monoFunction(MonoKey::AntiLog, 400), 400, CalcFault::Overflow);
    expectFault(monoFunction(MonoKey::Invert, 1e-320), 1e-320, CalcFault::Overflow);
    expectFault(trigFunction(TrigKey::ArcSin, 1.5), 1.5, CalcFault::Invalid);
    expectFault(trigFunction(TrigKey::RadToDeg, 1e307), 1e307, CalcFault::Overflow);
    expectFault(hypFunction(HypKey::Sinh, 1000), 1000, CalcFault::Overflow);
    expectFault(hypFunction(HypKey::ArcTanh, 1), 1, CalcFault::Invalid);
    expectFault(hypFunction(HypKey::ArcCosh, 0.5), 0.5, CalcFault::Invalid);
    expectFault(hypFunction(HypKey::ArcSech, -0.5), -0.5, CalcFault::Invalid);
    expectFault(hypFunction(HypKey::ArcSech, 2), 2, CalcFault::Invalid);
}

TEST(ExtendPad, MemoryAddsSubtractsRecallsClearsAndRefusesAnOverflow) {
    ExtendPad pad;
    pad.setValue(3);
    expectQuiet(pad.press(XtendKey::MemPlus), 3);
    pad.press(XtendKey::MemPlus);
    expectChange(pad.press(XtendKey::MemRead), 6);
    EXPECT_EQ(pad.value(), 6);
    pad.setValue(2);
    pad.press(XtendKey::MemMinus);
    EXPECT_EQ(pad.memory(), 4);
    pad.press(XtendKey::MemClear);
    expectChange(pad.press(XtendKey::MemRead), 0);
    pad.setValue(1e308);
    pad.press(XtendKey::MemPlus);
    expectFault(pad.press(XtendKey::MemPlus), 1e308, CalcFault::Overflow);
    EXPECT_EQ(pad.memory(), 1e308);
}

TEST(ExtendPad, TypedKeys) {
    ExtendPad pad;
    pad.setValue(5);
    for (const char *key : {"*", "/", "=", "(", ")", "x", ""})
        expectQuiet(pad.setTypeIn(QString::fromLatin1(key)), 5);
    for (const char *key : {"+", "-", "+"})
        pad.setTypeIn(QString::fromLatin1(key));
    pad.setAcc(12);
    expectChange(pad.setTypeIn(QStringLiteral("n")), 4); // the mean of three addends
    pad.setTypeIn(QStringLiteral("r"));
    expectQuiet(pad.setTypeIn(QStringLiteral("n")), 4); // no addends: the mean declines
    pad.setAcc(200);
    pad.setValue(15);
    expectChange(pad.setTypeIn(QStringLiteral("%")), 30); // percent of the subtotal
    pad.setValue(-9);
    expectFault(pad.setTypeIn(QStringLiteral("t")), -9, CalcFault::Invalid);
    expectChange(pad.setTypeIn(QStringLiteral("q")), 81);
    expectChange(pad.setTypeIn(QStringLiteral("t")), 9);
    pad.setValue(1e200);
    expectFault(pad.setTypeIn(QStringLiteral("q")), 1e200, CalcFault::Overflow);
    EXPECT_EQ(pad.value(), 1e200);
}

} // namespace
