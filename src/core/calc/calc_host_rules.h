#pragma once

#include <QString>

// The calculator host's switchboard: which components a new value reaches, and which
// calculator, pad and buttons a selection shows.
namespace vidorev::calc {

// The components that raise a new value.
enum class Source { ArithmeticKeypad, TypeIn, Mono, Trig, Hyper, Binary, Xtend };

// What the binary pad receives.
enum class BinaryWrite { Nothing, HexValue, Value };

struct FanOut {
    bool parenValue = false; // the arithmetic keypad's operand
    bool xtendValue = false;
    bool xtendAcc = false; // the extension pad gets the keypad's accumulator
    bool mono = false, trig = false, hyper = false;
    BinaryWrite binary = BinaryWrite::Nothing;
    bool readouts = true;
    bool clearTypeIn = false;
};

// The fan-out table. A hyperbolic result does not reach the extension pad, and an extension-pad
// result gives the binary pad a value but not its bits.
FanOut fanOutFor(Source source);

// The function pads, by their stored "CalcPad" values.
enum class Pad { None, Math, Trig, Hyper, Binary, Xtend };
Pad padFromValue(const QString &value); // None for anything unknown
QString padValue(Pad pad);

// The pages the host can show besides the arithmetic frame.
enum class SpecialPage { None, Electronics, Tax, Loan };

struct CalcView {
    bool arithmetic = false;    // Frame1
    Pad pad = Pad::None;        // the function pad shown in it
    bool setPadButtons = false; // enable the five pad buttons, then disable the current pad's
    bool help = false;          // Frame2
    SpecialPage special = SpecialPage::None;
};

// The show routine's choice for a selection ("Math", "OK", "Help", "Loan", "Tax", "Ohms",
// "Trans", "Bridge", "OA", "VT") and a pad. Unknown values show nothing.
CalcView calcView(const QString &selection, const QString &pad);

} // namespace vidorev::calc
