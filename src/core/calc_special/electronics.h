#pragma once

#include "calc/calc_fault.h"

#include <QLocale>
#include <QString>

#include <optional>

// The electronics calculator's worksheets as arithmetic: Ohm's law with a divider and a load, a
// transformer, a resistance bridge, a tube stage and an op-amp stage. Every result is an
// Outcome: a step that would divide by zero or leave the floating range carries its fault
// instead of a value, and whatever is computed from it carries the same fault, so no infinity or
// NaN reaches a read-out or another result.
namespace vidorev::electronics {

using calc::Outcome;

// --- Ohm's law ------------------------------------------------------------------------------

struct OhmsInput {
    double r = 0.0;  // total resistance
    double rt = 0.0; // tap to ground
    double v = 0.0;  // volts at top
    double rl = 0.0; // load; 0 is an open circuit
};
// Every read-out of the sheet; 0 where a step was skipped.
struct OhmsResult {
    Outcome tapVolts, current, power, loadCurrent, loadPower;
};
OhmsResult ohmsLaw(const OhmsInput &in);

// The copied sentence, read-outs by their shown text; empty when V or R is 0.
struct OhmsShown {
    QString current, power, tapVolts, loadCurrent, loadPower;
};
QString ohmsSentence(const OhmsInput &in, const OhmsShown &shown,
                     const QLocale &locale = QLocale());

// --- Transformer ----------------------------------------------------------------------------

enum class Winding { Primary, Secondary };
enum class Quantity { Impedance, Voltage, Current };

struct TransSide {
    Outcome z, v, i; // ohms, volts, amperes
};
struct TransState {
    TransSide primary, secondary;
    Outcome power; // primary current x primary voltage, after a completion
};

// The primary-to-secondary turns ratio given by the committed pair, when both are above 0.
std::optional<double> ratioFromPair(const TransState &state, Quantity pair);
// "10:1", "1:10", "1:1".
QString ratioText(double n, const QLocale &locale = QLocale());
// Reads a ratio as ratioText writes it, or a plain number; nullopt when it is neither.
std::optional<double> parseRatio(const QString &text, const QLocale &locale = QLocale());
// A committed value with a ratio in force: derives the other side's value and completes both
// sides. A ratio that is not a positive number faults the derived value.
TransState transformerCommit(TransState state, Winding side, Quantity quantity, double n);
// The copied sentence; entries by their shown text.
struct TransShown {
    QString primaryZ, primaryV, primaryI, secondaryZ, secondaryV, secondaryI, ratio, power;
};
QString transformerSentence(const TransShown &shown);

// --- Bridge ---------------------------------------------------------------------------------

struct BridgeInput {
    double vin = 0.0;
    double r12 = 0.0; // input to left midpoint
    double r15 = 0.0; // left midpoint to ground
    double r13 = 0.0; // input to right midpoint
    double r16 = 0.0; // right midpoint to ground
    double r14 = 0.0; // load between the midpoints
};
struct BridgeResult {
    bool computed = false; // every entry was non-zero
    Outcome vth, rth;      // open-circuit voltage and source resistance
    Outcome loadCurrent;   // CalcDisplay4
    Outcome loadVoltage;   // CalcDisplay5
    Outcome loadPower;     // CalcDisplay6
    Outcome leftNode;      // CalcDisplay7
    Outcome rightNode;     // CalcDisplay8
};
BridgeResult bridge(const BridgeInput &in);

// --- Tube stage -----------------------------------------------------------------------------

struct TubeInput {
    double gridV = 0.0, cathodeV = 0.0, cathodeR = 0.0, plateSupply = 0.0, plateR = 0.0;
    double loads[3] = {0.0, 0.0, 0.0};
};
// Absent parts were not reached: their read-outs keep what they show.
struct TubeResult {
    std::optional<Outcome> plateCurrent;   // amperes
    std::optional<Outcome> transCond;      // mA/V, cut to two decimals
    std::optional<Outcome> plateMilliamps; // cut to two decimals
    std::optional<Outcome> plateDC;
    std::optional<Outcome> plateLoad; // ohms
    std::optional<Outcome> plateAC;
};
TubeResult tubeStage(const TubeInput &in);

// --- Op-amp stage ---------------------------------------------------------------------------

// An entry line as the stage reads it: filled means its text is not empty.
struct Line {
    QString text;
    double value = 0.0;
    bool filled() const { return !text.isEmpty(); }
};
struct OpAmpInput {
    Line vcc, vee, vd, va, rsPos, rsNeg, rgPos, rgNeg, rf;
    Outcome dc, ac; // what the read-outs hold now
};
enum class OpAmpStage { None, Inverting, NonInverting, Differential };
struct OpAmpResult {
    bool run = false; // enough lines were filled; the empty input lines are then read as "0"
    OpAmpStage stage = OpAmpStage::None;
    Outcome dc, ac; // after the output limits
    bool clipPositive = false, clipNegative = false;
};
OpAmpResult opAmp(const OpAmpInput &in);

} // namespace vidorev::electronics
