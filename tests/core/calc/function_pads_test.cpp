#include "calc/function_pads.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vidorev::calc;

namespace {

constexpr double kTol = 1e-12;

void expectChange(const PadStep &step, double expected, double tol = kTol) {
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

TEST(MonoFunct, ConstantsSignAndInverse) {
    expectChange(monoFunction(MonoKey::Pi, 7), 3.14159265358979, 0);
    expectChange(monoFunction(MonoKey::E, 7), 2.71828182845905, 0);
    expectChange(monoFunction(MonoKey::Negate, 2.5), -2.5);
    expectChange(monoFunction(MonoKey::Invert, 4), 0.25);
    // The reciprocal of 0 stays 0 but is still announced.
    expectChange(monoFunction(MonoKey::Invert, 0), 0);
}

TEST(MonoFunct, LogarithmsAndAntiLogarithms) {
    expectChange(monoFunction(MonoKey::Log, 1000), 3);
    expectChange(monoFunction(MonoKey::AntiLog, 2), 100, 1e-11);
    expectChange(monoFunction(MonoKey::NatLog, 2.71828182845905), 1);
    expectChange(monoFunction(MonoKey::AntiLn, 1), 2.71828182845905);
}

TEST(MonoFunct, OutOfDomainAndOverflowAreFaults) {
    expectFault(monoFunction(MonoKey::NatLog, 0), 0, CalcFault::Invalid);
    expectFault(monoFunction(MonoKey::NatLog, -3), -3, CalcFault::Invalid);
    expectFault(monoFunction(MonoKey::Log, 0), 0, CalcFault::Invalid);
    expectFault(monoFunction(MonoKey::AntiLn, 1000), 1000, CalcFault::Overflow);
    expectFault(monoFunction(MonoKey::AntiLog, 400), 400, CalcFault::Overflow);
    expectFault(monoFunction(MonoKey::Invert, 1e-320), 1e-320, CalcFault::Overflow);
}

TEST(TrigFunct, DegreesAndRadiansRoundTrip) {
    const double pi = monoFunction(MonoKey::Pi, 0).value;
    expectChange(trigFunction(TrigKey::RadToDeg, pi), 180);
    expectChange(trigFunction(TrigKey::DegToRad, 180), 3.14159265358979);
}

TEST(TrigFunct, Functions) {
    expectChange(trigFunction(TrigKey::Sin, kPi / 6), 0.5, 1e-9);
    expectChange(trigFunction(TrigKey::ArcSin, 0.5), std::asin(0.5));
    expectChange(trigFunction(TrigKey::ArcSin, 1), std::asin(1.0));
    expectChange(trigFunction(TrigKey::Sec, 0), 1);
    expectChange(trigFunction(TrigKey::Tan, 1), std::tan(1.0));
    expectChange(trigFunction(TrigKey::ArcTan, 1), std::atan(1.0));
    expectChange(trigFunction(TrigKey::ArcSec, 2), std::acos(0.5));
    expectChange(trigFunction(TrigKey::ArcSec, 1), 0);
}

TEST(TrigFunct, GuardsAndFaults) {
    expectQuiet(trigFunction(TrigKey::ArcSec, 0.5), 0.5);
    expectQuiet(trigFunction(TrigKey::ArcSec, -4), -4);
    expectFault(trigFunction(TrigKey::ArcSin, 1.5), 1.5, CalcFault::Invalid);
    expectFault(trigFunction(TrigKey::ArcSin, -2), -2, CalcFault::Invalid);
    expectFault(trigFunction(TrigKey::RadToDeg, 1e307), 1e307, CalcFault::Overflow);
}

TEST(HypTrig, ZeroIsIgnoredByEveryButton) {
    for (HypKey key : {HypKey::Sinh, HypKey::ArcSinh, HypKey::Tanh, HypKey::ArcTanh, HypKey::Cosh,
                       HypKey::ArcCosh, HypKey::Sech, HypKey::ArcSech})
        expectQuiet(hypFunction(key, 0), 0);
}

TEST(HypTrig, MatchesTheFunctions) {
    for (double v : {-3.0, -0.5, 0.25, 1.0, 2.0, 20.0}) {
        expectChange(hypFunction(HypKey::Sinh, v), std::sinh(v), 1e-12);
        expectChange(hypFunction(HypKey::Cosh, v), std::cosh(v), 1e-12);
        expectChange(hypFunction(HypKey::Tanh, v), std::tanh(v), 1e-12);
        expectChange(hypFunction(HypKey::Sech, v), 1 / std::cosh(v), 1e-12);
        expectChange(hypFunction(HypKey::ArcSinh, v), std::asinh(v), 1e-12);
    }
    expectChange(hypFunction(HypKey::ArcTanh, 0.5), std::atanh(0.5));
    expectChange(hypFunction(HypKey::ArcCosh, 2), std::acosh(2.0));
    expectChange(hypFunction(HypKey::ArcSech, 0.5), std::acosh(2.0));
    expectChange(hypFunction(HypKey::ArcSech, 1), 0);
}

TEST(HypTrig, LargeArgumentsReachTheirLimitsOrOverflow) {
    expectChange(hypFunction(HypKey::Tanh, 1000), 1);
    expectChange(hypFunction(HypKey::Tanh, -1000), -1);
    expectChange(hypFunction(HypKey::Sech, 1000), 0);
    expectFault(hypFunction(HypKey::Sinh, 1000), 1000, CalcFault::Overflow);
    expectFault(hypFunction(HypKey::Cosh, -1000), -1000, CalcFault::Overflow);
}

TEST(HypTrig, OutOfDomainIsInvalid) {
    expectFault(hypFunction(HypKey::ArcTanh, 1), 1, CalcFault::Invalid);
    expectFault(hypFunction(HypKey::ArcTanh, -2), -2, CalcFault::Invalid);
    expectFault(hypFunction(HypKey::ArcCosh, 0.5), 0.5, CalcFault::Invalid);
    expectFault(hypFunction(HypKey::ArcSech, -0.5), -0.5, CalcFault::Invalid);
    expectFault(hypFunction(HypKey::ArcSech, 2), 2, CalcFault::Invalid);
}

TEST(ExtendPad, MemoryAddsSubtractsRecallsAndClears) {
    ExtendPad pad;
    pad.setValue(3);
    expectQuiet(pad.press(XtendKey::MemPlus), 3);
    expectQuiet(pad.press(XtendKey::MemPlus), 3);
    expectChange(pad.press(XtendKey::MemRead), 6);
    EXPECT_EQ(pad.value(), 6);
    pad.setValue(2);
    pad.press(XtendKey::MemMinus);
    EXPECT_EQ(pad.memory(), 4);
    pad.press(XtendKey::MemClear);
    expectChange(pad.press(XtendKey::MemRead), 0);
}

TEST(ExtendPad, MemoryOverflowKeepsTheRegister) {
    ExtendPad pad;
    pad.setValue(1e308);
    pad.press(XtendKey::MemPlus);
    expectFault(pad.press(XtendKey::MemPlus), 1e308, CalcFault::Overflow);
    EXPECT_EQ(pad.memory(), 1e308);
}

TEST(ExtendPad, TypedAddendsGiveTheMean) {
    ExtendPad pad;
    for (const char *key : {"+", "+", "+"})
        pad.setTypeIn(QString::fromLatin1(key));
    pad.setAcc(12); // 2 + 4 + 6
    expectChange(pad.setTypeIn(QStringLiteral("n")), 4);
    pad.setTypeIn(QStringLiteral("-"));
    EXPECT_EQ(pad.addends(), 4);
    pad.setTypeIn(QStringLiteral("r"));
    EXPECT_EQ(pad.addends(), 0);
    // No addends: the mean declines.
    expectQuiet(pad.press(XtendKey::Mean), 4);
}

TEST(ExtendPad, PercentOfTheSubtotal) {
    ExtendPad pad;
    pad.setAcc(200);
    pad.setValue(15);
    expectChange(pad.setTypeIn(QStringLiteral("%")), 30);
    EXPECT_EQ(pad.value(), 30);
}

TEST(ExtendPad, SquareAndRootKeys) {
    ExtendPad pad;
    pad.setValue(9);
    expectChange(pad.setTypeIn(QStringLiteral("t")), 3);
    expectChange(pad.setTypeIn(QStringLiteral("q")), 9);
    pad.setValue(-4);
    expectFault(pad.press(XtendKey::Root), -4, CalcFault::Invalid);
    EXPECT_EQ(pad.value(), -4);
    pad.setValue(1e200);
    expectFault(pad.press(XtendKey::Square), 1e200, CalcFault::Overflow);
    EXPECT_EQ(pad.value(), 1e200);
}

TEST(ExtendPad, OtherKeysDoNothing) {
    ExtendPad pad;
    pad.setValue(5);
    for (const char *key : {"*", "/", "=", "(", ")", "x", ""}) {
        expectQuiet(pad.setTypeIn(QString::fromLatin1(key)), 5);
        EXPECT_EQ(pad.addends(), 0);
    }
}

} // namespace
