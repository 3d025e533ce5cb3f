#include "calc/paren_engine.h"

#include "test_env.h"

#include <cmath>
#include <limits>
#include <tuple>

using namespace vidorev::calc;

namespace {

// Plays keys the way the calculator host does: numbers set the operand, "(" and ")" run the
// parenthesis protocol, and every Change shows the accumulator.
struct Keypad {
    ParenEngine engine;
    OperandStack stack;
    double shown = std::numeric_limits<double>::quiet_NaN();
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
            if (result.event == EngineEvent::Change)
                shown = engine.acc();
            else if (result.event == EngineEvent::Push)
                openLevel(engine, stack);
            else if (result.event == EngineEvent::Pop)
                closeLevel(engine, stack);
        }
    }
};

TEST(ParenEngine, WorkedSequencesEvaluateLeftToRight) {
    const struct {
        const char *keys;
        double shown, acc, value;
        std::int16_t pend;
    } rows[] = {// No precedence: (2 + 3) x 4.
                {"2 + 3 * 4 =", 20, 20, 4, op::kNone},
                {"2 * ( 3 + 4 ) =", 14, 14, 7, op::kNone},
                // "=" reuses the operand.
                {"5 + =", 10, 10, 5, op::kNone},
                // A zero operand counts as zero.
                {"5 + 0 + =", 5, 5, 0, op::kNone},
                {"5 * 0 - 2 =", -2, -2, 2, op::kNone},
                {"0 / 4 =", 0, 0, 4, op::kNone},
                // Clear keeps the operand.
                {"9 r + =", 18, 18, 9, op::kNone},
                // Two operators in a row apply the first to the unchanged operand.
                {"5 + *", 10, 10, 5, op::kMultiply},
                // "=" never copies the operand into the accumulator.
                {"5 =", 0, 0, 5, op::kNone},
                // A later ")" applies the level and brings back 2 x.
                {"2 * ( 3 = ) =", 6, 6, 3, op::kNone},
                // "(" keeps the operand.
                {"2 * ( ) =", 4, 4, 2, op::kNone},
                {"10 - 4 / 3 =", 2, 2, 3, op::kNone},
                {"2 * ( 3 + ( 4 * 5 ) ) =", 46, 46, 23, op::kNone},
                // Clear inside a level leaves the open level for a later ")".
                {"4 + ( 5 r 6 + 1 ) =", 11, 11, 7, op::kNone},
                // "=" inside a level clears its operator, so ")" takes the operand alone.
                {"4 + ( 6 + 1 = ) =", 5, 5, 1, op::kNone},
                // Other key strings do nothing; the capital R is no Clear.
                {"4 + 2 x R % +- =", 6, 6, 2, op::kNone},
                // An unmatched ")" on a fresh stack starts over.
                {"3 + 4 ) =", 0, 0, 7, op::kNone}};
    for (const auto &row : rows) {
        Keypad pad;
        pad.play(QString::fromLatin1(row.keys));
        EXPECT_DOUBLE_EQ(pad.shown, row.shown) << row.keys;
        EXPECT_DOUBLE_EQ(pad.engine.acc(), row.acc) << row.keys;
        EXPECT_DOUBLE_EQ(pad.engine.value(), row.value) << row.keys;
        EXPECT_EQ(pad.engine.pend(), row.pend) << row.keys;
    }
}

// An overflow or a division by zero refuses the key wherever it is applied: no event, the state
// stays as before it, and later keys carry on.
TEST(ParenEngine, AFaultLeavesTheStateBeforeTheKey) {
    const struct {
        const char *head;
        CalcFault fault;
        double acc, value;
        std::int16_t pend;
        const char *more;
        double then;
    } heads[] = {{"1e300 * 1e300 ", CalcFault::Overflow, 1e300, 1e300, op::kMultiply, "1 =", 1e300},
                 {"1e300 / 1e-300 ", CalcFault::Overflow, 1e300, 1e-300, op::kDivide, "2 =", 5e299},
                 {"7 / 0 ", CalcFault::DivideByZero, 7, 0, op::kDivide, "2 =", 3.5}};
    for (const char *key : {"+", "*", "=", ")"}) {
        for (const auto &h : heads) {
            SCOPED_TRACE(std::string(h.head) + key);
            Keypad pad;
            pad.play(QString::fromLatin1(h.head) + key);
            EXPECT_EQ(pad.lastFault, h.fault);
            EXPECT_EQ(std::tuple(pad.engine.acc(), pad.engine.value(), pad.engine.pend()),
                      std::tuple(h.acc, h.value, h.pend));
            pad.play(h.more);
            EXPECT_DOUBLE_EQ(pad.shown, h.then);
        }
    }
    Keypad pad;
    pad.play("1e308 + 1e308 + 1 =");
    EXPECT_EQ(pad.lastFault, CalcFault::None);
}

// Ten slots, 1 on top: a push shifts down and drops slot 10, a pop shifts up and keeps it; the
// staged operator goes with the next push; clearing keeps the operators.
TEST(OperandStack, ShiftRegisterWithTheStagedOperator) {
    OperandStack stack;
    stack.setStagedOp(op::kDivide);
    EXPECT_EQ(stack.topOp(), op::kNone); // staged, not yet pushed
    for (int i = 1; i <= 11; ++i) {
        stack.setStagedOp(std::int16_t(i % 5));
        stack.push(i);
    }
    EXPECT_EQ(stack.bottom(), 2);
    QStringList popped;
    for (int i = 0; i < 11; ++i) {
        popped << QString::number(stack.topOp());
        popped.last() += ':' + QString::number(stack.pop());
    }
    EXPECT_EQ(popped.join(' '), "1:11 0:10 4:9 3:8 2:7 1:6 0:5 4:4 3:3 2:2 2:2");
    stack.setBottomOp(op::kDivide);
    stack.clearValues();
    EXPECT_EQ(std::tuple(stack.slot(1).value, stack.bottom(), stack.slot(1).op, stack.bottomOp()),
              std::tuple(0.0, 0.0, std::int16_t(2), op::kDivide));
}

} // namespace
