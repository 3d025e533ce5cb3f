#include "calc/readouts.h"

#include "calc/calc_fault.h"
#include "platform/text_forms.h"

#include <cmath>
#include <cstdint>

namespace vidorev::calc {

QString decimalText(double value, const QLocale &locale) {
    if (const CalcFault fault = faultOf(value); fault != CalcFault::None)
        return faultText(fault);
    return text::number(value, locale);
}

HexReading hexReading(double value) {
    constexpr double kLow = -2147483647.0, kHigh = 2147483646.0;
    double v = std::isnan(value) ? 0.0 : value;
    if (v < kLow)
        v = kLow;
    if (v > kHigh)
        v = kHigh;
    const auto n = static_cast<std::int64_t>(std::floor(v));
    // A negative number shows the complement's digits in reverse order: two's complement.
    const bool negative = n < 0;
    std::int64_t m = negative ? -n - 1 : n;
    const char *digits = negative ? "FEDCBA9876543210" : "0123456789ABCDEF";
    QString text;
    for (int i = 1; i <= 8; ++i) {
        text.prepend(QChar::fromLatin1(digits[m % 16]));
        m /= 16;
        if (i % 4 == 0)
            text.prepend(u' ');
    }
    return {v, text};
}

QString romanText(double value) {
    if (value >= 9000.0)
        return QStringLiteral("Roman overflow");
    if (value <= -9000.0)
        return QStringLiteral("Roman underflow");
    if (value == 0.0 || std::isnan(value))
        return QStringLiteral(" - - - - - -");
    static const struct {
        int number;
        const char *letters;
    } table[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"},
                 {90, "XC"},  {50, "L"},   {40, "XL"}, {10, "X"},   {9, "IX"},
                 {5, "V"},    {4, "IV"},   {1, "I"}};
    auto n = static_cast<int>(std::abs(std::nearbyint(value)));
    QString text;
    if (value < 0)
        text += u'(';
    for (const auto &entry : table) {
        while (n >= entry.number) {
            text += QLatin1String(entry.letters);
            n -= entry.number;
        }
    }
    if (value < 0)
        text += u')';
    return text;
}

namespace {

// The value rounded half to even at the given scale. A value so large that the scaled number
// would leave the double range already has no digits below the scale that 15 can show.
double roundedAt(double value, double scale) {
    const double scaled = value * scale;
    if (!std::isfinite(scaled))
        return value;
    return std::nearbyint(scaled) / scale;
}

} // namespace

QString entryText(double value, const QLocale &locale) {
    if (const CalcFault fault = faultOf(value); fault != CalcFault::None)
        return faultText(fault);
    const double a = std::abs(value);
    if (a == 0.0)
        return QStringLiteral("0.0 ");
    const double scale = a < 0.0001 ? 1e6 : a < 0.01 ? 1e4 : 1e3;
    return text::number(roundedAt(value, scale), locale);
}

QString displayText(double value, const QString &label, const QLocale &locale) {
    if (const CalcFault fault = faultOf(value); fault != CalcFault::None)
        return faultText(fault);
    const double a = std::abs(value);
    if (a == 0.0)
        return QStringLiteral("0.0 ") + label;
    if (a < 0.0001)
        return text::number(std::nearbyint(value * 1e6) / 1000.0, locale) +
               QStringLiteral(" milli") + label;
    const double scale = a < 0.01 ? 1e4 : 1e3;
    return text::number(roundedAt(value, scale), locale) + u' ' + label;
}

} // namespace vidorev::calc
