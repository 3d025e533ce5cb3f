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

QByteArray runKey(const ParsedLine &p) {
    QByteArray key;
    key.reserve(p.tag.size() + p.task.size() + 1);
    key.append(p.tag).append('\0').append(p.task);
    return key;
}

// A Stop carries a time only. It ended on the day of its run's Start, or the next day when its
// time is earlier; a run of a day or more ended on the day that fits its minutes best.
QDateTime runEnd(const QDateTime &start, const QTime &stop, qint64 minutes) {
    QDate day = start.date();
    QDateTime end(day, stop);
    if (end < start) {
        day = day.addDays(1);
        end = QDateTime(day, stop);
    }
    if (minutes <= 0 || minutes > kLongestSplitRun)
        return end;
    const QDateTime expected = start.addSecs(minutes * 60);
    for (;;) {
        const QDateTime later(day.addDays(1), stop);
        if (qAbs(later.secsTo(expected)) >= qAbs(end.secsTo(expected)))
            return end;
        day = day.addDays(1);
        end = later;
    }
}

qint64 dayKey(const QDate &day) {
    return day.isValid() ? day.toJulianDay() : kUndated;
}

} // namespace

std::vector<std::pair<QDate, qint64>> splitAtMidnights(const QDateTime &end, qint64 minutes) {
    if (!end.isValid() || minutes <= 0 || minutes > kLongestSplitRun)
        return {{end.date(), minutes}};
    // addSecs and secsTo count real seconds, whatever the clocks did in between.
    const QDateTime start = end.addSecs(-minutes * 60);
    std::vector<std::pair<QDate, qint64>> parts;
    qint64 counted = 0;
    QDateTime from = start;
    while (from < end) {
        const QDate day = from.date();
        const QDateTime midnight = day.addDays(1).startOfDay();
        const QDateTime to = midnight < end ? midnight : end;
        // Whole minutes up to this midnight, rounded once, so the parts add up exactly.
        const qint64 upTo = to == end ? minutes : (start.secsTo(to) + 30) / 60;
        if (upTo != counted)
            parts.emplace_back(day, upTo - counted);
        counted = upTo;
        if (!(to > from))
            break; // a day without a start (never, but a loop must end)
        from = to;
    }
    if (parts.empty())
        parts.emplace_back(end.date(), minutes);
    return parts;
}

JobTotals totalsOf(LineReader &reader, bool perDay, const TotalsProgress &progress) {
    std::map<QByteArray, JobTotal> jobs;
    std::map<std::pair<QByteArray, qint64>, JobDay> days;
    QHash<QByteArray, QDateTime> starts; // tag and task -> its latest Start

    const auto dayOf = [&days](const QByteArray &code, const QDate &day) -> JobDay & {
        JobDay &d = days[{code, dayKey(day)}];
        if (d.code.isNull()) {
            d.code = code;
            d.day = day;
        }
        return d;
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
                    starts.insert(runKey(p), QDateTime(at.date, at.time));
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
                addMinutes(&dayOf(job.code, QDate()).minutes, run);
                continue;
            }
            for (const auto &[day, minutes] : splitAtMidnights(runEnd(*start, stop, run), run))
                addMinutes(&dayOf(job.code, day).minutes, minutes);
            continue;
        }
        double cash = 0;
        if (memoCashOf(p, &cash)) {
            job.cash += cash;
            if (perDay)
                dayOf(job.code, parseStamp(p.stamp).date).cash += cash;
        }
    }
    if (progress)
        progress(reader.position(), reader.size());

    JobTotals out;
    out.error = reader.error();
    out.jobs.reserve(jobs.size());
    for (auto &[code, job] : jobs)
        out.jobs.push_back(std::move(job));
    out.days.reserve(days.size());
    for (auto &[key, day] : days)
        out.days.push_back(std::move(day));
    return out;
}

} // namespace vidorev::diary
