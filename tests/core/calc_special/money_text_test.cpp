#include "calc_special/money_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vidorev::money {
namespace {

TEST(MoneyText, PercentTextReadsHundredthsOfANumberAndZeroOtherwise) {
    const std::pair<const char *, double> cases[] = {
        {"7", 0.07}, {"7.5", 0.075}, {"1e2", 1.0}, {"-3", -0.03}, {" 7 ", 0.07},
        {"7%", 0.0}, {"", 0.0},      {"abc", 0.0}, {"inf", 0.0},  {"nan", 0.0}};
    for (const auto &[text, value] : cases) {
        SCOPED_TRACE(text);
        EXPECT_DOUBLE_EQ(percentValue(QString::fromUtf8(text)), value);
    }
    EXPECT_EQ(percentText(0.075), QStringLiteral("7.5"));
}

TEST(MoneyText, CutToCentsTakesTheDecimalAmountDownwards) {
    const std::pair<double, const char *> cases[] = {{0.29, "0.29"},
                                                     {1.15, "1.15"},
                                                     {-0.29, "-0.29"},
                                                     {0.1 + 0.2, "0.3"},
                                                     {-0.001, "-0.01"},
                                                     {1.239, "1.23"},
                                                     {-1.231, "-1.24"},
                                                     {1.2, "1.2"},
                                                     {1.0, "1"},
                                                     {45.999, "45.99"},
                                                     {0.0, "0"},
                                                     {25.0 / 60, "0.41"},
                                                     {-25.0 / 60, "-0.42"},
                                                     {std::nextafter(1.15, 0.0), "1.15"},
                                                     {12345678.9, "12345678.9"}};
    for (const auto &[value, shown] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(centsText(cutToCents(value)), QString::fromUtf8(shown));
    }
}

// Hours are billed from the minutes: every tally shows the exact hundredths of an hour, cut down,
// whether taken from the whole minutes or from the hours as a floating-point number.
TEST(MoneyText, HoursFromMinutesAreExactToTheCent) {
    for (int minutes = 0; minutes <= 3000; ++minutes) {
        const qint64 exact = qint64(minutes) * 100 / 60;
        ASSERT_EQ(hoursCents(minutes), exact) << minutes;
        ASSERT_EQ(cutToCents(minutes / 60.0), exact) << minutes;
    }
    EXPECT_EQ(centsText(hoursCents(69)), QStringLiteral("1.15"));
    EXPECT_EQ(centsText(hoursCents(std::numeric_limits<int>::max())),
              QStringLiteral("35791394.11"));
    EXPECT_EQ(hoursCents(-1), -2);
    EXPECT_EQ(hoursCents(-60), -100);
}

TEST(MoneyText, AmountsOutOfRangeStopAtTheLimits) {
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    EXPECT_EQ(cutToCents(1e300), most);
    EXPECT_EQ(cutToCents(-1e300), std::numeric_limits<qint64>::min());
    EXPECT_EQ(cutToCents(std::numeric_limits<double>::infinity()), most);
    EXPECT_EQ(cutToCents(std::nan("")), 0);
    EXPECT_EQ(centsText(most), QStringLiteral("92233720368547758.07"));
    EXPECT_EQ(centsText(std::numeric_limits<qint64>::min()),
              QStringLiteral("-92233720368547758.08"));
}

TEST(MoneyText, NumbersFollowTheLocale) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_DOUBLE_EQ(percentValue(QStringLiteral("7,5"), german), 0.075);
    EXPECT_EQ(percentText(0.075, german), QStringLiteral("7,5"));
    EXPECT_EQ(centsText(123, german), QStringLiteral("1,23"));
    EXPECT_EQ(centsText(-123456705, german), QStringLiteral("-1234567,05"));
}

} // namespace
} // namespace vidorev::money
