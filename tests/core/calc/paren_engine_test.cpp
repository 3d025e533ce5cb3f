#include "calc/paren_engine.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vidorev::calc;

namespace {

// Plays keys the way the calculator host does: numbers set the operand, "(" and ")" run the
// parenthesis protocol, and every Change shows the accumulator.
struct Keypad {
    ParenEngine engine;
    OperandStack stack;
    double shown = std::numeric_limits<double>::quiet_NaN();
    int changes = 0;
    CalcFault lastFault = CalcFault::None;

    void play(const QString &script) {
        for (const QString &token : script.split(u' ', Qt::SkipEmptyParts)) {
            bool isNumber = false;
            const double number = token.toDouble(&isNumber);
            if (isNumber) {
                engine.setValue(number);
                continue;
            }
            const KeyResult result = engine.setTypeIn(token);
            lastFault = result.fault;
            switch (result.event) {
            case EngineEvent::Change:
                shown = engine.acc();
                ++changes;
                break;
            case EngineEvent::Push:
                openLevel(engine, stack);
                break;
            case EngineEvent::Pop:
                closeLevel(engine, stack);
                break;
            case EngineEvent::None:
                break;
            }
        }
    }
};

struct Sequence {
    const char *keys;
    double shown;
    double acc;
    double value;
    std::int16_t pend;
};

class WorkedSequence : public ::testing::TestWithParam<Sequence> {};

TEST_P(WorkedSequence, EvaluatesLeftToRight) {
    Keypad pad;
    pad.play(QString::fromLatin1(GetParam().keys));
    EXPECT_DOUBLE_EQ(pad.shown, GetParam().shown);
    EXPECT_DOUBLE_EQ(pad.engine.acc(), GetParam().acc);
    EXPECT_DOUBLE_EQ(pad.engine.value(), GetParam().value);
    EXPECT_EQ(pad.engine.pend(), GetParam().pend);
}

INSTANTIATE_TEST_SUITE_P(Keys, WorkedSequence,
                         ::testing::Values(
                             // No precedence: (2 + 3) x 4.
                             Sequence{"2 + 3 * 4 =", 20, 20, 4, op::kNone},
                             Sequence{"2 * ( 3 + 4 ) =", 14, 14, 7, op::kNone},
                             // "=" reuses the operand.
                             Sequence{"5 + =", 10, 10, 5, op::kNone},
                             // A zero divisor becomes 1, and stays 1 as the operand.
                             Sequence{"7 / 0 =", 7, 7, 1, op::kNone},
                             // Every apply turns a zero operand into 1, whatever the operator.
                             Sequence{"5 + 0 + =", 6, 6, 1, op::kNone},
                             // Clear keeps the operand.
                             Sequence{"9 r + =", 18, 18, 9, op::kNone},
                             // Two operators in a row apply the first to the unchanged operand.
                             Sequence{"5 + *", 10, 10, 5, op::kMultiply},
                             // "=" never copies the operand into the accumulator.
                             Sequence{"5 =", 0, 0, 5, op::kNone},
                             Sequence{"2 * ( 3 =", 0, 0, 3, op::kNone},
                             // A later ")" applies the level and brings back 2 x.
                             Sequence{"2 * ( 3 = ) =", 6, 6, 3, op::kNone},
                             Sequence{"10 - 4 / 3 =", 2, 2, 3, op::kNone},
                             // Two levels deep: 2 x (3 + (4 x 5)) = 46.
                             Sequence{"2 * ( 3 + ( 4 * 5 ) ) =", 46, 46, 23, op::kNone}));

TEST(ParenEngine, EqualsWithNothingPendingStillAnnounces) {
    ParenEngine engine;
    engine.setAcc(3);
    engine.setValue(8);
    const KeyResult result = engine.press(EngineKey::Equals);
    EXPECT_EQ(result.event, EngineEvent::Change);
    EXPECT_EQ(engine.acc(), 3);
    EXPECT_EQ(engine.value(), 8);
}

TEST(ParenEngine, TypeInRunsOnlyItsKeyStrings) {
    ParenEngine engine;
    engine.setAcc(4);
    engine.setPend(op::kAdd);
    engine.setValue(2);
    for (const QString &key : {QStringLiteral("x"), QString(), QStringLiteral("R"),
                               QStringLiteral("%"), QStringLiteral("+-")}) {
        const KeyResult result = engine.setTypeIn(key);
        EXPECT_EQ(result.event, EngineEvent::None) << key.toStdString();
        EXPECT_EQ(engine.typeIn(), key);
        EXPECT_EQ(engine.acc(), 4);
        EXPECT_EQ(engine.pend(), op::kAdd);
    }
    EXPECT_EQ(engine.setTypeIn(QStringLiteral("r")).event, EngineEvent::Change);
    EXPECT_EQ(engine.acc(), 0);
    EXPECT_EQ(engine.pend(), op::kNone);
    EXPECT_EQ(engine.value(), 2);
}

TEST(ParenEngine, ParenthesisKeysRaiseTheirEvents) {
    ParenEngine engine;
    engine.setAcc(5);
    engine.setPend(op::kMultiply);
    engine.setValue(2);
    EXPECT_EQ(engine.setTypeIn(QStringLiteral("(")).event, EngineEvent::Push);
    EXPECT_EQ(engine.acc(), 5); // "(" changes nothing inside the engine
    EXPECT_EQ(engine.setTypeIn(QStringLiteral(")")).event, EngineEvent::Pop);
    EXPECT_EQ(engine.acc(), 10); // ")" applies the pending operator first
}

TEST(ParenEngine, UnmatchedCloseOnAFreshStackStartsOver) {
    Keypad pad;
    pad.play(QStringLiteral("3 + 4 )"));
    EXPECT_EQ(pad.engine.value(), 7);
    EXPECT_EQ(pad.engine.acc(), 0);
    EXPECT_EQ(pad.engine.pend(), op::kNone);
}

// An overflow refuses the key: the state stays as before it, and later keys carry on from there.
TEST(ParenEngine, OverflowLeavesTheStateBeforeTheKey) {
    Keypad pad;
    pad.play(QStringLiteral("1e308 + 1e308"));
    const int changes = pad.changes;
    pad.play(QStringLiteral("+"));
    EXPECT_EQ(pad.lastFault, CalcFault::Overflow);
    EXPECT_EQ(pad.changes, changes);
    EXPECT_EQ(pad.engine.acc(), 1e308);
    EXPECT_EQ(pad.engine.value(), 1e308);
    EXPECT_EQ(pad.engine.pend(), op::kAdd);
    pad.play(QStringLiteral("1 ="));
    EXPECT_EQ(pad.lastFault, CalcFault::None);
    EXPECT_DOUBLE_EQ(pad.shown, 1e308 + 1);
    EXPECT_TRUE(std::isfinite(pad.engine.acc()));
}

TEST(ParenEngine, FaultsOnEveryApplyingKey) {
    for (const QString &key :
         {QStringLiteral("*"), QStringLiteral("="), QStringLiteral(")"), QStringLiteral("/")}) {
        ParenEngine engine;
        engine.setAcc(1e300);
        engine.setPend(op::kMultiply);
        engine.setValue(1e300);
        const KeyResult result = engine.setTypeIn(key);
        EXPECT_EQ(result.fault, CalcFault::Overflow) << key.toStdString();
        EXPECT_EQ(result.event, EngineEvent::None);
        EXPECT_EQ(engine.acc(), 1e300);
        EXPECT_EQ(engine.pend(), op::kMultiply);
    }
}

TEST(ParenEngine, DividingByATinyNumberOverflows) {
    Keypad pad;
    pad.play(QStringLiteral("1e300 / 1e-300 ="));
    EXPECT_EQ(pad.lastFault, CalcFault::Overflow);
    EXPECT_EQ(pad.engine.acc(), 1e300);
    EXPECT_EQ(pad.engine.value(), 1e-300);
}

TEST(OperandStack, PushShiftsDownWithTheStagedOperator) {
    OperandStack stack;
    stack.setStagedOp(op::kMultiply);
    stack.push(2);
    stack.setStagedOp(op::kAdd);
    stack.push(3);
    EXPECT_EQ(stack.slot(1).value, 3);
    EXPECT_EQ(stack.slot(1).op, op::kAdd);
    EXPECT_EQ(stack.slot(2).value, 2);
    EXPECT_EQ(stack.slot(2).op, op::kMultiply);
    EXPECT_EQ(stack.topOp(), op::kAdd);
    EXPECT_EQ(stack.pop(), 3);
    EXPECT_EQ(stack.topOp(), op::kMultiply);
    EXPECT_EQ(stack.pop(), 2);
}

TEST(OperandStack, TheEleventhPushDropsTheOldestLevel) {
    OperandStack stack;
    for (int i = 1; i <= 11; ++i) {
        stack.setStagedOp(static_cast<std::int16_t>(i % 5));
        stack.push(i);
    }
    EXPECT_EQ(stack.bottom(), 2); // 1 fell off the bottom
    for (int i = 11; i >= 2; --i)
        EXPECT_EQ(stack.pop(), i);
    // Pops beyond the tenth keep returning copies of slot 10.
    EXPECT_EQ(stack.pop(), 2);
    EXPECT_EQ(stack.pop(), 2);
    EXPECT_EQ(stack.topOp(), 2);
}

TEST(OperandStack, ClearingZeroesValuesButKeepsOperators) {
    OperandStack stack;
    stack.setStagedOp(op::kSubtract);
    stack.push(9);
    stack.setBottomOp(op::kDivide);
    stack.setBottom(4);
    stack.clearValues();
    for (int n = 1; n <= OperandStack::kSlots; ++n)
        EXPECT_EQ(stack.slot(n).value, 0);
    EXPECT_EQ(stack.slot(1).op, op::kSubtract);
    EXPECT_EQ(stack.bottomOp(), op::kDivide);
}

TEST(OperandStack, StagedOperatorIsNotTheTopUntilPushed) {
    OperandStack stack;
    stack.setStagedOp(op::kDivide);
    EXPECT_EQ(stack.topOp(), op::kNone);
    EXPECT_EQ(stack.stagedOp(), op::kDivide);
    stack.push(1);
    EXPECT_EQ(stack.topOp(), op::kDivide);
}

TEST(ParenProtocol, OpenSavesTheLevelAndKeepsTheOperand) {
    ParenEngine engine;
    OperandStack stack;
    engine.setAcc(2);
    engine.setPend(op::kMultiply);
    engine.setValue(2);
    openLevel(engine, stack);
    EXPECT_EQ(engine.acc(), 0);
    EXPECT_EQ(engine.pend(), op::kNone);
    EXPECT_EQ(engine.value(), 2);
    EXPECT_EQ(stack.slot(1).value, 2);
    EXPECT_EQ(stack.slot(1).op, op::kMultiply);
}

TEST(ParenProtocol, ClearAndEqualsLeaveOpenLevelsForALaterClose) {
    Keypad pad;
    pad.play(QStringLiteral("4 + ( 5 r 6 + 1 )"));
    EXPECT_EQ(pad.engine.value(), 7);
    pad.play(QStringLiteral("="));
    EXPECT_EQ(pad.shown, 11);

    // "=" inside a level clears its pending operator, so the ")" that follows finds nothing
    // pending and takes the operand alone as the level's subtotal.
    Keypad equalsInside;
    equalsInside.play(QStringLiteral("4 + ( 6 + 1 ="));
    EXPECT_EQ(equalsInside.shown, 7);
    equalsInside.play(QStringLiteral(") ="));
    EXPECT_EQ(equalsInside.shown, 4 + 1);
}

} // namespace
