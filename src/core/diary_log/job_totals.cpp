#include "diary_log/job_totals.h"

#include "diary_log/line_parse.h"
#include "diary_log/log_browser.h"

#include <QDateTime>
#include <QHash>

#include <limits>
#include <map>

namespace vidorev::diary {

namespace {
constexpr int kProgressEvery = 4096;
constexpr qint64 kUndated = std::numeric_limits<qint64>::min();
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

// The run of minutes that ended at end, day by day: split at local midnights on real time,
// rounded once per midnight so that the parts add up to minutes exactly.
template <typename Add>
void splitAtMidnights(LocalDays &days, const Moment &end, qint64 minutes, const Add &add) {
    if (minutes <= 0 || minutes > kLongestSplitRun) {
        add(end.day, minutes);
        return;
    }
    const qint64 start = end.secs - minutes * 60;
    qint64 day = end.day;
    while (days.midnight(day) > start)
        --day;
    qint64 counted = 0;
    for (; day <= end.day; ++day) {
        const qint64 upTo = day == end.day ? minutes : (days.midnight(day + 1) - start + 30) / 60;
        if (upTo != counted)
            add(day, upTo - counted);
        counted = upTo;
    }
}

} // namespace

JobTotals totalsOf(LineReader &reader, bool perDay, const TotalsProgress &progress) {
    std::map<QByteArray, JobTotal> jobs;
    std::map<std::pair<QByteArray, qint64>, JobDay> perDays;
    QHash<QByteArray, Moment> starts; // tag and task -> its latest Start
    LocalDays days;

    const auto dayOf = [&perDays](const QByteArray &code, qint64 day) -> JobDay & {
        JobDay &d = perDays[{code, day}];
        if (d.code.isNull()) {
            d.code = code;
            d.day = day == kUndated ? QDate() : QDate::fromJulianDay(day);
        }
        return d;
    };
    const auto dayOfDate = [](const QDate &date) {
        return date.isValid() ? date.toJulianDay() : kUndated;
    };

    QByteArrayView line;
    qint64 count = 0;
    while (reader.next(&line)) {
        if (progress && ++count % kProgressEvery == 0)
            progress(reader.position(), reader.size());
        const ParsedLine p = parseLine(line);
        if (p.kind == RecordKind::Other)
            continue;
        const QByteArray code = p.tag.toByteArray();
        JobTotal &job = jobs[code];
        if (job.code.isNull())
            job.code = code.isNull() ? QByteArray("") : code;

        if (p.isStart()) {
            if (perDay) {
                const StampTime at = parseStamp(p.stamp);
                if (at.date.isValid())
                    starts.insert(runKey(p), days.at(at.date.toJulianDay(), at.time));
            }
            continue;
        }
        qint64 run = 0;
        if (runMinutesOf(p, &run)) {
            addMinutes(&job.minutes, run);
            if (!perDay)
                continue;
            const QTime stop = parseStamp(p.stamp).time;
            const auto start = starts.constFind(runKey(p));
            if (start == starts.cend() || !stop.isValid()) {
                addMinutes(&dayOf(job.code, kUndated).minutes, run);
                continue;
            }
            splitAtMidnights(days, runEnd(days, *start, stop, run), run,
                             [&](qint64 day, qint64 minutes) {
                                 addMinutes(&dayOf(job.code, day).minutes, minutes);
                             });
            continue;
        }
        double cash = 0;
        if (memoCashOf(p, &cash)) {
            job.cash += cash;
            if (perDay)
                dayOf(job.code, dayOfDate(parseStamp(p.stamp).date)).cash += cash;
        }
    }
    if (progress)
        progress(reader.position(), reader.size());

    JobTotals out;
    out.error = reader.error();
    out.jobs.reserve(jobs.size());
    for (auto &[code, job] : jobs)
        out.jobs.push_back(std::move(job));
    out.days.reserve(perDays.size());
    for (auto &[key, day] : perDays)
        out.days.push_back(std::move(day));
    return out;
}

} // namespace vidorev::diary
