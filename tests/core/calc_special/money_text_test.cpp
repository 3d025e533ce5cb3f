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

TEST(MoneyText, CutToCentsTakesTheFloatingPointProductDownwards) {
    const std::pair<double, const char *> cases[] = {
        {0.29, "0.28"}, {1.15, "1.14"}, {-0.001, "-0.01"}, {1.239, "1.23"}, {-1.231, "-1.24"},
        {1.2, "1.2"},   {1.0, "1"},     {45.999, "45.99"}, {0.0, "0"},      {25.0 / 60, "0.41"}};
    for (const auto &[value, shown] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(centsText(cutToCents(value)), QString::fromUtf8(shown));
    }
}

TEST(MoneyText, AmountsOutOfRangeStopAtTheLimits) {
    EXPECT_EQ(cutToCents(1e300), std::numeric_limits<qint32>::max());
    EXPECT_EQ(cutToCents(-1e300), std::numeric_limits<qint32>::min());
    EXPECT_EQ(cutToCents(std::numeric_limits<double>::infinity()),
              std::numeric_limits<qint32>::max());
    EXPECT_EQ(cutToCents(std::nan("")), 0);
}

TEST(MoneyText, NumbersFollowTheLocale) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_DOUBLE_EQ(percentValue(QStringLiteral("7,5"), german), 0.075);
    EXPECT_EQ(percentText(0.075, german), QStringLiteral("7,5"));
    EXPECT_EQ(centsText(123, german), QStringLiteral("1,23"));
}

} // namespace
} // namespace vidorev::money
