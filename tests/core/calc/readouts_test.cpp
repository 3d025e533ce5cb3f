#include "calc/readouts.h"
#include "test_env.h"

#include <limits>
#include <tuple>

using namespace vidorev::calc;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Hexadecimal: fractions floor (-2.5 shows -3), not cut towards zero; the range stops one short
// of 32 bits at both ends. Roman: values round half to even (2.5 is II, 3.5 is IV).
TEST(Readouts, HexAndRomanNumerals) {
    const std::tuple<double, const char *, double> hex[] = {
        {255.9, " 0000 00FF", 255.9},
        {-2.5, " FFFF FFFD", -2.5},
        {2147483647, " 7FFF FFFE", 2147483646},
        {-2147483648.0, " 8000 0001", -2147483647},
        {kInf, " 7FFF FFFE", 2147483646}};
    for (const auto &[value, text, clamped] : hex) {
        EXPECT_EQ(hexReading(value).text, QString::fromLatin1(text)) << value;
        EXPECT_EQ(hexReading(value).value, clamped) << value;
    }
    QStringList roman;
    for (double value : {1999.0, -14.0, 9000.0, -9000.0, 8999.0, 8999.6, 2.5, 3.5, -0.3, 0.0})
        roman << romanText(value);
    EXPECT_EQ(roman.join('|'), "MCMXCIX|(XIV)|Roman overflow|Roman underflow|MMMMMMMMCMXCIX|"
                               "MMMMMMMMM|II|IV|()| - - - - - -");
}

// The decimal readout, the entry box and the display (label "Ohms"): three decimals, four below
// 0.01 (halves to even), thousandths below 0.0001; magnitudes that no longer fit a 32-bit integer
// once scaled show their own value; a fault shows its text.
TEST(Readouts, DecimalEntryAndDisplayForms) {
    EXPECT_EQ(decimalText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(decimalText(kNaN), "Error: invalid operation");
    QStringList forms;
    for (double value : {0.0, 12.3456, -0.0000471, 0.00123456, 0.0625, 2147483.6, 1e300, -kInf})
        forms << entryText(value) + " / " + displayText(value, "Ohms");
    EXPECT_EQ(forms.join('|'), "0.0  / 0.0 Ohms|12.346 / 12.346 Ohms|-4.7E-5 / -0.047 milliOhms|"
                               "0.0012 / 0.0012 Ohms|0.062 / 0.062 Ohms|2147483.6 / 2147483.6 "
                               "Ohms|1E+300 / 1E+300 Ohms|Error: overflow / Error: overflow");
}

} // namespace
