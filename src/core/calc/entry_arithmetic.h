#pragma once

#include "calc/calc_fault.h"

#include <QLocale>
#include <QString>

namespace vidorev::calc {

// The running arithmetic of the numeric entry box: an operator typed as the last character
// folds the number before it into the accumulator by the previous operator, so "4+5=" shows 9.
class EntryArithmetic {
public:
    struct Edit {
        bool operatorTyped = false; // the box's text is replaced by newText
        QString newText;
        bool typing = false;               // the box now holds a number
        CalcFault fault = CalcFault::None; // the operator was refused; newText says why
    };

    // Reads the box's text after a user's edit.
    Edit edit(const QString &text, const QLocale &locale = QLocale());

    double acc() const { return m_acc; }
    QString previousOp() const { return m_previousOp; }
    void reset();

private:
    double m_acc = 0.0;
    QString m_previousOp = QStringLiteral("=");
};

} // namespace vidorev::calc
