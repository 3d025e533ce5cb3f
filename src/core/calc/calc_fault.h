#pragma once

#include <QString>

// What can go wrong in the calculator's arithmetic. A faulted step leaves the state it found and
// the readouts say why, so an infinity or a NaN never becomes the operand of a later key.
namespace vidorev::calc {

enum class CalcFault {
    None,
    Overflow,     // the result left the 64-bit floating range
    Invalid,      // no real result: the root of a negative, the log of zero, ...
    DivideByZero, // a typed division by zero
};

// The text the readouts show for a fault; empty for None.
QString faultText(CalcFault fault);

// None for a finite result; Invalid for NaN; Overflow for an infinity.
CalcFault faultOf(double result);

// A value or the reason there is none.
struct Outcome {
    double value = 0.0;
    CalcFault fault = CalcFault::None;

    bool ok() const { return fault == CalcFault::None; }
};

// Wraps a computed result: a non-finite one becomes its fault.
inline Outcome checked(double result) {
    return {result, faultOf(result)};
}

} // namespace vidorev::calc
