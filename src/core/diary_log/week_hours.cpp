#include "diary_log/week_hours.h"

#include "diary_log/job_totals.h"
#include "diary_log/line_reader.h"

#include <QRegularExpression>

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

} // namespace vidorev::diary

namespace vidorev::diary {

bool weekHoursOf(const QString &path, const QDate &monday, WeekHours *week, QString *error,
                 const std::function<void(qint64, qint64)> &progress) {
    LineReader reader;
    if (!reader.open(path)) {
        *error = reader.error();
        return false;
    }
    const JobTotals totals = totalsOf(reader, true, progress);
    if (!totals.error.isEmpty()) {
        *error = totals.error;
        return false;
    }
    week->monday = monday;
    week->jobs.clear();
    for (const JobDay &day : totals.days) {
        const qint64 index = day.day.isValid() ? monday.daysTo(day.day) : -1;
        if (index < 0 || index > 6 || day.minutes == 0)
            continue;
        const QString code = lineText(day.code);
        // Days come ordered by code, so a code's days are together.
        if (week->jobs.isEmpty() || week->jobs.last().code != code)
            week->jobs.append({code, {}});
        week->jobs.last().minutes[size_t(index)] += day.minutes;
    }
    return true;
}

} // namespace vidorev::diary
