#pragma once

#include "calc/entry_arithmetic.h"

#include <QWidget>

class QLineEdit;

namespace vidorev {

// A numeric entry box for the special calculators. It runs typed arithmetic ("4+5=" shows 9)
// and commits a number on Enter or when it loses the focus.
class CalcEntry : public QWidget {
    Q_OBJECT
public:
    explicit CalcEntry(QWidget *parent = nullptr);

    // The committed value.
    double value() const { return m_value; }
    // Commits and shows the value in the fixed-point form, announcing nothing.
    void setValue(double value);
    QString text() const;
    void setText(const QString &text);

    QLineEdit *box() const { return m_text; }

signals:
    void change(); // a value was committed
    void typing(); // the text was edited and is now a number

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Shows text without taking it as the user's.
    void show(const QString &text);
    void edited();
    void commit();

    calc::EntryArithmetic m_arithmetic;
    double m_value = 0.0;
    QString m_shown;
    QLineEdit *m_text = nullptr;
};

} // namespace vidorev
