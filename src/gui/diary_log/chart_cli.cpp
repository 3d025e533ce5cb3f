#include "diary_log/chart_cli.h"

#include "diary_log/hours_chart.h"
#include "diary_log/job_totals.h"
#include "diary_log/week_hours.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"

#include <QTextStream>

namespace vidorev {

QString chartUsage() {
    return QStringLiteral("usage: vidorev [--store PATH] diary chart (--user NAME | --file PATH) "
                          "[--week 2026-W49] --png FILE\n");
}

int runChartCommand(const QStringList &args, SettingsStore &store, QTextStream &out,
                    QTextStream &err, const QDate &today, bool outIsTerminal) {
    const auto usage = [&err](const QString &reason) {
        err << "vidorev: " << reason << '\n' << chartUsage();
        return 2;
    };
    QString user;
    QString file;
    QString week;
    QString png;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        QString *value = arg == QLatin1String("--user")   ? &user
                         : arg == QLatin1String("--file") ? &file
                         : arg == QLatin1String("--week") ? &week
                         : arg == QLatin1String("--png")  ? &png
                                                          : nullptr;
        if (value == nullptr)
            return usage(QStringLiteral("chart does not take %1").arg(arg));
        if (i + 1 >= args.size())
            return usage(arg + QStringLiteral(" needs a value"));
        *value = args[++i];
    }
    if (user.isEmpty() == file.isEmpty())
        return usage(QStringLiteral("chart needs either --user NAME or --file PATH"));
    if (png.isEmpty())
        return usage(QStringLiteral("chart needs --png FILE"));
    const QDate monday =
        week.isEmpty() ? today.addDays(1 - today.dayOfWeek()) : diary::mondayOfIsoWeek(week);
    if (!monday.isValid())
        return usage(QStringLiteral("%1 is not a week: write it as 2026-W49").arg(week));
    QString path = file;
    if (path.isEmpty()) {
        path = store.get(keys::kAppDiary, user, keys::kFileKey, QString());
        if (path.trimmed().isEmpty()) {
            err << "vidorev: user " << user << " has no Diary\n";
            return 1;
        }
    }

    diary::WeekHours hours;
    QString error;
    if (!diary::weekHoursOf(path, monday, &hours, &error) ||
        !saveHoursChartPng(hours, png, path, &error)) {
        err << "vidorev: " << error << '\n';
        return 1;
    }
    out << diary::isoWeekText(monday) << " written to " << png << '\n';
    for (const diary::WeekHours::Job &job : hours.jobs) {
        // A terminal is shown a code's control characters, never given them to act on.
        const QString code = outIsTerminal ? diary::visibleText(job.code) : job.code;
        out << (code.isEmpty() ? QStringLiteral("(none)") : code) << '\t'
            << diary::hoursText(job.total()) << " hours\n";
    }
    for (const QString &message : hours.bad.messages(path))
        err << "vidorev: " << message << '\n';
    return 0;
}

} // namespace vidorev
