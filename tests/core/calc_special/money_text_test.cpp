#include "calc_special/money_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace vidorev::money {
namespace {

struct PercentCase {
    const char *text;
    double value;
};

void PrintTo(const PercentCase &c, std::ostream *os) {
    *os << '"' << c.text << '"';
}

class PercentRead : public ::testing::TestWithParam<PercentCase> {};

TEST_P(PercentRead, ReadsHundredthsOfNumbersAndZeroOtherwise) {
    EXPECT_DOUBLE_EQ(percentValue(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, PercentRead,
                         ::testing::Values(PercentCase{"7", 0.07}, PercentCase{"7.5", 0.075},
                                           PercentCase{"1e2", 1.0}, PercentCase{"-3", -0.03},
                                           PercentCase{" 7 ", 0.07}, PercentCase{"7%", 0.0},
                                           PercentCase{"", 0.0}, PercentCase{"abc", 0.0},
                                           PercentCase{"inf", 0.0}, PercentCase{"nan", 0.0}));

TEST(PercentText, ShowsTheValueTimesHundredInShortestForm) {
    EXPECT_EQ(percentText(0.075), QStringLiteral("7.5"));
    EXPECT_EQ(percentText(0.07), QStringLiteral("7"));
    EXPECT_EQ(percentText(0.0), QStringLiteral("0"));
    // A written value reads back as written.
    EXPECT_DOUBLE_EQ(percentValue(percentText(0.07)), 0.07);
}

struct CutCase {
    double value;
    qint32 cents;
    const char *shown;
};

void PrintTo(const CutCase &c, std::ostream *os) {
    *os << c.value;
}

class CutToCents : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutToCents, CutsTheFloatingPointProductDownwards) {
    const CutCase &c = GetParam();
    EXPECT_EQ(cutToCents(c.value), c.cents);
    EXPECT_EQ(centsText(cutToCents(c.value)), QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Amounts, CutToCents,
                         ::testing::Values(CutCase{0.29, 28, "0.28"}, CutCase{1.15, 114, "1.14"},
                                           CutCase{-0.001, -1, "-0.01"},
                                           CutCase{1.239, 123, "1.23"},
                                           CutCase{-1.231, -124, "-1.24"}, CutCase{1.2, 120, "1.2"},
                                           CutCase{1.0, 100, "1"}, CutCase{45.999, 4599, "45.99"},
                                           CutCase{0.0, 0, "0"}, CutCase{25.0 / 60.0, 41, "0.41"},
                                           CutCase{1.5, 150, "1.5"}));

TEST(CutToCents, HoldsOutOfRangeAmountsAtTheLimits) {
    EXPECT_EQ(cutToCents(1e300), std::numeric_limits<qint32>::max());
    EXPECT_EQ(cutToCents(-1e300), std::numeric_limits<qint32>::min());
    EXPECT_EQ(cutToCents(std::numeric_limits<double>::infinity()),
              std::numeric_limits<qint32>::max());
    EXPECT_EQ(cutToCents(std::nan("")), 0);
}

TEST(PennyValue, ReadsTypedTextAsTypedAndNonNumbersAsZero) {
    EXPECT_DOUBLE_EQ(pennyValue(QStringLiteral("45.999")), 45.999);
    EXPECT_DOUBLE_EQ(pennyValue(QStringLiteral("-3")), -3.0);
    EXPECT_DOUBLE_EQ(pennyValue(QStringLiteral("12 dollars")), 0.0);
    EXPECT_DOUBLE_EQ(pennyValue(centsText(cutToCents(45.999))), 45.99);
}

TEST(NumberTest, FollowsTheLocaleDecimalSeparator) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_DOUBLE_EQ(percentValue(QStringLiteral("7,5"), german), 0.075);
    EXPECT_EQ(percentText(0.075, german), QStringLiteral("7,5"));
    EXPECT_EQ(centsText(123, german), QStringLiteral("1,23"));
}

} // namespace
} // namespace vidorev::money
