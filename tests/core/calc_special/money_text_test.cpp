#include "calc_special/money_text.h"
#include "test_env.h"

#include <cmath>
#include <limits>

namespace vidorev::money {
namespace {

TEST(MoneyText, PercentTextReadsHundredthsOfANumberAndZeroOtherwise) {
    const std::pair<const char *, double> cases[] = {{"7.5", 0.075}, {"1e2", 1.0}, {"-3", -0.03},
                                                     {" 7 ", 0.07},  {"7%", 0.0},  {"", 0.0},
                                                     {"inf", 0.0},   {"nan", 0.0}};
    for (const auto &[text, value] : cases)
        EXPECT_DOUBLE_EQ(percentValue(text), value) << text;
    EXPECT_EQ(percentText(0.075), "7.5");
    EXPECT_EQ(pennyValue("45.999"), 45.999); // a typed amount reads as typed
}

// Amounts are cut down to the cent as decimal amounts, out of range they stop at the limits;
// hours are billed from the minutes as exact hundredths of an hour, cut down, whether taken from
// the whole minutes or from the hours as a floating-point number.
TEST(MoneyText, CentsAreCutDownwardsAndHoursAreExactHundredths) {
    QStringList shown;
    for (double value : {0.29, 1.15, -0.29, 0.1 + 0.2, -0.001, 1.239, -1.231, 1.0, 45.999,
                         25.0 / 60, -25.0 / 60, std::nextafter(1.15, 0.0), 12345678.9, 1e300,
                         -1e300, std::numeric_limits<double>::infinity(), std::nan("")})
        shown << centsText(cutToCents(value));
    EXPECT_EQ(shown.join(' '), "0.29 1.15 -0.29 0.3 -0.01 1.23 -1.24 1 45.99 0.41 -0.42 1.15 "
                               "12345678.9 92233720368547758.07 -92233720368547758.08 "
                               "92233720368547758.07 0");
    for (int minutes = 0; minutes <= 3000; ++minutes) {
        ASSERT_EQ(hoursCents(minutes), qint64(minutes) * 100 / 60) << minutes;
        ASSERT_EQ(cutToCents(minutes / 60.0), qint64(minutes) * 100 / 60) << minutes;
    }
    EXPECT_EQ(centsText(hoursCents(std::numeric_limits<int>::max())), "35791394.11");
    EXPECT_EQ(hoursCents(-1), -2);
}

TEST(MoneyText, NumbersFollowTheLocale) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_DOUBLE_EQ(percentValue("7,5", german), 0.075);
    EXPECT_EQ(percentText(0.075, german), "7,5");
    EXPECT_EQ(centsText(-123456705, german), "-1234567,05");
}

} // namespace
} // namespace vidorev::money
