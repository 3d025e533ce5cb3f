#include "calc/binary_logic.h"

#include <algorithm>

namespace vidorev::calc {

QString hexToBits(const QString &hex) {
    static const QString digits = QStringLiteral("0123456789ABCDEF");
    static const QString table =
        QStringLiteral("0000000100100011010001010110011110001001101010111100110111101111");
    QString bits;
    for (const QChar c : hex) {
        const qsizetype p = digits.indexOf(c.toUpper());
        if (p >= 0)
            bits += table.mid(4 * p, 4);
    }
    return bits;
}

double bitsToValue(const QString &bits) {
    if (bits.isEmpty())
        return 0.0;
    const bool negative = bits.front() == u'1';
    double value = 0.0;
    for (qsizetype i = 1; i < bits.size(); ++i) {
        const bool one = bits[i] == u'1';
        value = value * 2.0 + ((one != negative) ? 1.0 : 0.0);
    }
    return negative ? -1.0 - value : value;
}

void BinaryLogic::setHexValue(const QString &hex) {
    m_hexValue = hex;
    m_currentBits = hexToBits(hex);
}

void BinaryLogic::setLoaded(const QString &hex) {
    m_loaded = hex;
    m_savedBits = hexToBits(hex);
}

double BinaryLogic::load() {
    setLoaded(m_hexValue);
    return bitsToValue(m_savedBits);
}

double BinaryLogic::apply(Op op) {
    // The readout always gives 32 bits; anything shorter is widened with zeros in front.
    const qsizetype width = std::max<qsizetype>({32, m_currentBits.size(), m_savedBits.size()});
    const QString current = m_currentBits.rightJustified(width, u'0');
    const QString saved = m_savedBits.rightJustified(width, u'0');
    QString out(width, u'0');
    for (qsizetype i = 0; i < width; ++i) {
        const int s = (saved[i] == u'1') + (current[i] == u'1');
        bool one = false;
        switch (op) {
        case Op::Or:
            one = s > 0;
            break;
        case Op::And:
            one = s == 2;
            break;
        case Op::Xor:
            one = s == 1;
            break;
        case Op::Not:
            one = current[i] != u'1';
            break;
        }
        if (one)
            out[i] = u'1';
    }
    m_resultBits = out;
    return bitsToValue(out);
}

} // namespace vidorev::calc
