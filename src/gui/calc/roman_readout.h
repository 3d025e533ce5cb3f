#pragma once

#include "calc/readout.h"

namespace vidorev {

// The value in Roman numerals, negatives in parentheses.
class RomanReadout : public Readout {
    Q_OBJECT
public:
    explicit RomanReadout(QWidget *parent = nullptr);

    double value() const { return m_value; }
    void setValue(double value);
    QString display() const { return m_display; }
    void setDisplay(const QString &text);

signals:
    void change();

protected:
    QString copyText() const override { return m_display; }

private:
    double m_value = 0.0;
    QString m_display = QStringLiteral(" - - - - - -");
};

} // namespace vidorev
