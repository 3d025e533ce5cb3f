#include "calc/algebra_pad.h"

namespace vidorev {

namespace {
const std::array<Keypad::ButtonSpec, 8> kButtons{{
    {"cmdPi", "pi", "replace current number with pi"},
    {"cmdE", "e", "Replace value with base of natural logs"},
    {"cmdNeg", "+-", "change sign"},
    {"cmdInvert", "1/x", "invert"},
    {"cmdNatLog", "LN", "Natural Logarithm"},
    {"cmdLog", "Log", "Base ten logarithm"},
    {"cmdAntiLN", "e^x", "Natural Anti-Log"},
    {"cmdAntiLog", "X^x", "Base ten Anti-Log"},
}};
} // namespace

AlgebraPad::AlgebraPad(QWidget *parent)
    : FunctionPad(QStringLiteral("Math functions"), kButtons, calc::TwoColumnGrid::Narrow11,
                  parent) {}

calc::PadStep AlgebraPad::compute(int k, double v) const {
    return calc::algebraFunction(static_cast<calc::AlgebraKey>(k - 1), v);
}

} // namespace vidorev
