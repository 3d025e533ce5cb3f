#pragma once

#include "diary_log/line_reader.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// A week of hours per job code, Monday to Sunday: what the hours chart draws and the command
// line's `diary chart` prints.
namespace vidorev::diary {

// "2026-W49" (ISO 8601 week) -> the Monday that starts it; an invalid date for anything else.
QDate mondayOfIsoWeek(const QString &text);
// The ISO week a day falls in: "2026-W49".
QString isoWeekText(const QDate &day);

struct WeekHours {
    struct Job {
        QString code;
        std::array<qint64, 7> minutes{}; // Monday first
        qint64 total() const;
    };
    QDate monday;
    QList<Job> jobs; // ordered by code
    BadLines bad;    // lines of the Diary not counted
    qint64 total() const;

    // The jobs as a chart shows them: at most most of them, in order of code. When there are
    // more, the busiest most - 1 are kept and the rest are summed into one last job named
    // "N other jobs" (a legend of thousands of codes can neither be read nor drawn).
    QList<Job> charted(int most) const;
    // The most minutes of any one day, all jobs together: the height of the tallest bar.
    qint64 busiestDay() const;
};

// The hours axis of a chart whose tallest bar is busiestMinutes: from 0 to a whole number of
// steps, a step of 1, 2 or 5 times a power of ten hours (0.01 at the least) so that there are at
// most five of them, each tick labelled with as many decimals as its step needs. The labels are
// therefore distinct and never claim a precision the step has not.
struct HoursAxis {
    qint64 stepCents = 0; // hundredths of an hour
    int steps = 0;
    double top() const { return double(stepCents) * steps / 100.0; }
    double step() const { return double(stepCents) / 100.0; }
    int decimals() const;
    QStringList labels() const; // "0", "0.1", ... "0.4"
};
HoursAxis hoursAxis(qint64 busiestMinutes);

} // namespace vidorev::diary

namespace vidorev::diary {

// The week that starts on monday, read from the Diary at path through the same totals as every
// other reader. progress(done, total) in bytes; false with error when the Diary cannot be read.
bool weekHoursOf(const QString &path, const QDate &monday, WeekHours *week, QString *error,
                 const std::function<void(qint64, qint64)> &progress = {});

} // namespace vidorev::diary
