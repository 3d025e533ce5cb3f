#include "calc/binary_logic.h"
#include "calc/readouts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

using namespace vidorev::calc;

namespace {

using Op = BinaryLogic::Op;

// The pad works on what the hexadecimal readout shows, as the host hands it over.
TEST(BinaryLogic, WorksOnTheReadoutsBits) {
    constexpr double kNothing = std::numeric_limits<double>::quiet_NaN(); // never loaded
    const std::tuple<double, double, Op, double> rows[] = {
        {12, 10, Op::And, 8},
        {12, 10, Op::Or, 14},
        {12, 10, Op::Xor, 6},
        {12, 10, Op::Not, -11},
        {kNothing, 0, Op::Not, -1},
        {kNothing, -1, Op::Not, 0},
        {1703, 1703, Op::Xor, 0},
        {1703, 1703, Op::And, 1703},
        // Negative operands stay two's complement.
        {-8, 5, Op::Or, -3},
        {-8, 5, Op::And, 0},
        // Nothing loaded: the operand is 0.
        {kNothing, 6, Op::Or, 6},
        {kNothing, 6, Op::And, 0}};
    for (const auto &[loaded, current, op, result] : rows) {
        BinaryLogic logic;
        if (!std::isnan(loaded)) {
            logic.setHexValue(hexReading(loaded).text);
            EXPECT_EQ(logic.load(), loaded);
        }
        logic.setHexValue(hexReading(current).text);
        EXPECT_EQ(logic.apply(op), result) << loaded << " " << current;
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
