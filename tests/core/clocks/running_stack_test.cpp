#include "clocks/running_stack.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace vidorev::running_stack {
namespace {

QDateTime at(int h, int m, int s) {
    return QDateTime(QDate(2026, 12, 4), QTime(h, m, s));
}

struct MinuteCase {
    QDateTime from;
    QDateTime to;
    int minutes;
};

void PrintTo(const MinuteCase &c, std::ostream *os) {
    *os << c.from.toString(Qt::ISODate).toStdString() << " -> "
        << c.to.toString(Qt::ISODate).toStdString();
}

class Minutes : public ::testing::TestWithParam<MinuteCase> {};

TEST_P(Minutes, CountMinuteBoundariesCrossed) {
    EXPECT_EQ(minutesBetween(GetParam().from, GetParam().to), GetParam().minutes);
}

INSTANTIATE_TEST_SUITE_P(
    Spans, Minutes,
    ::testing::Values(MinuteCase{at(10, 0, 59), at(10, 1, 0), 1},
                      MinuteCase{at(10, 0, 0), at(10, 0, 59), 0},
                      MinuteCase{at(10, 0, 30), at(10, 25, 10), 25},
                      MinuteCase{at(23, 59, 59), QDateTime(QDate(2026, 12, 5), QTime(0, 0)), 1},
                      // A start that is not a date, or one after the end, counts nothing.
                      MinuteCase{QDateTime(), at(10, 0, 0), 0},
                      MinuteCase{at(10, 30, 0), at(10, 0, 0), 0}));

TEST(Minutes, StopAtTheThirtyTwoBitLimit) {
    const QDateTime from(QDate(1, 1, 1), QTime(0, 0));
    const QDateTime to(QDate(9000, 1, 1), QTime(0, 0));
    EXPECT_EQ(minutesBetween(from, to), std::numeric_limits<int>::max());
    EXPECT_EQ(addMinutes(std::numeric_limits<int>::max(), 5), std::numeric_limits<int>::max());
    EXPECT_EQ(addMinutes(-3, 5), 2);
}

TEST(Chain, PushPopAndTopFollowTheStoredForm) {
    QString chain;
    chain = pushed(chain, QStringLiteral("annTC1"));
    chain = pushed(chain, QStringLiteral("annDoData5"));
    EXPECT_EQ(chain, QStringLiteral(":annTC1:annDoData5"));
    EXPECT_EQ(top(chain), QStringLiteral("annDoData5"));
    EXPECT_EQ(popped(chain), QStringLiteral(":annTC1"));
    EXPECT_EQ(top(popped(popped(chain))), QString());
    EXPECT_EQ(entries(chain),
              (QStringList{QStringLiteral("annTC1"), QStringLiteral("annDoData5")}));
}

TEST(Chain, WithoutTakesOutOnlyTheLastEntryOfThatSection) {
    const QString chain = QStringLiteral(":annTC1:annTC2:annTC1:annTC3");
    EXPECT_EQ(without(chain, QStringLiteral("ANNtc1")), QStringLiteral(":annTC1:annTC2:annTC3"));
    EXPECT_EQ(without(chain, QStringLiteral("annTC4")), chain);
    // An entry must match whole: "annTC1" is not part of "annTC12".
    EXPECT_EQ(without(QStringLiteral(":annTC12"), QStringLiteral("annTC1")),
              QStringLiteral(":annTC12"));
}

} // namespace
} // namespace vidorev::running_stack
