#include "calc/paren_engine.h"

namespace vidorev::calc {

KeyResult ParenEngine::setTypeIn(const QString &key) {
    m_typeIn = key;
    static const struct {
        const char16_t *text;
        EngineKey key;
    } keys[] = {
        {u"=", EngineKey::Equals},    {u"-", EngineKey::Subtract}, {u")", EngineKey::RightParen},
        {u"(", EngineKey::LeftParen}, {u"*", EngineKey::Multiply}, {u"/", EngineKey::Divide},
        {u"r", EngineKey::Clear},     {u"+", EngineKey::Add},
    };
    for (const auto &entry : keys)
        if (key == QStringView(entry.text))
            return press(entry.key);
    return {};
}

KeyResult ParenEngine::press(EngineKey key) {
    auto operatorKey = [this](std::int16_t code) -> KeyResult {
        if (const CalcFault fault = applyPending(); fault != CalcFault::None)
            return {{}, fault};
        m_pend = code;
        return {EngineEvent::Change, CalcFault::None};
    };
    switch (key) {
    case EngineKey::Add:
        return operatorKey(op::kAdd);
    case EngineKey::Divide:
        return operatorKey(op::kDivide);
    case EngineKey::Multiply:
        return operatorKey(op::kMultiply);
    case EngineKey::Subtract:
        return operatorKey(op::kSubtract);
    case EngineKey::Equals:
        if (m_pend != op::kNone)
            if (const CalcFault fault = applyPending(); fault != CalcFault::None)
                return {{}, fault};
        m_pend = op::kNone;
        return {EngineEvent::Change, CalcFault::None};
    case EngineKey::Clear:
        m_acc = 0.0;
        m_pend = op::kNone;
        return {EngineEvent::Change, CalcFault::None};
    case EngineKey::LeftParen:
        return {EngineEvent::Push, CalcFault::None};
    case EngineKey::RightParen:
        if (const CalcFault fault = applyPending(); fault != CalcFault::None)
            return {{}, fault};
        return {EngineEvent::Pop, CalcFault::None};
    }
    return {};
}

CalcFault ParenEngine::applyPending() {
    double acc = m_acc;
    const double value = m_value;
    switch (m_pend) {
    case op::kNone:
        acc = value;
        break;
    case op::kAdd:
        acc = acc + value;
        break;
    case op::kMultiply:
        acc = acc * value;
        break;
    case op::kSubtract:
        acc = acc - value;
        break;
    case op::kDivide:
        if (value == 0.0)
            return CalcFault::DivideByZero;
        acc = acc / value;
        break;
    default:
        break;
    }
    if (const CalcFault fault = faultOf(acc); fault != CalcFault::None)
        return fault;
    m_acc = acc;
    return CalcFault::None;
}

void OperandStack::push(double value) {
    for (int i = kSlots - 1; i > 0; --i)
        m_slots[static_cast<std::size_t>(i)] = m_slots[static_cast<std::size_t>(i - 1)];
    m_slots[0] = {value, m_staged};
}

double OperandStack::pop() {
    const double result = m_slots[0].value;
    for (int i = 0; i < kSlots - 1; ++i)
        m_slots[static_cast<std::size_t>(i)] = m_slots[static_cast<std::size_t>(i + 1)];
    return result;
}

void OperandStack::clearValues() {
    for (Slot &slot : m_slots)
        slot.value = 0.0;
}

void openLevel(ParenEngine &engine, OperandStack &stack) {
    stack.setStagedOp(engine.pend());
    stack.push(engine.acc());
    engine.setPend(op::kNone);
    engine.setAcc(0.0);
}

void closeLevel(ParenEngine &engine, OperandStack &stack) {
    engine.setValue(engine.acc());
    engine.setPend(stack.topOp());
    engine.setAcc(stack.pop());
}

} // namespace vidorev::calc
