#include "calc/readouts.h"

#include <gtest/gtest.h>

#include <limits>

using namespace vidorev::calc;

namespace {

struct Hex {
    double value;
    const char *text;
    double clamped;
};

class HexReadout : public ::testing::TestWithParam<Hex> {};

TEST_P(HexReadout, ClampsFloorsAndGroups) {
    const HexReading reading = hexReading(GetParam().value);
    EXPECT_EQ(reading.text, QString::fromLatin1(GetParam().text));
    EXPECT_EQ(reading.value, GetParam().clamped);
}

INSTANTIATE_TEST_SUITE_P(
    Values, HexReadout,
    ::testing::Values(Hex{0, " 0000 0000", 0}, Hex{255, " 0000 00FF", 255},
                      Hex{255.9, " 0000 00FF", 255.9}, Hex{-1, " FFFF FFFF", -1},
                      // The floor, not a cut towards zero.
                      Hex{-2.5, " FFFF FFFD", -2.5}, Hex{-0.3, " FFFF FFFF", -0.3},
                      Hex{1703, " 0000 06A7", 1703}, Hex{2147483646, " 7FFF FFFE", 2147483646},
                      // One short of the 32-bit range at both ends.
                      Hex{1e12, " 7FFF FFFE", 2147483646},
                      Hex{2147483647, " 7FFF FFFE", 2147483646},
                      Hex{-2147483648.0, " 8000 0001", -2147483647},
                      Hex{-1e300, " 8000 0001", -2147483647},
                      Hex{std::numeric_limits<double>::infinity(), " 7FFF FFFE", 2147483646}));

struct Roman {
    double value;
    const char *text;
};

class RomanReadout : public ::testing::TestWithParam<Roman> {};

TEST_P(RomanReadout, Numerals) {
    EXPECT_EQ(romanText(GetParam().value), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Values, RomanReadout,
    ::testing::Values(Roman{1999, "MCMXCIX"}, Roman{-14, "(XIV)"}, Roman{9000, "Roman overflow"},
                      Roman{1e300, "Roman overflow"}, Roman{-9000, "Roman underflow"},
                      Roman{8999, "MMMMMMMMCMXCIX"}, Roman{8999.6, "MMMMMMMMM"},
                      // Halves to even.
                      Roman{2.5, "II"}, Roman{3.5, "IV"}, Roman{0.3, ""}, Roman{-0.3, "()"},
                      Roman{0, " - - - - - -"}, Roman{444, "CDXLIV"},
                      Roman{3888, "MMMDCCCLXXXVIII"}, Roman{1, "I"}));

TEST(DecimalReadout, GeneralNumberTextOrTheFault) {
    EXPECT_EQ(decimalText(20), QStringLiteral("20"));
    EXPECT_EQ(decimalText(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(decimalText(-0.001), QStringLiteral("-0.001"));
    EXPECT_EQ(decimalText(1.0 / 3.0), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(decimalText(std::numeric_limits<double>::infinity()),
              QStringLiteral("Error: overflow"));
    EXPECT_EQ(decimalText(std::numeric_limits<double>::quiet_NaN()),
              QStringLiteral("Error: invalid operation"));
}

struct Fixed {
    double value;
    const char *entry;
    const char *display; // with the label "Ohms"
};

class FixedPoint : public ::testing::TestWithParam<Fixed> {};

TEST_P(FixedPoint, EntryAndDisplayForms) {
    EXPECT_EQ(entryText(GetParam().value), QString::fromLatin1(GetParam().entry));
    EXPECT_EQ(displayText(GetParam().value, QStringLiteral("Ohms")),
              QString::fromLatin1(GetParam().display));
}

INSTANTIATE_TEST_SUITE_P(
    Values, FixedPoint,
    ::testing::Values(
        Fixed{0, "0.0 ", "0.0 Ohms"}, Fixed{12.3456, "12.346", "12.346 Ohms"},
        Fixed{0.0000471, "4.7E-5", "0.047 milliOhms"},
        Fixed{-0.0000471, "-4.7E-5", "-0.047 milliOhms"}, Fixed{0.005, "0.005", "0.005 Ohms"},
        Fixed{0.00123456, "0.0012", "0.0012 Ohms"}, Fixed{0.0125, "0.012", "0.012 Ohms"},
        Fixed{2.5, "2.5", "2.5 Ohms"},
        // Halves to even at the third decimal.
        Fixed{0.0625, "0.062", "0.062 Ohms"},
        // Magnitudes that no longer fit a 32-bit integer once scaled.
        Fixed{5000000, "5000000", "5000000 Ohms"}, Fixed{2147483.6, "2147483.6", "2147483.6 Ohms"},
        Fixed{-123456789.125, "-123456789.125", "-123456789.125 Ohms"},
        Fixed{1e12, "1000000000000", "1000000000000 Ohms"}, Fixed{1e300, "1E+300", "1E+300 Ohms"}));

TEST(FixedPoint, NonFiniteValuesShowTheFault) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(entryText(inf), QStringLiteral("Error: overflow"));
    EXPECT_EQ(displayText(-inf, QStringLiteral("Ohms")), QStringLiteral("Error: overflow"));
    EXPECT_EQ(entryText(std::numeric_limits<double>::quiet_NaN()),
              QStringLiteral("Error: invalid operation"));
}

} // namespace
