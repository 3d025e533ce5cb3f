#include "calc/roman2_display.h"

#include "calc/readouts.h"

namespace vidorev {

Roman2Display::Roman2Display(QWidget *parent)
    : Readout(QStringLiteral("RomanValue"), QStringLiteral("Roman numeral readout"),
              QStringLiteral(" - - - - - -"), QStringLiteral("Command2"), parent) {}

void Roman2Display::setValue(double value) {
    m_value = value;
    setDisplay(calc::romanText(value));
    emit change();
}

void Roman2Display::setDisplay(const QString &text) {
    m_display = text;
    showText(text);
}

} // namespace vidorev
