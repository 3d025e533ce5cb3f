#include "diary_log/week_hours.h"

#include "diary_log/job_totals.h"
#include "diary_log/line_reader.h"

#include <QRegularExpression>

#include <algorithm>
#include <numeric>

namespace vidorev::diary {

QDate mondayOfIsoWeek(const QString &text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{4})-W(\\d{2})$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return {};
    const int year = m.captured(1).toInt();
    const int week = m.captured(2).toInt();
    // Week 1 is the week that holds January 4th.
    const QDate jan4(year, 1, 4);
    const QDate firstMonday = jan4.addDays(1 - jan4.dayOfWeek());
    // December 28th always lies in the year's last week.
    const int weeksInYear = QDate(year, 12, 28).weekNumber();
    if (week < 1 || week > weeksInYear)
        return {};
    return firstMonday.addDays(qint64(week - 1) * 7);
}

QString isoWeekText(const QDate &day) {
    int year = 0;
    const int week = day.weekNumber(&year);
    return QStringLiteral("%1-W%2")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(week, 2, 10, QLatin1Char('0'));
}

qint64 WeekHours::Job::total() const {
    return std::accumulate(minutes.begin(), minutes.end(), qint64(0));
}

qint64 WeekHours::total() const {
    qint64 sum = 0;
    for (const Job &job : jobs)
        sum += job.total();
    return sum;
}

QList<WeekHours::Job> WeekHours::charted(int most) const {
    if (jobs.size() <= most || most < 1)
        return jobs;
    QList<qsizetype> busiest(jobs.size());
    std::iota(busiest.begin(), busiest.end(), qsizetype(0));
    // The busiest first; among equals, the first in code order.
    std::stable_sort(busiest.begin(), busiest.end(), [this](qsizetype a, qsizetype b) {
        return jobs[a].total() > jobs[b].total();
    });
    busiest.resize(most - 1);
    std::sort(busiest.begin(), busiest.end());
    QList<Job> out;
    for (qsizetype i : busiest)
        out.append(jobs[i]);
    Job others{QStringLiteral("%1 other jobs").arg(jobs.size() - (most - 1)), {}};
    for (qsizetype i = 0, kept = 0; i < jobs.size(); ++i) {
        if (kept < busiest.size() && busiest[kept] == i) {
            ++kept;
            continue;
        }
        for (size_t d = 0; d < others.minutes.size(); ++d)
            others.minutes[d] += jobs[i].minutes[d];
    }
    out.append(others);
    return out;
}

qint64 WeekHours::busiestDay() const {
    qint64 busiest = 0;
    for (size_t d = 0; d < 7; ++d) {
        qint64 sum = 0;
        for (const Job &job : jobs)
            sum += job.minutes[d];
        busiest = std::max(busiest, sum);
    }
    return busiest;
}

int HoursAxis::decimals() const {
    return stepCents % 100 == 0 ? 0 : stepCents % 10 == 0 ? 1 : 2;
}

QStringList HoursAxis::labels() const {
    QStringList out;
    for (int i = 0; i <= steps; ++i)
        out << QString::number(double(stepCents) * i / 100.0, 'f', decimals());
    return out;
}

HoursAxis hoursAxis(qint64 busiestMinutes) {
    constexpr int kMostSteps = 5;
    // An empty week still draws an axis of one hour; a Diary's absurd figures stay in range.
    const qint64 minutes = std::min(busiestMinutes, qint64(1) << 48);
    const qint64 cents = minutes > 0 ? (minutes * 100 + 59) / 60 : 100;
    HoursAxis axis;
    for (qint64 power = 1;; power *= 10)
        for (const qint64 mantissa : {1, 2, 5}) {
            axis.stepCents = mantissa * power;
            axis.steps = int((cents + axis.stepCents - 1) / axis.stepCents);
            if (axis.steps <= kMostSteps)
                return axis;
        }
}

} // namespace vidorev::diary

namespace vidorev::diary {

bool weekHoursOf(const QString &path, const QDate &monday, WeekHours *week, QString *error,
                 const std::function<void(qint64, qint64)> &progress) {
    LineReader reader;
    if (!reader.open(path)) {
        *error = reader.error();
        return false;
    }
    const QDate sunday = monday.addDays(6);
    const JobTotals totals = totalsOf(reader, DaySpan{true, monday, sunday}, progress);
    if (!totals.error.isEmpty()) {
        *error = totals.error;
        return false;
    }
    week->monday = monday;
    week->jobs.clear();
    week->bad = totals.bad;
    totals.forEachDay([&](const JobDay &day) {
        if (day.minutes == 0)
            return;
        const QString code = lineText(totals.jobs[day.job].code);
        // Days come ordered by code, so a code's days are together.
        if (week->jobs.isEmpty() || week->jobs.last().code != code)
            week->jobs.append({code, {}});
        week->jobs.last().minutes[size_t(monday.daysTo(day.date()))] += day.minutes;
    });
    return true;
}

} // namespace vidorev::diary
