#include "calc/decimal_readout.h"

#include "calc/readouts.h"

namespace vidorev {

DecimalReadout::DecimalReadout(QWidget *parent)
    : Readout(QStringLiteral("ArabVal"), QStringLiteral("Arabic numeral readout"), QString(),
              QStringLiteral("Command1"), parent) {}

void DecimalReadout::setValue(double value) {
    m_value = value;
    showText(calc::decimalText(value));
}

QString DecimalReadout::copyText() const {
    return calc::decimalText(m_value);
}

} // namespace vidorev
