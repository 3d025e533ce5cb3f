#include "calc_special/money_text.h"

#include "platform/text_forms.h"

#include <cmath>
#include <limits>

namespace vidorev::money {

std::optional<double> parseNumber(const QString &text, const QLocale &locale) {
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double percentValue(const QString &text, const QLocale &locale) {
    const std::optional<double> value = parseNumber(text, locale);
    return value ? *value / 100.0 : 0.0;
}

QString percentText(double value, const QLocale &locale) {
    return text::number(value * 100.0, locale);
}

double pennyValue(const QString &text, const QLocale &locale) {
    return parseNumber(text, locale).value_or(0.0);
}

qint32 cutToCents(double value) {
    const double cents = std::floor(value * 100.0);
    if (std::isnan(cents))
        return 0;
    constexpr double lowest = std::numeric_limits<qint32>::min();
    constexpr double highest = std::numeric_limits<qint32>::max();
    if (cents <= lowest)
        return std::numeric_limits<qint32>::min();
    if (cents >= highest)
        return std::numeric_limits<qint32>::max();
    return qint32(cents);
}

QString centsText(qint32 cents, const QLocale &locale) {
    return text::number(cents / 100.0, locale);
}

} // namespace vidorev::money
