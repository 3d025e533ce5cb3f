#include "calc/arab2_display.h"

#include "calc/readouts.h"

namespace vidorev {

Arab2Display::Arab2Display(QWidget *parent)
    : Readout(QStringLiteral("ArabVal"), QStringLiteral("Arabic numeral readout"), QString(),
              QStringLiteral("Command1"), parent) {}

void Arab2Display::setValue(double value) {
    m_value = value;
    showText(calc::decimalText(value));
}

QString Arab2Display::copyText() const {
    return calc::decimalText(m_value);
}

} // namespace vidorev
