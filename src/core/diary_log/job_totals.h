#pragma once

#include "diary_log/line_reader.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <functional>
#include <vector>

// Minutes and cash per job code over a whole Diary, optionally per day: the figures a bill or a
// weekly chart is made from. A code's totals are exactly what the log reader adds up with that
// code in its job-tag box: the run minutes of its Stop records and the amounts of its Memo
// records, added in the Diary's order.
namespace vidorev::diary {

struct JobTotal {
    QByteArray code; // as written in the Diary (escaped), bytes as they are
    qint64 minutes = 0;
    double cash = 0.0;
};

// One code on one local day. A run is counted on the days it spanned, split at local midnights
// on real elapsed time; a memo's amount on the memo's own date. day is invalid for what has no
// day to go on (a Stop without an earlier Start of its job and task, a memo without a date), so
// a code's days always add up to its total.
struct JobDay {
    QByteArray code;
    QDate day;
    qint64 minutes = 0;
    double cash = 0.0;
};

struct JobTotals {
    std::vector<JobTotal> jobs; // by code (bytewise)
    std::vector<JobDay> days;   // by code, then day (the undated first); empty unless asked for
    QString error;              // the Diary could not be read to its end
};

using TotalsProgress = std::function<void(qint64 done, qint64 total)>;

// Reads the reader's Diary from where it stands to its end.
JobTotals totalsOf(LineReader &reader, bool perDay, const TotalsProgress &progress = {});

// Per day, a run longer than this many minutes (a clock left running for over a year) is counted
// whole on its last day.
constexpr qint64 kLongestSplitRun = qint64(400) * 24 * 60;

} // namespace vidorev::diary
