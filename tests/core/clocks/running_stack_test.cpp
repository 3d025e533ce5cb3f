#include "clocks/running_stack.h"
#include "local_zone.h"

#include "test_env.h"

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

// New York's clocks go back at 02:00 EDT on 2026-11-01 and forward at 02:00 EST on 2026-03-08.
// Each end is cut to the minute on its own clock face, so a time in the repeated hour keeps its
// offset, and the minutes are the real time between the cuts.
TEST(Minutes, CountRealTimeAcrossDaylightSavingChanges) {
    const test::LocalZone zone("America/New_York");
    const struct {
        const char *from, *to;
        int minutes;
    } cases[] = {{"2026-11-01T01:59:59-04:00", "2026-11-01T01:00:00-05:00", 1},
                 {"2026-11-01T01:30:45-04:00", "2026-11-01T01:10:15-05:00", 40},
                 {"2026-11-01T01:30:45-05:00", "2026-11-01T01:50:15-05:00", 20},
                 {"2026-11-01T01:10:15-05:00", "2026-11-01T01:30:45-04:00", 0},
                 {"2026-03-08T01:59:59-05:00", "2026-03-08T03:00:00-04:00", 1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        EXPECT_EQ(minutesBetween(test::localAt(c.from), test::localAt(c.to)), c.minutes);
    }
}

} // namespace
} // namespace vidorev::running_stack
