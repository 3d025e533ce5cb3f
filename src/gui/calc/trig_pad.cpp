#include "calc/trig_pad.h"

namespace vidorev {

namespace {
const std::array<Keypad::ButtonSpec, 8> kButtons{{
    {"cmdSin", "sin", "Sine of x Radians"},
    {"cmdASin", "sin-1", "ArcSine x"},
    {"cmdSec", "sec", "Secant of x Radians"},
    {"cmdArcSec", "sec-1", "ArcSecant"},
    {"cmdTan", "tan", "Tangent of x Radians"},
    {"cmdATan", "tan-1", "ArcTangent x"},
    {"cmdRad", "d>r", "Degrees to Radians"},
    {"cmdDeg", "r>d", "Radians to degrees"},
}};
} // namespace

TrigPad::TrigPad(QWidget *parent)
    : FunctionPad(QStringLiteral("Radian Trig functions"), kButtons, calc::TwoColumnGrid::Narrow11,
                  parent) {}

calc::PadStep TrigPad::compute(int k, double v) const {
    return calc::trigFunction(static_cast<calc::TrigKey>(k - 1), v);
}

} // namespace vidorev
