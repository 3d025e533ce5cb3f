#include "calc/roman_readout.h"

#include "calc/readouts.h"

namespace vidorev {

RomanReadout::RomanReadout(QWidget *parent)
    : Readout(QStringLiteral("RomanValue"), QStringLiteral("Roman numeral readout"),
              QStringLiteral(" - - - - - -"), QStringLiteral("Command2"), parent) {}

void RomanReadout::setValue(double value) {
    m_value = value;
    setDisplay(calc::romanText(value));
    emit change();
}

void RomanReadout::setDisplay(const QString &text) {
    m_display = text;
    showText(text);
}

} // namespace vidorev
