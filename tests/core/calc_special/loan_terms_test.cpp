#include "calc_special/loan_terms.h"
#include "test_env.h"

namespace vidorev::special {
namespace {

// Payment, total, cost, payoff, payoff total and saving, for a loan paid off at a payment.
TEST(LoanTerms, PaymentTotalCostAndEarlyPayoff) {
    const LoanTerms twoYears{0.219, 1000, 24};
    const std::tuple<LoanTerms, const char *, const char *> cases[] = {
        // 51.8287... rounded half up to the cent.
        {twoYears, "", "51.83 1243.92 243.92 0 0 0"},
        // Saving: 12 x 51.83 - 554.04; halves go to the even payment, the saving counts the
        // payments left as given.
        {twoYears, "12", "51.83 1243.92 243.92 554.04 605.87 67.92"},
        {twoYears, "12.5", "51.83 1243.92 243.92 554.04 605.87 42.005"},
        // Paid off at the last payment nothing is left, floating-point noise aside.
        {twoYears, "24", "51.83 1243.92 243.92 0 51.83 0"},
        // Outside 1 .. the number of payments there is no payoff.
        {twoYears, "25", "51.83 1243.92 243.92 0 0 0"},
        {twoYears, "abc", "51.83 1243.92 243.92 0 0 0"},
        {{0.0, 1200, 12}, "6", "100 1200 0 600 700 0"},
        {{0.219, 0, 24}, "12", "0 0 0 0 0 0"},
        // No payments: nothing to divide the amount by, with or without interest.
        {{0.219, 1000, 0}, "", "E/0 E/0 E/0 0 0 0"},
        {{0.0, 1000, 0}, "", "E/0 E/0 E/0 0 0 0"},
        {{0.219, 1e300, 24}, "12", "Eo Eo Eo Eo Eo Eo"}};
    for (const auto &[terms, payoffAt, expected] : cases) {
        const LoanSheet s = loanSheet(terms, payoffAt);
        const QString all =
            QStringList{s.payment, s.total, s.cost, s.payoff, s.payoffTotal, s.saving}
                .join(' ')
                .replace("Error: division by zero", "E/0")
                .replace("Error: overflow", "Eo");
        EXPECT_EQ(all, expected) << terms.rate << ' ' << terms.amount << " over " << terms.payments
                                 << " paid off at " << payoffAt;
    }
    EXPECT_EQ(paymentCount("240"), 240.0);
    EXPECT_EQ(paymentCount("two"), 24.0); // a count that is no number
}

} // namespace
} // namespace vidorev::special
