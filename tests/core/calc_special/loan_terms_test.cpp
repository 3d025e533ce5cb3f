#include "calc_special/loan_terms.h"
#include "test_env.h" // readable QString failures

#include <gtest/gtest.h>

namespace vidorev::special {
namespace {

const char *const kDivide = "Error: division by zero";
const char *const kOverflow = "Error: overflow";

struct LoanCase {
    LoanTerms terms;
    const char *payoffAt;
    const char *payment, *total, *cost, *payoff, *payoffTotal, *saving;
};

TEST(LoanTerms, PaymentTotalCostAndEarlyPayoff) {
    const LoanTerms twoYears{0.219, 1000, 24};
    const LoanCase cases[] = {
        // 51.8287... rounded half up to the cent.
        {twoYears, "", "51.83", "1243.92", "243.92", "0", "0", "0"},
        // Saving: 12 x 51.83 - 554.04.
        {twoYears, "12", "51.83", "1243.92", "243.92", "554.04", "605.87", "67.92"},
        // Halves go to the even payment; the saving counts the payments left as given.
        {twoYears, "12.5", "51.83", "1243.92", "243.92", "554.04", "605.87", "42.005"},
        // Paid off at the last payment nothing is left, floating-point noise aside.
        {twoYears, "24", "51.83", "1243.92", "243.92", "0", "51.83", "0"},
        // Outside 1 .. the number of payments there is no payoff.
        {twoYears, "25", "51.83", "1243.92", "243.92", "0", "0", "0"},
        {twoYears, "0.4", "51.83", "1243.92", "243.92", "0", "0", "0"},
        {twoYears, "abc", "51.83", "1243.92", "243.92", "0", "0", "0"},
        {{0.0, 1200, 12}, "", "100", "1200", "0", "0", "0", "0"},
        {{0.0, 1200, 12}, "6", "100", "1200", "0", "600", "700", "0"},
        {{0.219, 0, 24}, "12", "0", "0", "0", "0", "0", "0"},
        // No payments: nothing to divide the amount by, with or without interest.
        {{0.219, 1000, 0}, "", kDivide, kDivide, kDivide, "0", "0", "0"},
        {{0.0, 1000, 0}, "", kDivide, kDivide, kDivide, "0", "0", "0"},
        {{0.219, 1e300, 24},
         "12",
         kOverflow,
         kOverflow,
         kOverflow,
         kOverflow,
         kOverflow,
         kOverflow},
    };
    for (const LoanCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.terms.rate << ' ' << c.terms.amount << " over "
                                        << c.terms.payments << " paid off at " << c.payoffAt);
        const LoanSheet sheet = loanSheet(c.terms, QString::fromUtf8(c.payoffAt));
        EXPECT_EQ(sheet.payment, QString::fromUtf8(c.payment));
        EXPECT_EQ(sheet.total, QString::fromUtf8(c.total));
        EXPECT_EQ(sheet.cost, QString::fromUtf8(c.cost));
        EXPECT_EQ(sheet.payoff, QString::fromUtf8(c.payoff));
        EXPECT_EQ(sheet.payoffTotal, QString::fromUtf8(c.payoffTotal));
        EXPECT_EQ(sheet.saving, QString::fromUtf8(c.saving));
    }
}

TEST(LoanTerms, APaymentCountThatIsNoNumberIsTwentyFour) {
    EXPECT_EQ(paymentCount(QStringLiteral("240")), 240.0);
    EXPECT_EQ(paymentCount(QStringLiteral("two")), 24.0);
}

} // namespace
} // namespace vidorev::special
