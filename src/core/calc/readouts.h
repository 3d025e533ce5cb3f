#pragma once

#include <QLocale>
#include <QString>

// How the calculator shows a number: decimal, 32-bit hexadecimal, Roman, and the fixed-point
// form of the numeric entry box and readout that the special calculators place.
namespace vidorev::calc {

// The decimal readout: the general number text, or the fault text for a non-finite value.
QString decimalText(double value, const QLocale &locale = QLocale());

struct HexReading {
    double value = 0.0; // the value after clamping to -2147483647 .. 2147483646
    QString text;       // " XXXX XXXX": each group of four digits led by a blank
};
// The largest integer not above the clamped value, as 32-bit two's complement.
HexReading hexReading(double value);

// Roman numerals of the value rounded half to even; negatives in parentheses; " - - - - - -"
// for 0 and "Roman overflow" / "Roman underflow" from +-9000 on.
QString romanText(double value);

// The numeric entry box's form: three decimals, four below 0.01, six below 0.0001; "0.0 " for
// zero. Any magnitude shows its own value: the rounding is done in 64-bit floating point.
QString entryText(double value, const QLocale &locale = QLocale());

// The readout's form, with the unit label appended: like the entry box, except that a value
// below 0.0001 is shown in thousandths with " milli" before the label.
QString displayText(double value, const QString &label, const QLocale &locale = QLocale());

} // namespace vidorev::calc
