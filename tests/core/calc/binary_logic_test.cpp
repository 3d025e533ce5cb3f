#include "calc/binary_logic.h"
#include "calc/readouts.h"

#include <gtest/gtest.h>

using namespace vidorev::calc;

namespace {

TEST(HexToBits, FourBitsPerDigitBlanksSkipped) {
    EXPECT_EQ(hexToBits(QStringLiteral(" 0000 00FF")),
              QStringLiteral("00000000000000000000000011111111"));
    EXPECT_EQ(hexToBits(QStringLiteral("a5")), QStringLiteral("10100101"));
    EXPECT_EQ(hexToBits(QStringLiteral("9B")), QStringLiteral("10011011"));
    EXPECT_TRUE(hexToBits(QStringLiteral(" - g")).isEmpty());
}

TEST(BitsToValue, UnsignedOrTwosComplement) {
    EXPECT_EQ(bitsToValue(QStringLiteral("0101")), 5);
    EXPECT_EQ(bitsToValue(QStringLiteral("1111")), -1);
    EXPECT_EQ(bitsToValue(QStringLiteral("1000")), -8);
    EXPECT_EQ(bitsToValue(QString()), 0);
    EXPECT_EQ(bitsToValue(hexToBits(QStringLiteral("8000 0001"))), -2147483647);
}

// The pad works on what the hexadecimal readout shows, as the host hands it over.
class BinaryPad : public ::testing::Test {
protected:
    void show(double v) { logic.setHexValue(hexReading(v).text); }
    BinaryLogic logic;
};

TEST_F(BinaryPad, AndOrXorWithTheLoadedOperand) {
    show(12);
    EXPECT_EQ(logic.load(), 12);
    EXPECT_EQ(logic.loaded(), QStringLiteral(" 0000 000C"));
    show(10);
    EXPECT_EQ(logic.apply(BinaryLogic::Op::And), 8);
    EXPECT_EQ(logic.apply(BinaryLogic::Op::Or), 14);
    EXPECT_EQ(logic.apply(BinaryLogic::Op::Xor), 6);
    EXPECT_EQ(logic.apply(BinaryLogic::Op::Not), -11);
}

TEST_F(BinaryPad, NotAndSelfXor) {
    show(0);
    EXPECT_EQ(logic.apply(BinaryLogic::Op::Not), -1);
    show(-1);
    EXPECT_EQ(logic.apply(BinaryLogic::Op::Not), 0);
    show(1703);
    logic.load();
    EXPECT_EQ(logic.apply(BinaryLogic::Op::Xor), 0);
    EXPECT_EQ(logic.apply(BinaryLogic::Op::And), 1703);
}

TEST_F(BinaryPad, NegativeOperandsStayTwosComplement) {
    show(-8);
    logic.load();
    show(5);
    EXPECT_EQ(logic.apply(BinaryLogic::Op::Or), -3);
    EXPECT_EQ(logic.apply(BinaryLogic::Op::And), 0);
}

TEST_F(BinaryPad, MissingOperandsCountAsZero) {
    // Nothing written and nothing loaded yet.
    EXPECT_EQ(logic.apply(BinaryLogic::Op::Not), -1);
    EXPECT_EQ(logic.apply(BinaryLogic::Op::Or), 0);
    show(6);
    EXPECT_EQ(logic.apply(BinaryLogic::Op::Or), 6); // nothing loaded: OR with 0
    EXPECT_EQ(logic.apply(BinaryLogic::Op::And), 0);
    EXPECT_EQ(logic.resultBits().size(), 32);
}

TEST_F(BinaryPad, LoadedByPropertyReadsAnyCase) {
    logic.setLoaded(QStringLiteral("0000 00ff"));
    show(0x0F);
    EXPECT_EQ(logic.apply(BinaryLogic::Op::Xor), 0xF0);
}

} // namespace
