#include "calc_special/loan_terms.h"

#include "calc/calc_fault.h"
#include "calc_special/money_text.h"

#include <cmath>

namespace vidorev::special {

using calc::CalcFault;
using calc::Outcome;

namespace {

constexpr double kCentsLimit = 9.2e16; // amounts a money box can hold as whole cents

// The exact monthly payment that pays amount off in n payments at the monthly rate r.
Outcome annuityPayment(double r, double n, double amount) {
    if (n == 0.0)
        return {0.0, CalcFault::DivideByZero};
    if (r == 0.0)
        return calc::checked(amount / n);
    const double discount = 1.0 - std::pow(1.0 + r, -n);
    if (discount == 0.0)
        return {0.0, CalcFault::DivideByZero};
    return calc::checked(amount * r / discount);
}

// The balance left after k payments of payment: the amount grown by k months of interest, less
// the payments grown likewise. In closed form, so a payment far down a long loan costs no more.
Outcome balanceAfter(double r, double k, double amount, double payment) {
    if (r == 0.0)
        return calc::checked(amount - payment * k);
    const double growth = std::pow(1.0 + r, k);
    return calc::checked(amount * growth - payment * (growth - 1.0) / r);
}

// Whole cents of an amount, or the fault that keeps it from being shown as one.
Outcome inCents(Outcome amount) {
    if (amount.ok() && std::fabs(amount.value) >= kCentsLimit)
        amount.fault = CalcFault::Overflow;
    return amount;
}

QString shown(Outcome amount, const QLocale &locale) {
    return amount.ok() ? money::amountText(amount.value, locale) : calc::faultText(amount.fault);
}

} // namespace

double paymentCount(const QString &text, const QLocale &locale) {
    return money::parseNumber(text, locale).value_or(24.0);
}

LoanSheet loanSheet(const LoanTerms &terms, const QString &payoffAt, const QLocale &locale) {
    LoanSheet sheet;
    const double r = terms.rate / 12.0;
    const double n = terms.payments;

    Outcome exact{0.0, CalcFault::None};
    Outcome rounded{0.0, CalcFault::None};
    if (terms.amount != 0.0) {
        exact = annuityPayment(r, n, terms.amount);
        rounded = inCents(exact.ok() ? calc::checked(exact.value + 0.005) : exact);
    }
    if (rounded.ok()) {
        sheet.paymentCents = money::cutToCents(rounded.value);
        rounded.value = double(*sheet.paymentCents) / 100.0;
        sheet.payment = money::centsText(*sheet.paymentCents, locale);
    } else {
        sheet.payment = calc::faultText(rounded.fault);
    }
    const Outcome total = rounded.ok() ? calc::checked(rounded.value * n) : rounded;
    sheet.total = shown(total, locale);
    sheet.cost = shown(total.ok() ? calc::checked(total.value - terms.amount) : total, locale);

    sheet.payoff = money::centsText(0, locale);
    sheet.payoffTotal = sheet.saving = money::amountText(0.0, locale);
    const std::optional<double> p = money::parseNumber(payoffAt, locale);
    if (!p || *p < 1.0 || *p > n)
        return sheet;
    // The payment count is taken to the nearest whole payment, halves to even.
    const Outcome balance = inCents(
        rounded.ok() ? balanceAfter(r, std::nearbyint(*p), terms.amount, exact.value) : rounded);
    if (!balance.ok()) {
        sheet.payoff = sheet.payoffTotal = sheet.saving = calc::faultText(balance.fault);
        return sheet;
    }
    sheet.payoffCents = money::cutToCents(balance.value);
    const double payoff = double(*sheet.payoffCents) / 100.0;
    sheet.payoff = money::centsText(*sheet.payoffCents, locale);
    sheet.payoffTotal = shown(calc::checked(payoff + rounded.value), locale);
    sheet.saving = shown(calc::checked((n - *p) * rounded.value - payoff), locale);
    return sheet;
}

} // namespace vidorev::special
