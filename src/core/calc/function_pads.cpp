#include "calc/function_pads.h"

#include <cmath>

namespace vidorev::calc {

namespace {

PadStep result(double computed, double before) {
    if (const CalcFault fault = faultOf(computed); fault != CalcFault::None)
        return {PadAction::Fault, before, fault};
    return {PadAction::Change, computed, CalcFault::None};
}

PadStep invalid(double before) {
    return {PadAction::Fault, before, CalcFault::Invalid};
}

PadStep quiet(double before) {
    return {PadAction::Quiet, before, CalcFault::None};
}

} // namespace

PadStep algebraFunction(AlgebraKey key, double v) {
    switch (key) {
    case AlgebraKey::Pi:
        return result(kPi, v);
    case AlgebraKey::E:
        return result(kE, v);
    case AlgebraKey::Negate:
        return result(-v, v);
    case AlgebraKey::Invert:
        // The reciprocal of 0 is left as 0, and still announced.
        return result(v == 0.0 ? v : 1.0 / v, v);
    case AlgebraKey::NatLog:
        return v > 0.0 ? result(std::log(v), v) : invalid(v);
    case AlgebraKey::Log:
        return v > 0.0 ? result(std::log(v) / kLn10, v) : invalid(v);
    case AlgebraKey::AntiLn:
        return result(std::pow(kE, v), v);
    case AlgebraKey::AntiLog:
        return result(std::pow(kE, v * kLn10), v);
    }
    return quiet(v);
}

PadStep trigFunction(TrigKey key, double v) {
    switch (key) {
    case TrigKey::Sin:
        return result(std::sin(v), v);
    case TrigKey::ArcSin:
        // Beyond +-1 the root is of a negative number; at exactly +-1 the quotient is an
        // infinity whose arctangent is the right answer, +-pi/2.
        if (std::abs(v) > 1.0)
            return invalid(v);
        return result(std::atan(v / std::sqrt(1.0 - v * v)), v);
    case TrigKey::Sec:
        return result(1.0 / std::cos(v), v);
    case TrigKey::ArcSec:
        if (!(v >= 1.0))
            return quiet(v);
        return result(std::atan(std::sqrt(v * v - 1.0)), v);
    case TrigKey::Tan:
        return result(std::tan(v), v);
    case TrigKey::ArcTan:
        return result(std::atan(v), v);
    case TrigKey::DegToRad:
        return result(v * kPi / 180.0, v);
    case TrigKey::RadToDeg:
        return result(v * 180.0 / kPi, v);
    }
    return quiet(v);
}

PadStep hypFunction(HypKey key, double v) {
    if (v == 0.0)
        return quiet(v);
    // The quotients are written with E^-|V| so that a large argument gives its limit (tanh 1000
    // is 1) instead of infinity over infinity.
    const double a = std::abs(v);
    const double small = std::pow(kE, -a);
    switch (key) {
    case HypKey::Sinh:
        return result((std::pow(kE, v) - std::pow(kE, -v)) / 2.0, v);
    case HypKey::ArcSinh:
        return result(std::asinh(v), v);
    case HypKey::Tanh:
        return result(std::copysign((1.0 - small * small) / (1.0 + small * small), v), v);
    case HypKey::ArcTanh:
        if (a >= 1.0)
            return invalid(v);
        return result(std::log((1.0 + v) / (1.0 - v)) / 2.0, v);
    case HypKey::Cosh:
        return result((std::pow(kE, v) + std::pow(kE, -v)) / 2.0, v);
    case HypKey::ArcCosh:
        if (v < 1.0)
            return invalid(v);
        return result(std::acosh(v), v);
    case HypKey::Sech:
        return result(2.0 * small / (1.0 + small * small), v);
    case HypKey::ArcSech:
        if (v < 0.0 || v > 1.0)
            return invalid(v);
        return result(std::log((std::sqrt(1.0 - v * v) + 1.0) / v), v);
    }
    return quiet(v);
}

PadStep ExtendPad::press(ExtendKey key) {
    auto change = [this](double computed) {
        PadStep step = result(computed, m_value);
        m_value = step.value;
        return step;
    };
    switch (key) {
    case ExtendKey::MemPlus:
    case ExtendKey::MemMinus: {
        const double memory = key == ExtendKey::MemPlus ? m_memory + m_value : m_memory - m_value;
        if (const CalcFault fault = faultOf(memory); fault != CalcFault::None)
            return {PadAction::Fault, m_value, fault};
        m_memory = memory;
        return quiet(m_value);
    }
    case ExtendKey::MemRead:
        return change(m_memory);
    case ExtendKey::MemClear:
        m_memory = 0.0;
        return quiet(m_value);
    case ExtendKey::Percent:
        return change(m_value * 0.01 * m_acc);
    case ExtendKey::Mean:
        if (m_addends == 0)
            return quiet(m_value);
        return change(m_acc / m_addends);
    case ExtendKey::Square:
        return change(m_value * m_value);
    case ExtendKey::Root:
        if (m_value < 0.0)
            return {PadAction::Fault, m_value, CalcFault::Invalid};
        return change(std::sqrt(m_value));
    }
    return quiet(m_value);
}

PadStep ExtendPad::setTypeIn(const QString &key) {
    m_typeIn = key;
    if (key == u"%")
        return press(ExtendKey::Percent);
    if (key == u"q")
        return press(ExtendKey::Square);
    if (key == u"t")
        return press(ExtendKey::Root);
    if (key == u"n")
        return press(ExtendKey::Mean);
    if (key == u"r")
        m_addends = 0;
    else if (key == u"+" || key == u"-")
        ++m_addends;
    return quiet(m_value);
}

} // namespace vidorev::calc
