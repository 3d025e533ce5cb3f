#include "calc_special/money_text.h"

#include "platform/text_forms.h"

#include <QByteArray>

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

qint64 cutToCents(double value) {
    if (std::isnan(value))
        return 0;
    // Whole cents of larger amounts leave the 64-bit range.
    constexpr double kLargest = 9.2e16;
    if (value >= kLargest)
        return std::numeric_limits<qint64>::max();
    if (value <= -kLargest)
        return std::numeric_limits<qint64>::min();
    // The decimal digits, rounded once at the ninth place, are cut after the second.
    const QByteArray digits = QByteArray::number(std::fabs(value), 'f', 9);
    const qsizetype point = digits.indexOf('.');
    const qint64 cents = digits.left(point).toLongLong() * 100 + digits.mid(point + 1, 2).toInt();
    if (value >= 0)
        return cents;
    const bool beyondCents = digits.mid(point + 3).toLongLong() != 0;
    return beyondCents ? -cents - 1 : -cents;
}

qint64 hoursCents(qint64 minutes) {
    const qint64 hundredths = minutes * 100;
    qint64 cents = hundredths / 60;
    if (hundredths % 60 != 0 && hundredths < 0)
        --cents;
    return cents;
}

QString centsText(qint64 cents, const QLocale &locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    const quint64 magnitude = cents < 0 ? 0 - quint64(cents) : quint64(cents);
    QString text = plain.toString(magnitude / 100);
    const int hundredths = int(magnitude % 100);
    if (hundredths != 0) {
        text += plain.decimalPoint() + plain.toString(hundredths / 10);
        if (hundredths % 10 != 0)
            text += plain.toString(hundredths % 10);
    }
    return cents < 0 ? plain.negativeSign() + text : text;
}

QString amountText(double value, const QLocale &locale) {
    const double tidy = std::round(value * 1e9) / 1e9;
    return text::number(std::isfinite(tidy) ? tidy : value, locale);
}

} // namespace vidorev::money
