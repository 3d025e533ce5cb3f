#include "diary_log/job_totals.h"

#include "calc_special/money_text.h"
#include "diary_log/line_parse.h"

#include <QDateTime>
#include <QHash>

#include <algorithm>
#include <map>
#include <numeric>

namespace vidorev::diary {

namespace {
constexpr int kProgressEvery = 4096;
constexpr qint64 kUndated = JobDay::kNoDay;
constexpr qint64 kDaySeconds = 24 * 60 * 60;

QByteArray runKey(const ParsedLine &p) {
    QByteArray key;
    key.reserve(p.tag.size() + p.task.size() + 1);
    key.append(p.tag).append('\0').append(p.task);
    return key;
}

// A moment in real seconds and the local day it falls on.
struct Moment {
    qint64 secs = 0;
    qint64 day = kUndated; // Julian day
};

// Local midnights in real seconds, cached by day. On a day of 24 hours (all but the days the
// clocks change) a wall time is its midnight plus the time, with no time-zone lookup.
class LocalDays {
public:
    qint64 midnight(qint64 day) {
        const auto known = m_midnights.constFind(day);
        if (known != m_midnights.cend())
            return *known;
        const qint64 secs = QDate::fromJulianDay(day).startOfDay().toSecsSinceEpoch();
        m_midnights.insert(day, secs);
        return secs;
    }
    Moment at(qint64 day, const QTime &time) {
        const qint64 from = midnight(day);
        if (midnight(day + 1) - from == kDaySeconds)
            return {from + time.msecsSinceStartOfDay() / 1000, day};
        return {QDateTime(QDate::fromJulianDay(day), time).toSecsSinceEpoch(), day};
    }
    // When the clocks go back, a wall time of the repeated hour names two moments: the first
    // is at(), this is the second (or at() itself on any other day and hour).
    Moment secondAt(qint64 day, const QTime &time) {
        const Moment first = at(day, time);
        if (midnight(day + 1) - midnight(day) <= kDaySeconds)
            return first;
        const qint64 later = first.secs + (midnight(day + 1) - midnight(day) - kDaySeconds);
        const QDateTime again = QDateTime::fromSecsSinceEpoch(later);
        if (again.date() == QDate::fromJulianDay(day) && again.time() == time)
            return {later, day};
        return first;
    }

private:
    QHash<qint64, qint64> m_midnights;
};

// A Stop carries a time only. It ended on the day of its run's Start, or the next day when its
// time is earlier; a run of a day or more ended on the day that fits its minutes best.
Moment runEnd(LocalDays &days, const Moment &start, const QTime &stop, qint64 minutes) {
    Moment end = days.at(start.day, stop);
    if (end.secs < start.secs)
        end = days.at(start.day + 1, stop);
    if (minutes <= 0 || minutes > kLongestSplitRun)
        return end;
    const qint64 expected = start.secs + minutes * 60;
    for (;;) {
        const Moment later = days.at(end.day + 1, stop);
        if (qAbs(later.secs - expected) >= qAbs(end.secs - expected))
            break;
        end = later;
    }
    // A stop in the repeated hour of the autumn change: the pass its run minutes point at.
    const Moment second = days.secondAt(end.day, stop);
    return qAbs(second.secs - expected) < qAbs(end.secs - expected) ? second : end;
}

// The first local day of the run of minutes that ended at end.
qint64 firstDayOf(LocalDays &days, const Moment &end, qint64 minutes) {
    const qint64 start = end.secs - minutes * 60;
    qint64 day = end.day - minutes / (24 * 60);
    while (days.midnight(day) > start)
        --day;
    while (day < end.day && days.midnight(day + 1) <= start)
        ++day;
    return day;
}

struct Figures {
    qint64 minutes = 0;
    double cash = 0.0;
};

// A figure on one day: the job in the upper half of the key, the day (made unsigned, in order,
// the undated first) in the lower, so that keys order by job and then day.
quint64 dayKey(quint32 job, qint64 day) {
    return quint64(job) << 32 | (quint32(qint32(day)) ^ 0x80000000u);
}
quint32 jobOfKey(quint64 key) {
    return quint32(key >> 32);
}
qint32 dayOfKey(quint64 key) {
    return qint32(quint32(key) ^ 0x80000000u);
}

} // namespace

// What a per-day reading keeps: the figures that fall on one day, summed per job and day, and
// the runs across midnights whole, both by job and then (first) day.
struct DayLedger {
    struct Day {
        quint64 key;
        Figures figures;
    };
    struct Run {
        quint32 job;
        qint32 firstDay;
        qint32 endDay;
        qint32 minutes; // at most kLongestSplitRun
        qint64 endSecs;
    };
    std::vector<Day> days;
    std::vector<Run> runs;
    qint64 first = std::numeric_limits<qint64>::min(); // the days kept
    qint64 last = std::numeric_limits<qint64>::max();
};

namespace {

// A run's minutes day by day: split at local midnights on real time, rounded once per midnight
// so that the parts add up to its minutes exactly; only the days from lo to hi are visited.
template <typename Add>
void splitRun(LocalDays &days, const DayLedger::Run &run, qint64 lo, qint64 hi, const Add &add) {
    const qint64 start = run.endSecs - qint64(run.minutes) * 60;
    qint64 day = std::max<qint64>(run.firstDay, lo);
    qint64 counted = day == run.firstDay ? 0 : (days.midnight(day) - start + 30) / 60;
    const qint64 last = std::min<qint64>(run.endDay, hi);
    for (; day <= last; ++day) {
        const qint64 upTo =
            day == run.endDay ? run.minutes : (days.midnight(day + 1) - start + 30) / 60;
        if (upTo != counted)
            add(day, upTo - counted);
        counted = upTo;
    }
}

// The job codes met so far, each with its totals, in the order first met.
class Jobs {
public:
    quint32 indexOf(QByteArrayView code) {
        // A key over the line's own bytes: no copy unless the code is new.
        const auto known = m_index.constFind(QByteArray::fromRawData(code.data(), code.size()));
        if (known != m_index.cend())
            return *known;
        const auto index = quint32(m_jobs.size());
        m_jobs.push_back({QByteArray(code.data(), code.size()), 0, 0.0});
        m_index.insert(m_jobs.back().code, index);
        return index;
    }
    JobTotal &operator[](quint32 index) { return m_jobs[index]; }
    // The totals ordered by code; rank[i] is where the job first met as i went.
    std::vector<JobTotal> sorted(std::vector<quint32> *rank) {
        std::vector<quint32> order(m_jobs.size());
        std::iota(order.begin(), order.end(), 0u);
        std::sort(order.begin(), order.end(),
                  [this](quint32 a, quint32 b) { return m_jobs[a].code < m_jobs[b].code; });
        std::vector<JobTotal> out;
        out.reserve(m_jobs.size());
        rank->assign(m_jobs.size(), 0);
        for (quint32 i = 0; i < order.size(); ++i) {
            (*rank)[order[i]] = i;
            out.push_back(std::move(m_jobs[order[i]]));
        }
        return out;
    }

private:
    std::vector<JobTotal> m_jobs;
    QHash<QByteArray, quint32> m_index;
};

} // namespace

JobTotals totalsOf(LineReader &reader, const DaySpan &span, const TotalsProgress &progress) {
    Jobs jobs;
    QHash<quint64, Figures> dayFigures;
    auto ledger = std::make_shared<DayLedger>();
    if (span.first.isValid() && span.last.isValid()) {
        ledger->first = span.first.toJulianDay();
        ledger->last = span.last.toJulianDay();
    }
    const auto kept = [&ledger](qint64 day) {
        return day == kUndated ? ledger->first == std::numeric_limits<qint64>::min()
                               : day >= ledger->first && day <= ledger->last;
    };
    const auto addDay = [&](quint32 job, qint64 day, qint64 minutes, double cash) {
        if (!kept(day))
            return;
        Figures &f = dayFigures[dayKey(job, day)];
        addMinutes(&f.minutes, minutes);
        f.cash += cash;
    };
    QHash<QByteArray, Moment> starts; // tag and task -> its latest Start
    LocalDays days;

    QByteArrayView line;
    qint64 count = 0;
    while (reader.next(&line)) {
        if (progress && ++count % kProgressEvery == 0)
            progress(reader.position(), reader.size());
        const ParsedLine p = parseLine(line);
        if (p.kind == RecordKind::Other)
            continue;
        const quint32 index = jobs.indexOf(p.tag);
        JobTotal &job = jobs[index];

        if (p.isStart()) {
            if (span.perDay) {
                const StampTime at = parseStamp(p.stamp);
                if (at.date.isValid())
                    starts.insert(runKey(p), days.at(at.date.toJulianDay(), at.time));
            }
            continue;
        }
        if (p.badFigure) {
            reader.noteBad(badFigureWhy(p));
            continue;
        }
        if (p.hasRunMinutes) {
            const qint64 run = p.runMinutes;
            addMinutes(&job.minutes, run);
            if (!span.perDay)
                continue;
            const QTime stop = parseStamp(p.stamp).time;
            const auto start = starts.constFind(runKey(p));
            if (start == starts.cend() || !stop.isValid()) {
                addDay(index, kUndated, run, 0.0);
                continue;
            }
            const Moment end = runEnd(days, *start, stop, run);
            const qint64 first =
                run <= 0 || run > kLongestSplitRun ? end.day : firstDayOf(days, end, run);
            if (first == end.day)
                addDay(index, end.day, run, 0.0);
            else if (end.day >= ledger->first && first <= ledger->last)
                ledger->runs.push_back(
                    {index, qint32(first), qint32(end.day), qint32(run), end.secs});
            continue;
        }
        if (p.hasAmount) {
            job.cash += p.amount;
            if (span.perDay) {
                const QDate date = parseStamp(p.stamp).date;
                addDay(index, date.isValid() ? date.toJulianDay() : kUndated, 0, p.amount);
            }
        }
    }
    if (progress)
        progress(reader.position(), reader.size());

    JobTotals out;
    out.error = reader.error();
    out.bad = reader.badLines();
    std::vector<quint32> rank;
    out.jobs = jobs.sorted(&rank);
    if (!span.perDay)
        return out;

    ledger->days.reserve(size_t(dayFigures.size()));
    for (auto it = dayFigures.cbegin(); it != dayFigures.cend(); ++it)
        ledger->days.push_back({dayKey(rank[jobOfKey(it.key())], dayOfKey(it.key())), it.value()});
    dayFigures = {};
    std::sort(ledger->days.begin(), ledger->days.end(),
              [](const DayLedger::Day &a, const DayLedger::Day &b) { return a.key < b.key; });
    for (DayLedger::Run &run : ledger->runs)
        run.job = rank[run.job];
    std::sort(ledger->runs.begin(), ledger->runs.end(),
              [](const DayLedger::Run &a, const DayLedger::Run &b) {
                  return a.job != b.job ? a.job < b.job : a.firstDay < b.firstDay;
              });
    out.ledger = std::move(ledger);
    return out;
}

void JobTotals::forEachDay(const std::function<void(const JobDay &)> &visit) const {
    if (!ledger)
        return;
    const std::vector<DayLedger::Day> &dayFigures = ledger->days;
    const std::vector<DayLedger::Run> &runs = ledger->runs;
    LocalDays days;
    // The current job's days that a later run or figure may still add to, in order of day.
    std::map<qint64, Figures> pending;
    quint32 job = 0;
    const auto flushBefore = [&](qint64 day) {
        while (!pending.empty() && pending.begin()->first < day) {
            const auto &[d, f] = *pending.begin();
            visit(JobDay{job, qint32(d), f.minutes, f.cash});
            pending.erase(pending.begin());
        }
    };
    constexpr qint64 kNone = std::numeric_limits<qint64>::max();
    size_t d = 0;
    size_t r = 0;
    while (d < dayFigures.size() || r < runs.size()) {
        job = std::min(d < dayFigures.size() ? jobOfKey(dayFigures[d].key) : ~0u,
                       r < runs.size() ? runs[r].job : ~0u);
        for (;;) {
            const qint64 nextDay = d < dayFigures.size() && jobOfKey(dayFigures[d].key) == job
                                       ? dayOfKey(dayFigures[d].key)
                                       : kNone;
            const qint64 nextRun = r < runs.size() && runs[r].job == job ? runs[r].firstDay : kNone;
            if (nextDay == kNone && nextRun == kNone)
                break;
            // Nothing left of this job adds to a day before the earliest of these.
            flushBefore(std::min(nextDay, nextRun));
            if (nextDay <= nextRun) {
                Figures &f = pending[nextDay];
                addMinutes(&f.minutes, dayFigures[d].figures.minutes);
                f.cash += dayFigures[d].figures.cash;
                ++d;
            } else {
                splitRun(days, runs[r], ledger->first, ledger->last,
                         [&pending](qint64 day, qint64 minutes) {
                             addMinutes(&pending[day].minutes, minutes);
                         });
                ++r;
            }
        }
        flushBefore(kNone);
    }
}

QString hoursText(qint64 minutes) {
    return money::centsText(money::hoursCents(minutes), QLocale::c());
}

} // namespace vidorev::diary
