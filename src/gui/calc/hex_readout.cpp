#include "calc/hex_readout.h"

#include "calc/readouts.h"

namespace vidorev {

HexReadout::HexReadout(QWidget *parent)
    : Readout(QStringLiteral("HexadecimalValue"), QStringLiteral("Hexadecimal readout"),
              QStringLiteral(" 0000 0000"), QString(), parent) {}

void HexReadout::setValue(double value) {
    const calc::HexReading reading = calc::hexReading(value);
    m_value = reading.value;
    m_display = reading.text;
    showText(m_display);
    emit change();
}

} // namespace vidorev
