#include "calc/binary_logic.h"
#include "calc/readouts.h"

#include "test_env.h"

#include <array>
#include <cmath>

using namespace vidorev::calc;

namespace {

using Op = BinaryLogic::Op;

// The pad works on what the hexadecimal readout shows, as the host hands it over: AND, OR, XOR
// with the loaded operand and NOT of the current value. Negative operands stay two's complement;
// nothing loaded is an operand of 0, and the loaded operand reads in any case.
TEST(BinaryLogic, WorksOnTheReadoutsBits) {
    constexpr double kNothing = std::numeric_limits<double>::quiet_NaN(); // never loaded
    const std::array<double, 6> rows[] = {
        {12, 10, 8, 14, 6, -11}, {-8, 5, 0, -3, -3, -6}, {kNothing, 6, 0, 6, 6, -7}};
    for (const auto &[loaded, current, andResult, orResult, xorResult, notResult] : rows) {
        BinaryLogic logic;
        if (!std::isnan(loaded)) {
            logic.setHexValue(hexReading(loaded).text);
            EXPECT_EQ(logic.load(), loaded);
        }
        logic.setHexValue(hexReading(current).text);
        EXPECT_EQ((std::array{logic.apply(Op::And), logic.apply(Op::Or), logic.apply(Op::Xor),
                              logic.apply(Op::Not)}),
                  (std::array{andResult, orResult, xorResult, notResult}))
            << loaded << " " << current;
        EXPECT_EQ(logic.resultBits().size(), 32);
    }
    BinaryLogic logic;
    logic.setLoaded("0000 00ff"); // any case
    logic.setHexValue(hexReading(0x0F).text);
    EXPECT_EQ(logic.apply(Op::Xor), 0xF0);
}

} // namespace
