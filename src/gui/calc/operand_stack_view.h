#pragma once

#include "calc/paren_engine.h"

#include <QFrame>

namespace vidorev {

// The ten saved parenthesis levels. It has nothing for the user to do, so it shows only an
// outline; the host saves and restores levels through it.
class OperandStackView : public QFrame {
    Q_OBJECT
public:
    explicit OperandStackView(QWidget *parent = nullptr);

    // Reading pops: slot 1's value, the slots shifting up.
    double tos();
    // Writing pushes (value, staged operator).
    void setTos(double value) { m_stack.push(value); }
    // Zeroes the ten values (not their operators) and returns 0.
    double clr();
    void setClr(double) { m_stack.clearValues(); }
    std::int16_t ibos() const { return m_stack.bottomOp(); }
    void setIbos(std::int16_t code) { m_stack.setBottomOp(code); }
    double bos() const { return m_stack.bottom(); }
    void setBos(double value) { m_stack.setBottom(value); }
    // Reading gives slot 1's operator; writing stages the operator of the next push.
    std::int16_t itos() const { return m_stack.topOp(); }
    void setItos(std::int16_t code) { m_stack.setStagedOp(code); }

    calc::OperandStack &model() { return m_stack; }

    QSize sizeHint() const override { return {16, 16}; }

signals:
    void popped();

private:
    calc::OperandStack m_stack;
};

} // namespace vidorev
