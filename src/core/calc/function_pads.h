#pragma once

#include "calc/calc_fault.h"

#include <QString>

// The one-operand functions of the Algebra, Trig and Hyper pads, and the extension pad with its
// memory, percent of subtotal and mean of typed addends.
namespace vidorev::calc {

// The constants as the pads have always used them, to 15 significant digits.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kE = 2.71828182845905;
inline constexpr double kLn10 = 2.30258509299405;

enum class PadAction {
    Change, // a new value: the host fans it out
    Quiet,  // nothing for the host: a memory key, or a button that declines its input
    Fault,  // no result; the value stays and the readouts show why
};

struct PadStep {
    PadAction action = PadAction::Quiet;
    double value = 0.0; // the new value for Change, else the value as it was
    CalcFault fault = CalcFault::None;
};

// Button order is the keypad order, 1 to 8.
enum class AlgebraKey { Pi, E, Negate, Invert, NatLog, Log, AntiLn, AntiLog };
enum class TrigKey { Sin, ArcSin, Sec, ArcSec, Tan, ArcTan, DegToRad, RadToDeg };
enum class HypKey { Sinh, ArcSinh, Tanh, ArcTanh, Cosh, ArcCosh, Sech, ArcSech };
enum class ExtendKey { MemPlus, MemMinus, MemRead, MemClear, Percent, Mean, Square, Root };

PadStep algebraFunction(AlgebraKey key, double v);
PadStep trigFunction(TrigKey key, double v);
PadStep hypFunction(HypKey key, double v);

// The extension pad's state and keys.
class ExtendPad {
public:
    double value() const { return m_value; }
    void setValue(double value) { m_value = value; }
    double acc() const { return m_acc; }
    void setAcc(double acc) { m_acc = acc; }
    double memory() const { return m_memory; }
    int addends() const { return m_addends; }
    QString typeIn() const { return m_typeIn; }

    // A button: on Change the pad's value is already the new one.
    PadStep press(ExtendKey key);
    // A key typed on the entry line: "%", "q", "t", "n" run their buttons; "r" forgets the
    // addends; "+" and "-" count one more. Others do nothing (Quiet).
    PadStep setTypeIn(const QString &key);

private:
    double m_value = 0.0;
    double m_acc = 0.0;
    double m_memory = 0.0;
    int m_addends = 0;
    QString m_typeIn;
};

} // namespace vidorev::calc
