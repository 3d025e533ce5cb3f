#include "calc/readouts.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

using namespace vidorev::calc;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Fractions floor (-2.5 shows -3), not cut towards zero; the range stops one short of 32 bits at
// both ends.
TEST(HexReadout, ClampsFloorsAndGroups) {
    const std::tuple<double, const char *, double> rows[] = {
        {255, " 0000 00FF", 255},
        {255.9, " 0000 00FF", 255.9},
        {-1, " FFFF FFFF", -1},
        {-2.5, " FFFF FFFD", -2.5},
        {1e12, " 7FFF FFFE", 2147483646},
        {2147483647, " 7FFF FFFE", 2147483646},
        {-2147483648.0, " 8000 0001", -2147483647},
        {kInf, " 7FFF FFFE", 2147483646}};
    for (const auto &[value, text, clamped] : rows) {
        const HexReading reading = hexReading(value);
        EXPECT_EQ(reading.text, QString::fromLatin1(text)) << value;
        EXPECT_EQ(reading.value, clamped) << value;
    }
}

// Values round half to even: 2.5 is II, 3.5 is IV.
TEST(RomanReadout, Numerals) {
    const std::pair<double, const char *> rows[] = {{1999, "MCMXCIX"},
                                                    {-14, "(XIV)"},
                                                    {9000, "Roman overflow"},
                                                    {-9000, "Roman underflow"},
                                                    {8999, "MMMMMMMMCMXCIX"},
                                                    {8999.6, "MMMMMMMMM"},
                                                    {2.5, "II"},
                                                    {3.5, "IV"},
                                                    {-0.3, "()"},
                                                    {0, " - - - - - -"},
                                                    {444, "CDXLIV"}};
    for (const auto &[value, text] : rows)
        EXPECT_EQ(romanText(value), QString::fromLatin1(text)) << value;
}

TEST(DecimalReadout, GeneralNumberTextOrTheFault) {
    EXPECT_EQ(decimalText(-0.001), QStringLiteral("-0.001"));
    EXPECT_EQ(decimalText(1.0 / 3.0), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(decimalText(kInf), QStringLiteral("Error: overflow"));
    EXPECT_EQ(decimalText(kNaN), QStringLiteral("Error: invalid operation"));
}

// The entry box and the readout (label "Ohms"): three decimals, four below 0.01 (halves to even),
// thousandths below 0.0001; magnitudes that no longer fit a 32-bit integer once scaled show their
// own value.
TEST(FixedPoint, EntryAndDisplayForms) {
    const std::tuple<double, const char *, const char *> rows[] = {
        {0, "0.0 ", "0.0 Ohms"},
        {12.3456, "12.346", "12.346 Ohms"},
        {0.0000471, "4.7E-5", "0.047 milliOhms"},
        {-0.0000471, "-4.7E-5", "-0.047 milliOhms"},
        {0.00123456, "0.0012", "0.0012 Ohms"},
        {0.0625, "0.062", "0.062 Ohms"},
        {5000000, "5000000", "5000000 Ohms"},
        {2147483.6, "2147483.6", "2147483.6 Ohms"},
        {-123456789.125, "-123456789.125", "-123456789.125 Ohms"},
        {1e300, "1E+300", "1E+300 Ohms"},
        {-kInf, "Error: overflow", "Error: overflow"},
        {kNaN, "Error: invalid operation", "Error: invalid operation"}};
    for (const auto &[value, entry, display] : rows) {
        EXPECT_EQ(entryText(value), QString::fromLatin1(entry)) << value;
        EXPECT_EQ(displayText(value, QStringLiteral("Ohms")), QString::fromLatin1(display))
            << value;
    }
}

} // namespace
