#include "clocks/running_stack.h"

#include <gtest/gtest.h>

#include <limits>

namespace vidorev::running_stack {
namespace {

QDateTime at(int h, int m, int s, int day = 4) {
    return QDateTime(QDate(2026, 12, day), QTime(h, m, s));
}

TEST(Minutes, CountMinuteBoundariesCrossedUpToTheThirtyTwoBitLimit) {
    const int most = std::numeric_limits<int>::max();
    struct Case {
        QDateTime from, to;
        int minutes;
    };
    for (const Case &c :
         {Case{at(10, 0, 59), at(10, 1, 0), 1}, Case{at(10, 0, 0), at(10, 0, 59), 0},
          Case{at(10, 0, 30), at(10, 25, 10), 25}, Case{at(23, 59, 59), at(0, 0, 0, 5), 1},
          // A start that is not a date, or one after the end, counts nothing.
          Case{QDateTime(), at(10, 0, 0), 0}, Case{at(10, 30, 0), at(10, 0, 0), 0},
          Case{QDateTime(QDate(1, 1, 1), QTime(0, 0)), at(10, 0, 0).addYears(7000), most}}) {
        SCOPED_TRACE(c.from.toString(Qt::ISODate).toStdString() + " -> " +
                     c.to.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(minutesBetween(c.from, c.to), c.minutes);
    }
    EXPECT_EQ(addMinutes(most, 5), most);
    EXPECT_EQ(addMinutes(-3, 5), 2);
}

} // namespace
} // namespace vidorev::running_stack
