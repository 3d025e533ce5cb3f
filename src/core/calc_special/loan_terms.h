#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The loan calculator's arithmetic: the monthly payment of an annuity, its total and the cost of
// the credit, and what paying the loan off early at a given payment costs and saves.
namespace vidorev::special {

// The number of monthly payments a text stands for: its number, or 24 when it is none.
double paymentCount(const QString &text, const QLocale &locale = QLocale());

struct LoanTerms {
    double rate = 0.0;     // annual, as a fraction: 0.219 for 21.9 %
    double amount = 0.0;   // the amount financed
    double payments = 0.0; // the number of monthly payments
};

// Every result as the calculator shows it. A result that cannot be worked out (no payments, an
// amount beyond whole cents) shows the error text, and so does each result built on it.
struct LoanSheet {
    std::optional<qint64> paymentCents; // the payment, rounded half up to the cent
    QString payment;
    QString total;                     // of payments
    QString cost;                      // of credit: total - amount financed
    std::optional<qint64> payoffCents; // the balance left after the payoff payment, cut to cents
    QString payoff;
    QString payoffTotal; // the balance plus that month's payment
    QString saving;      // the payments left over, less the balance
};

// The sheet for the terms and the early-payoff line's text. The payoff figures are 0 unless the
// text names a payment from 1 to the number of payments.
LoanSheet loanSheet(const LoanTerms &terms, const QString &payoffAt,
                    const QLocale &locale = QLocale());

} // namespace vidorev::special
