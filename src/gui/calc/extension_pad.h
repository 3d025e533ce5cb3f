#pragma once

#include "calc/function_pads.h"
#include "calc/keypad.h"

namespace vidorev {

// The "$" pad: a memory register, percent of the subtotal, the mean of the typed addends,
// square and square root. It also hears the keys typed on the entry line.
class ExtensionPad : public Keypad {
    Q_OBJECT
public:
    explicit ExtensionPad(QWidget *parent = nullptr);

    double value() const { return m_pad.value(); }
    void setValue(double value) { m_pad.setValue(value); }
    // The arithmetic keypad's accumulator, as the host last wrote it.
    double acc() const { return m_pad.acc(); }
    void setAcc(double acc) { m_pad.setAcc(acc); }
    QString typeIn() const { return m_pad.typeIn(); }
    // Performs a typed key: "%", "q", "t", "n" run their buttons; "r", "+", "-" keep count.
    void setTypeIn(const QString &key);

    double memory() const { return m_pad.memory(); }
    QString faultText() const { return m_faultText; }

signals:
    void change();
    void failed();

protected:
    void pressed(int k) override;

private:
    void announce(const calc::PadStep &step);

    calc::ExtendPad m_pad;
    QString m_faultText;
};

} // namespace vidorev
