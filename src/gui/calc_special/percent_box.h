#pragma once

#include "calc_special/entry_box.h"

namespace vidorev {

// A percentage entry: the user types 7 and text() reads 0.07.
class PercentBox : public EntryBox {
    Q_OBJECT
public:
    explicit PercentBox(QWidget *parent = nullptr);

    // The typed number / 100, or 0 when the text is not a number.
    double text() const;
    // Shows value x 100: 0.075 shows 7.5.
    void setText(double value);

signals:
    // The text changed and is a number (locked or not).
    void valueChanged();
    // Enter was pressed in the box, whatever its text.
    void enterPressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace vidorev
