#include "calc_special/sales_tax.h"
#include "test_env.h" // readable QString failures

#include <gtest/gtest.h>

namespace vidorev::special {
namespace {

const char *const kDivide = "Error: division by zero";
const char *const kOverflow = "Error: overflow";

struct TaxCase {
    double rate;
    bool fromCost; // else from the after-tax total
    const char *entered;
    const char *cost, *tax, *afterTax;
};

TEST(SalesTax, EitherAmountGivesTheTaxCutToCentsAndTheOther) {
    const TaxCase cases[] = {
        {0.07, true, "42.95", "42.95", "3", "45.95"},       // 3.0065 cut down
        {0.0775, false, "107.75", "100", "7.75", "107.75"}, // held a hair above 7.75
        {0.10, false, "100", "90.91", "9.09", "100"},       // 9.0909... cut down
        {0.07, true, "x", "0", "0", "0"},
        {0.07, false, "", "0", "0", "0"},
        // A negative rate is a discount, both ways.
        {-0.20, true, "100", "100", "-20", "80"},
        {-0.20, false, "80", "100", "-20", "80"},
        // A zero rate has no tax in a total either.
        {0.0, false, "100", "100", "0", "100"},
        // At -100 % every cost totals 0, so no total tells its cost.
        {-1.0, true, "50", "50", "-50", "0"},
        {-1.0, false, "50", kDivide, kDivide, "50"},
        // Amounts beyond whole cents.
        {0.07, true, "1e300", "1e300", kOverflow, kOverflow},
        {1e10, false, "1e300", kOverflow, kOverflow, "1e300"},
    };
    for (const TaxCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.rate << (c.fromCost ? " on " : " in ") << c.entered);
        const QString entered = QString::fromUtf8(c.entered);
        const TaxSheet sheet =
            c.fromCost ? taxFromCost(c.rate, entered) : taxFromTotal(c.rate, entered);
        EXPECT_EQ(sheet.cost, QString::fromUtf8(c.cost));
        EXPECT_EQ(sheet.tax, QString::fromUtf8(c.tax));
        EXPECT_EQ(sheet.afterTax, QString::fromUtf8(c.afterTax));
        EXPECT_EQ(sheet.taxCents.has_value(), sheet.tax[0] != u'E');
    }
    EXPECT_NEAR(*afterTaxShare(0.0775), 0.0719258, 1e-7);
}

TEST(SalesTax, TheSentenceTellsTheWholeResultOrIsASpace) {
    EXPECT_EQ(taxSentence(0.07, "42.95", 300, "45.95"),
              QStringLiteral("The tax on $42.95 at 7% is $3 for a total of $45.95."));
    EXPECT_EQ(taxSentence(0.0775, "100", 775, "107.75"),
              QStringLiteral("The tax on $100 at 7.75% is $7.75 for a total of $107.75."));
    EXPECT_EQ(taxSentence(0.07, "", 0, "0"), QStringLiteral(" "));
    EXPECT_EQ(taxSentence(0.0, "42.95", 0, "42.95"), QStringLiteral(" "));
    EXPECT_EQ(taxSentence(-1.0, kDivide, std::nullopt, "50"), QStringLiteral(" "));
}

} // namespace
} // namespace vidorev::special
