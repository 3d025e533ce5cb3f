#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The conversions behind the percent and money boxes. A box holds nothing but its text; every
// read converts the text, every write produces it.
namespace vidorev::money {

// The locale's number test: "7", "7.5", "1e2" and "-3" are numbers; "7%", "", "inf" are not.
std::optional<double> parseNumber(const QString &text, const QLocale &locale = QLocale());

// A percent box's value: the number / 100, or 0 when the text is not a number.
double percentValue(const QString &text, const QLocale &locale = QLocale());
// The text a percent box shows for a value: 0.075 -> "7.5".
QString percentText(double value, const QLocale &locale = QLocale());

// A money box's value: the number as typed (no cutting), or 0 when the text is not a number.
double pennyValue(const QString &text, const QLocale &locale = QLocale());
// Whole cents not above value x 100: 0.29 -> 29, -0.001 -> -1. The value is first taken to nine
// decimals, so an amount that binary floating point holds a hair under its decimal (0.29 is
// 0.28999...) keeps its cent. Values beyond the 64-bit range of cents stop at its ends; NaN is 0.
qint64 cutToCents(double value);
// Whole cents not above minutes / 60 hours, in integer arithmetic: 69 -> 115, 25 -> 41. The
// one hours rule: the clocks' hours boxes, the totals, the reports and the chart all use it.
qint64 hoursCents(qint64 minutes);
// The text a money box shows for whole cents: 123 -> "1.23", 120 -> "1.2", 100 -> "1".
QString centsText(qint64 cents, const QLocale &locale = QLocale());
// An amount worked out from other amounts, as the general number text, taken first to nine
// decimals: a difference of two sums shows 67.92, not the 67.9200000000001 that binary floating
// point leaves of it.
QString amountText(double value, const QLocale &locale = QLocale());

} // namespace vidorev::money
