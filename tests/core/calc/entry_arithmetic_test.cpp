#include "calc/entry_arithmetic.h"

#include <gtest/gtest.h>

using namespace vidorev::calc;

namespace {

// Types the characters one at a time into a box, as a user would, and returns the box's text.
struct Box {
    EntryArithmetic arithmetic;
    QString text;
    int typing = 0;
    CalcFault fault = CalcFault::None;

    void type(const QString &keys) {
        for (const QChar c : keys) {
            text += c;
            const EntryArithmetic::Edit edit = arithmetic.edit(text);
            if (edit.operatorTyped)
                text = edit.newText;
            if (edit.typing)
                ++typing;
            fault = edit.fault;
        }
    }
};

TEST(CalcEntryArithmetic, RunsTheTypedOperators) {
    Box box;
    box.type(QStringLiteral("4+5="));
    EXPECT_EQ(box.text, QStringLiteral("9"));
    Box divide;
    divide.type(QStringLiteral("10/4="));
    EXPECT_EQ(divide.text, QStringLiteral("2.5"));
    Box chain;
    chain.type(QStringLiteral("2*3-1/2="));
    EXPECT_EQ(chain.text, QStringLiteral("2.5"));
}

TEST(CalcEntryArithmetic, AnOperatorEmptiesTheBox) {
    Box box;
    box.type(QStringLiteral("4+"));
    EXPECT_TRUE(box.text.isEmpty());
    EXPECT_EQ(box.arithmetic.previousOp(), QStringLiteral("+"));
    EXPECT_EQ(box.arithmetic.acc(), 4);
}

TEST(CalcEntryArithmetic, TypingIsRaisedOnlyForNumbers) {
    Box box;
    box.type(QStringLiteral("12")); // "1", "12"
    EXPECT_EQ(box.typing, 2);
    box.type(QStringLiteral("+")); // empty box: no number
    box.type(QStringLiteral("x")); // "x": no number
    EXPECT_EQ(box.typing, 2);
    box.text.clear();
    box.type(QStringLiteral("3=")); // "3", then "15" shown
    EXPECT_EQ(box.typing, 4);
    EXPECT_EQ(box.text, QStringLiteral("15"));
}

TEST(CalcEntryArithmetic, ANonNumberOperandCountsAsZero) {
    Box box;
    box.type(QStringLiteral("7+abc="));
    EXPECT_EQ(box.text, QStringLiteral("7"));
}

TEST(CalcEntryArithmetic, DivisionByATypedZeroIsRefused) {
    Box box;
    box.type(QStringLiteral("8/0="));
    EXPECT_EQ(box.fault, CalcFault::DivideByZero);
    EXPECT_EQ(box.text, QStringLiteral("Error: division by zero"));
    EXPECT_EQ(box.arithmetic.acc(), 8);
    EXPECT_EQ(box.arithmetic.previousOp(), QStringLiteral("/"));
    // The user replaces the message with a divisor and goes on from the same state.
    box.text.clear();
    box.type(QStringLiteral("2="));
    EXPECT_EQ(box.fault, CalcFault::None);
    EXPECT_EQ(box.text, QStringLiteral("4"));
}

TEST(CalcEntryArithmetic, OverflowIsRefused) {
    Box box;
    box.type(QStringLiteral("1e300*1e300="));
    EXPECT_EQ(box.fault, CalcFault::Overflow);
    EXPECT_EQ(box.text, QStringLiteral("Error: overflow"));
    EXPECT_EQ(box.arithmetic.acc(), 1e300);
}

TEST(CalcEntryArithmetic, ResetForgetsTheRunningSum) {
    Box box;
    box.type(QStringLiteral("4+"));
    box.arithmetic.reset();
    box.type(QStringLiteral("5="));
    EXPECT_EQ(box.text, QStringLiteral("5"));
}

} // namespace
