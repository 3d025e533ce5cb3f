#pragma once

#include "calc_special/entry_box.h"

namespace vidorev {

// A money entry: what the host writes is cut down to whole cents; what the user types is read
// as typed.
class MoneyBox : public EntryBox {
    Q_OBJECT
public:
    explicit MoneyBox(QWidget *parent = nullptr);

    // The box's number, or 0 when the text is not a number.
    double text() const;
    // Shows value cut down to whole cents: 0.29 shows 0.29, 0.299 shows 0.29, -0.001 shows -0.01.
    void setText(double value);
    // Shows whole cents: 115 shows 1.15.
    void setCents(qint64 cents);
    // The cents of the last value written by the host.
    qint64 cents() const { return m_cents; }

signals:
    // The text changed, the box is not locked, and the text is a number.
    void valueChanged();

private:
    qint64 m_cents = 0;
};

} // namespace vidorev
