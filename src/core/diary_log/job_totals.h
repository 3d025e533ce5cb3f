#pragma once

#include "diary_log/line_reader.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <functional>
#include <limits>
#include <memory>
#include <vector>

// Minutes and cash per job code over a whole Diary, optionally per day: the figures a bill or a
// weekly chart is made from. A code's totals are exactly what the log reader adds up with that
// code in its job-tag box: the real run minutes of its Stop records and the real amounts of its
// Memo records, added in the Diary's order; a figure that cannot be real is noted, not added.
namespace vidorev::diary {

struct JobTotal {
    QByteArray code; // as written in the Diary (escaped), bytes as they are
    qint64 minutes = 0;
    double cash = 0.0;
};

// One code on one local day. A run is counted on the days it spanned, split at local midnights
// on real elapsed time; a memo's amount on the memo's own date. There is no day for what has
// none to go on (a Stop without an earlier Start of its job and task, a memo without a date),
// so a code's days always add up to its total.
struct JobDay {
    static constexpr qint32 kNoDay = std::numeric_limits<qint32>::min();
    quint32 job = 0;     // index in JobTotals::jobs
    qint32 day = kNoDay; // Julian day
    qint64 minutes = 0;
    double cash = 0.0;

    QDate date() const { return day == kNoDay ? QDate() : QDate::fromJulianDay(day); }
};

// Which days a reading keeps per day: none; every day, the undated included (first and last
// invalid); or only the days from first to last.
struct DaySpan {
    bool perDay = false;
    QDate first;
    QDate last;
};

struct DayLedger;

struct JobTotals {
    std::vector<JobTotal> jobs; // by code (bytewise)
    QString error;              // the Diary could not be read to its end
    BadLines bad;               // lines not counted

    // Each kept day, by code and then day (the undated first). Runs are kept whole and split
    // into their days only here, so memory follows the Diary's records, never the days they
    // span; every call expands them afresh.
    void forEachDay(const std::function<void(const JobDay &)> &visit) const;

    std::shared_ptr<const DayLedger> ledger; // what forEachDay() expands
};

using TotalsProgress = std::function<void(qint64 done, qint64 total)>;

// Reads the reader's Diary from where it stands to its end.
JobTotals totalsOf(LineReader &reader, const DaySpan &days, const TotalsProgress &progress = {});
inline JobTotals totalsOf(LineReader &reader, bool perDay, const TotalsProgress &progress = {}) {
    return totalsOf(reader, DaySpan{perDay, {}, {}}, progress);
}

// Hours as the log reader's hours box shows them and every report of hours prints them (the
// totals, the week chart): minutes / 60 cut to whole cents (money::hoursCents), in the C locale:
// 90 -> "1.5", 1 -> "0.01". A job's hours come from its summed minutes, never from a sum of hours
// already cut.
QString hoursText(qint64 minutes);

// Per day, a run longer than this many minutes (a clock left running for over a year) is counted
// whole on its last day.
constexpr qint64 kLongestSplitRun = qint64(400) * 24 * 60;

} // namespace vidorev::diary
