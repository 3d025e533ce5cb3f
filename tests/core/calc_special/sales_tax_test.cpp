#include "calc_special/sales_tax.h"
#include "test_env.h"

namespace vidorev::special {
namespace {

// Either amount gives the tax, cut to cents, and the other amount: cost, tax, after tax.
TEST(SalesTax, EitherAmountGivesTheTaxCutToCentsAndTheOther) {
    const std::tuple<double, bool, const char *, const char *> cases[] = {
        // from the cost?
        {0.07, true, "42.95", "42.95 3 45.95"},       // 3.0065 cut down
        {0.0775, false, "107.75", "100 7.75 107.75"}, // held a hair above 7.75
        {0.10, false, "100", "90.91 9.09 100"},       // 9.0909... cut down
        {0.07, true, "x", "0 0 0"},
        {0.07, false, "", "0 0 0"},
        {-0.20, true, "100", "100 -20 80"}, // a negative rate is a discount, both ways
        {-0.20, false, "80", "100 -20 80"},
        {0.0, false, "100", "100 0 100"}, // a zero rate has no tax in a total either
        // At -100 % every cost totals 0, so no total tells its cost.
        {-1.0, true, "50", "50 -50 0"},
        {-1.0, false, "50", "E/0 E/0 50"},
        {0.07, true, "1e300", "1e300 Eo Eo"}, // amounts beyond whole cents
        {1e10, false, "1e300", "Eo Eo 1e300"}};
    for (const auto &[rate, fromCost, entered, expected] : cases) {
        const TaxSheet s = fromCost ? taxFromCost(rate, entered) : taxFromTotal(rate, entered);
        EXPECT_EQ(QStringList({s.cost, s.tax, s.afterTax})
                      .join(' ')
                      .replace("Error: division by zero", "E/0")
                      .replace("Error: overflow", "Eo"),
                  expected)
            << rate << (fromCost ? " on " : " in ") << entered;
        EXPECT_EQ(s.taxCents.has_value(), s.tax[0] != u'E');
    }
    EXPECT_NEAR(*afterTaxShare(0.0775), 0.0719258, 1e-7);
}

TEST(SalesTax, TheSentenceTellsTheWholeResultOrIsASpace) {
    EXPECT_EQ(taxSentence(0.0775, "100", 775, "107.75"),
              "The tax on $100 at 7.75% is $7.75 for a total of $107.75.");
    EXPECT_EQ(taxSentence(0.07, "", 0, "0"), " ");
    EXPECT_EQ(taxSentence(0.0, "42.95", 0, "42.95"), " ");
    EXPECT_EQ(taxSentence(-1.0, "Error: division by zero", std::nullopt, "50"), " ");
}

} // namespace
} // namespace vidorev::special
