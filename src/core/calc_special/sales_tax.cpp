#include "calc_special/sales_tax.h"

#include "calc/calc_fault.h"
#include "calc_special/money_text.h"
#include "platform/text_forms.h"

#include <cmath>

namespace vidorev::special {

namespace {

// Amounts a money box can hold as whole cents.
bool fitsCents(double amount) {
    return std::isfinite(amount) && std::fabs(amount) < 9.2e16;
}

// The tax on a base, or the fault that kept it from being worked out.
struct Tax {
    qint64 cents = 0;
    calc::CalcFault fault = calc::CalcFault::None;
};

Tax taxOf(double base, std::optional<double> factor) {
    if (!factor)
        return {0, calc::CalcFault::DivideByZero};
    const double tax = base * *factor;
    if (!fitsCents(tax))
        return {0, std::isnan(tax) ? calc::CalcFault::Invalid : calc::CalcFault::Overflow};
    return {money::cutToCents(tax), calc::CalcFault::None};
}

QString amountText(double amount, const QLocale &locale) {
    const calc::CalcFault fault = calc::faultOf(amount);
    return fault == calc::CalcFault::None ? money::amountText(amount, locale)
                                          : calc::faultText(fault);
}

// The entered amount as shown: as typed when it is a number, else "0".
double entered(const QString &text, QString *shown, const QLocale &locale) {
    const std::optional<double> value = money::parseNumber(text, locale);
    *shown = value ? text : QStringLiteral("0");
    return value.value_or(0.0);
}

} // namespace

std::optional<double> afterTaxShare(double rate) {
    if (rate + 1.0 == 0.0)
        return std::nullopt;
    return rate / (rate + 1.0);
}

TaxSheet taxFromCost(double rate, const QString &costText, const QLocale &locale) {
    TaxSheet sheet;
    const double cost = entered(costText, &sheet.cost, locale);
    const Tax tax = taxOf(cost, rate);
    if (tax.fault != calc::CalcFault::None) {
        sheet.tax = sheet.afterTax = calc::faultText(tax.fault);
        return sheet;
    }
    sheet.taxCents = tax.cents;
    sheet.tax = money::centsText(tax.cents, locale);
    sheet.afterTax = amountText(double(tax.cents) / 100.0 + cost, locale);
    return sheet;
}

TaxSheet taxFromTotal(double rate, const QString &afterTaxText, const QLocale &locale) {
    TaxSheet sheet;
    const double total = entered(afterTaxText, &sheet.afterTax, locale);
    const Tax tax = taxOf(total, afterTaxShare(rate));
    if (tax.fault != calc::CalcFault::None) {
        sheet.tax = sheet.cost = calc::faultText(tax.fault);
        return sheet;
    }
    sheet.taxCents = tax.cents;
    sheet.tax = money::centsText(tax.cents, locale);
    sheet.cost = amountText(total - double(tax.cents) / 100.0, locale);
    return sheet;
}

QString taxSentence(double rate, const QString &costText, std::optional<qint64> taxCents,
                    const QString &afterTaxText, const QLocale &locale) {
    if (costText.isEmpty() || rate == 0.0 || !taxCents)
        return QStringLiteral(" ");
    return QStringLiteral("The tax on $") + costText + QStringLiteral(" at ") +
           text::number(rate * 100.0, locale) + QStringLiteral("% is $") +
           money::centsText(*taxCents, locale) + QStringLiteral(" for a total of $") +
           afterTaxText + u'.';
}

} // namespace vidorev::special
