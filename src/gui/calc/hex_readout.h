#pragma once

#include "calc/readout.h"

namespace vidorev {

// The value as a 32-bit two's-complement number in eight hexadecimal digits.
class HexReadout : public Readout {
    Q_OBJECT
public:
    explicit HexReadout(QWidget *parent = nullptr);

    double value() const { return m_value; }
    // Clamps to the 32-bit range (the stored value too), shows the digits, announces.
    void setValue(double value);
    QString display() const { return m_display; }
    void setDisplay(const QString &) {} // the digits follow the value only

signals:
    void change();

protected:
    QString copyText() const override { return m_display; }

private:
    double m_value = 0.0;
    QString m_display;
};

} // namespace vidorev
