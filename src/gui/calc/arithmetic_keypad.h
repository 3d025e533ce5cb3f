#pragma once

#include "calc/keypad.h"
#include "calc/paren_engine.h"

namespace vidorev {

// The "Basic Calculations" keypad: + / * - ( ) = and Clear over the left-to-right engine.
// It never touches the operand stack; "(" and ")" are announced and the host keeps the levels.
class ArithmeticKeypad : public Keypad {
    Q_OBJECT
public:
    explicit ArithmeticKeypad(QWidget *parent = nullptr);

    double value() const { return m_engine.value(); }
    void setValue(double value) { m_engine.setValue(value); }
    double acc() const { return m_engine.acc(); }
    void setAcc(double acc) { m_engine.setAcc(acc); }
    std::int16_t pend() const { return m_engine.pend(); }
    void setPend(std::int16_t code) { m_engine.setPend(code); }
    QString typeIn() const { return m_engine.typeIn(); }
    // Stores the key string and performs it as its button would.
    void setTypeIn(const QString &key);

    // The engine itself, for the host's parenthesis protocol.
    calc::ParenEngine &engine() { return m_engine; }
    // Why the last key was refused.
    QString faultText() const { return m_faultText; }

signals:
    void change();
    void push();
    void pop();
    void failed();

protected:
    void pressed(int k) override;

private:
    void announce(const calc::KeyResult &result);

    calc::ParenEngine m_engine;
    QString m_faultText;
};

} // namespace vidorev
