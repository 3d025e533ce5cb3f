#include "calc/hyperbolic_pad.h"

namespace vidorev {

namespace {
const std::array<Keypad::ButtonSpec, 8> kButtons{{
    {"cmdSinh", "sinh", "Hyperbolic sine"},
    {"cmdAsinh", "sinh-1", "Arc sin Hyperbolic"},
    {"cmdTanh", "tanh", "Hyperbolic tangent"},
    {"cmdAtanh", "tanh-1", "Arc Tan Hyperbolic"},
    {"cmdCosh", "cosh", "Hyperbolic cosine"},
    {"cmdAcosh", "cosh-1", "Arc cosine hyperbolic"},
    {"cmdSech", "sech", "Hyperbolic secant"},
    {"cmdASech", "sech-1", "Arc Secant Hyperbolic"},
}};
} // namespace

HyperbolicPad::HyperbolicPad(QWidget *parent)
    : FunctionPad(QStringLiteral("Hyperbolic Trig  functions"), kButtons,
                  calc::TwoColumnGrid::Narrow11, parent) {}

calc::PadStep HyperbolicPad::compute(int k, double v) const {
    return calc::hypFunction(static_cast<calc::HypKey>(k - 1), v);
}

} // namespace vidorev
