#pragma once

#include "calc/function_pads.h"
#include "calc/keypad.h"

namespace vidorev {

// A pad of one-operand functions: the host writes the current value, a button replaces it by a
// function of it and announces the result.
class FunctionPad : public Keypad {
    Q_OBJECT
public:
    double value() const { return m_value; }
    // Only stores; never announces.
    void setValue(double value) { m_value = value; }
    // Why the last button was refused.
    QString faultText() const { return m_faultText; }

signals:
    void change();
    void failed();

protected:
    using Keypad::Keypad;
    virtual calc::PadStep compute(int k, double v) const = 0;
    void pressed(int k) override;

private:
    double m_value = 0.0;
    QString m_faultText;
};

} // namespace vidorev
