#pragma once

#include "calc/calc_fault.h"

#include <QString>

#include <array>
#include <cstdint>

// The left-to-right arithmetic of the calculator: no precedence, so 2 + 3 x 4 = is 20.
// Parentheses are saved levels in a ten-slot operand stack that the host drives.
namespace vidorev::calc {

// Pending-operator codes; the numbers are part of the engine's public surface.
namespace op {
inline constexpr std::int16_t kNone = 0;
inline constexpr std::int16_t kAdd = 1;
inline constexpr std::int16_t kDivide = 2;
inline constexpr std::int16_t kMultiply = 3;
inline constexpr std::int16_t kSubtract = 4;
} // namespace op

enum class EngineKey { Add, Divide, Multiply, Subtract, LeftParen, RightParen, Equals, Clear };

// What the host must hear after a key.
enum class EngineEvent { None, Change, Push, Pop };

struct KeyResult {
    EngineEvent event = EngineEvent::None;
    CalcFault fault = CalcFault::None; // when set, nothing changed and no event is due
};

class ParenEngine {
public:
    double value() const { return m_value; }
    void setValue(double value) { m_value = value; }
    double acc() const { return m_acc; }
    void setAcc(double acc) { m_acc = acc; }
    std::int16_t pend() const { return m_pend; }
    void setPend(std::int16_t code) { m_pend = code; }

    QString typeIn() const { return m_typeIn; }
    // Stores the key string and performs it: "=", "-", ")", "(", "*", "/", "r" (Clear), "+".
    // Any other string does nothing further.
    KeyResult setTypeIn(const QString &key);

    KeyResult press(EngineKey key);

private:
    // Folds the operand into the accumulator by the pending operator. A zero divisor, like a
    // result out of range, is a fault, and on a fault nothing is changed.
    CalcFault applyPending();

    double m_value = 0.0;
    double m_acc = 0.0;
    std::int16_t m_pend = op::kNone;
    QString m_typeIn;
};

// Ten (value, operator) slots, 1 at the top; a shift register that never runs empty.
class OperandStack {
public:
    static constexpr int kSlots = 10;

    struct Slot {
        double value = 0.0;
        std::int16_t op = op::kNone;
    };

    // Shifts every slot down one (slot 10 is lost) and stores (value, staged operator) on top.
    void push(double value);
    // Returns slot 1's value and shifts the slots up; slot 10 stays, so it is then held twice.
    double pop();
    // Zeroes the ten values; their operators stay.
    void clearValues();

    std::int16_t topOp() const { return m_slots[0].op; }
    std::int16_t stagedOp() const { return m_staged; }
    void setStagedOp(std::int16_t code) { m_staged = code; }
    double bottom() const { return m_slots[kSlots - 1].value; }
    void setBottom(double value) { m_slots[kSlots - 1].value = value; }
    std::int16_t bottomOp() const { return m_slots[kSlots - 1].op; }
    void setBottomOp(std::int16_t code) { m_slots[kSlots - 1].op = code; }

    const Slot &slot(int n) const { return m_slots[static_cast<std::size_t>(n - 1)]; }

private:
    std::array<Slot, kSlots> m_slots{};
    std::int16_t m_staged = op::kNone;
};

// The parenthesis protocol. "(": the level's accumulator and pending operator are saved and a
// fresh level starts; the operand is kept.
void openLevel(ParenEngine &engine, OperandStack &stack);
// ")" (after the engine has applied its pending operator): the closed level's subtotal becomes
// the operand and the saved level comes back. The operator is read before the pop shifts.
void closeLevel(ParenEngine &engine, OperandStack &stack);

} // namespace vidorev::calc
