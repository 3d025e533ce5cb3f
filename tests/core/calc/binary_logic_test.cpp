#include "calc/binary_logic.h"
#include "calc/readouts.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <tuple>

using namespace vidorev::calc;

namespace {

using Op = BinaryLogic::Op;

// The pad works on what the hexadecimal readout shows, as the host hands it over.
TEST(BinaryLogic, WorksOnTheReadoutsBits) {
    constexpr double kNothing = std::numeric_limits<double>::quiet_NaN(); // never loaded
    // loaded, current, then AND, OR, XOR with the loaded operand and NOT of the current value.
    // Negative operands stay two's complement; nothing loaded is an operand of 0.
    const std::array<double, 6> rows[] = {{12, 10, 8, 14, 6, -11},
                                          {1703, 1703, 1703, 1703, 0, -1704},
                                          {-8, 5, 0, -3, -3, -6},
                                          {kNothing, 6, 0, 6, 6, -7},
                                          {kNothing, 0, 0, 0, 0, -1}};
    for (const auto &[loaded, current, andResult, orResult, xorResult, notResult] : rows) {
        BinaryLogic logic;
        if (!std::isnan(loaded)) {
            logic.setHexValue(hexReading(loaded).text);
            EXPECT_EQ(logic.load(), loaded);
        }
        logic.setHexValue(hexReading(current).text);
        EXPECT_EQ(logic.apply(Op::And), andResult) << loaded << " " << current;
        EXPECT_EQ(logic.apply(Op::Or), orResult) << loaded << " " << current;
        EXPECT_EQ(logic.apply(Op::Xor), xorResult) << loaded << " " << current;
        EXPECT_EQ(logic.apply(Op::Not), notResult) << current;
        EXPECT_EQ(logic.resultBits().size(), 32);
    }
}

TEST(BinaryLogic, LoadedOperandReadsAnyCaseAndMissingValuesAreZero) {
    BinaryLogic logic;
    EXPECT_EQ(logic.apply(Op::Not), -1); // nothing written yet
    logic.setLoaded(QStringLiteral("0000 00ff"));
    logic.setHexValue(hexReading(0x0F).text);
    EXPECT_EQ(logic.apply(Op::Xor), 0xF0);
    logic.setHexValue(hexReading(12).text);
    logic.load();
    EXPECT_EQ(logic.loaded(), QStringLiteral(" 0000 000C"));
}

} // namespace
