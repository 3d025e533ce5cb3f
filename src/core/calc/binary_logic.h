#pragma once

#include <QString>

// The binary pad: bitwise OR, AND, XOR between a saved operand and the current value, and NOT
// of the current value, worked on the hexadecimal readout's text.
namespace vidorev::calc {

// Four bits per hexadecimal digit (either case), most significant first; other characters
// (the readout's blanks) are skipped.
QString hexToBits(const QString &hex);

// A leading "0": the rest read as unsigned binary; a leading "1": two's complement. The empty
// string is 0.
double bitsToValue(const QString &bits);

class BinaryLogic {
public:
    enum class Op { Or, And, Xor, Not };

    QString hexValue() const { return m_hexValue; }
    void setHexValue(const QString &hex);
    QString loaded() const { return m_loaded; }
    void setLoaded(const QString &hex);

    QString currentBits() const { return m_currentBits; }
    QString savedBits() const { return m_savedBits; }
    QString resultBits() const { return m_resultBits; }

    // Saves the current hexadecimal text as the operand; returns its value.
    double load();
    // Works the operation and returns the value of its bits. An operand that has never been
    // given (nothing loaded yet, no value yet) counts as 0; operands of different lengths are
    // aligned at their low end.
    double apply(Op op);

private:
    QString m_hexValue;
    QString m_currentBits;
    QString m_loaded;
    QString m_savedBits;
    QString m_resultBits;
};

} // namespace vidorev::calc
