#include "diary_log/diary_cli.h"

#include "calc_special/money_text.h"
#include "diary_log/job_totals.h"
#include "diary_log/line_reader.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

namespace vidorev {

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

enum class Format { Text, Csv, Json };

// What the dispatcher hands a verb: the Diary chosen by --user or --file, the output form, and
// the words it did not take itself (operands and the verb's own options, in order).
struct DiaryCall {
    QString user;
    QString diaryPath;
    Format format = Format::Text;
    QStringList words;
    SettingsStore &store;
    QTextStream &out;
    QTextStream &err;
    bool showProgress = false;

    int fail(const QString &reason) const {
        err << "vidorev: " << reason << '\n';
        return kFailed;
    }
    // The reason, then the dispatcher adds the usage.
    int misuse(const QString &reason) const {
        err << "vidorev: " << reason << '\n';
        return kUsage;
    }
};

struct Verb {
    const char *name;
    const char *usage;  // after "vidorev [--store PATH] diary "
    bool readsOneDiary; // takes --user or --file
    int (*run)(DiaryCall &call);
};

int runTotals(DiaryCall &call);

// Every verb: its name, its usage line and its entry point.
const Verb kVerbs[] = {
    {"totals", "totals (--user NAME | --file PATH) [--per-day] [--csv | --json]", true, runTotals},
};

const Verb *findVerb(const QString &name) {
    for (const Verb &verb : kVerbs)
        if (name == QLatin1String(verb.name))
            return &verb;
    return nullptr;
}

// --- output forms -------------------------------------------------------------------------

QString csvField(const QString &text) {
    static const QString kSpecial = QStringLiteral(",\"\r\n");
    const bool quote =
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return kSpecial.contains(c); }) ||
        text.startsWith(u' ') || text.endsWith(u' ');
    if (!quote)
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// A table as the chosen form: aligned columns, CSV with a header line, or JSON objects.
// In text the first leftColumns columns (the job, the day) are left-aligned, numbers right.
void writeTable(QTextStream &out, Format format, const QStringList &header,
                const std::vector<QStringList> &rows, int leftColumns) {
    if (format == Format::Csv) {
        out << header.join(u',') << '\n';
        for (const QStringList &row : rows) {
            QStringList fields;
            for (const QString &f : row)
                fields << csvField(f);
            out << fields.join(u',') << '\n';
        }
        return;
    }
    std::vector<qsizetype> width(size_t(header.size()));
    for (qsizetype c = 0; c < header.size(); ++c)
        width[size_t(c)] = header[c].size();
    for (const QStringList &row : rows)
        for (qsizetype c = 0; c < row.size(); ++c)
            width[size_t(c)] = std::max(width[size_t(c)], row[c].size());
    const auto line = [&](const QStringList &cells) {
        QStringList padded;
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const bool left = c < leftColumns;
            padded << (left ? cells[c].leftJustified(width[size_t(c)])
                            : cells[c].rightJustified(width[size_t(c)]));
        }
        QString text = padded.join(QStringLiteral("  "));
        while (text.endsWith(u' '))
            text.chop(1);
        out << text << '\n';
    };
    line(header);
    for (const QStringList &row : rows)
        line(row);
}

// Hours as the log reader's hours box shows them: minutes / 60, cut down to whole cents.
qint64 hourCents(qint64 minutes) {
    return money::cutToCents(double(minutes) / 60.0);
}

QString codeText(const QByteArray &code, Format format) {
    const QString text = diary::lineText(code);
    return text.isEmpty() && format == Format::Text ? QStringLiteral("(none)") : text;
}

// --- totals -------------------------------------------------------------------------------

int runTotals(DiaryCall &call) {
    bool perDay = false;
    for (const QString &word : call.words) {
        if (word == QLatin1String("--per-day"))
            perDay = true;
        else
            return call.misuse(QStringLiteral("totals does not take %1").arg(word));
    }

    diary::LineReader reader;
    if (!reader.open(call.diaryPath))
        return call.fail(reader.error());
    diary::TotalsProgress progress;
    if (call.showProgress)
        progress = [&call, shown = qint64(-1)](qint64 done, qint64 total) mutable {
            const qint64 percent = total > 0 ? std::min<qint64>(100, done * 100 / total) : 100;
            if (percent != shown)
                call.err << "\rReading the Diary: " << percent << " %" << Qt::flush;
            shown = percent;
        };
    const diary::JobTotals totals = diary::totalsOf(reader, perDay, progress);
    if (call.showProgress)
        call.err << '\r' << QString(32, u' ') << '\r' << Qt::flush;
    if (!totals.error.isEmpty())
        return call.fail(totals.error);

    const QLocale c = QLocale::c();
    if (call.format == Format::Json) {
        const auto entry = [](qint64 minutes, double cash) {
            QJsonObject o;
            o.insert(QStringLiteral("minutes"), minutes);
            o.insert(QStringLiteral("hours"), double(hourCents(minutes)) / 100.0);
            o.insert(QStringLiteral("cash"), money::amountText(cash, QLocale::c()).toDouble());
            return o;
        };
        QJsonArray jobs;
        for (const diary::JobTotal &job : totals.jobs) {
            QJsonObject o = entry(job.minutes, job.cash);
            o.insert(QStringLiteral("job"), diary::lineText(job.code));
            jobs.append(o);
        }
        QJsonObject root;
        root.insert(QStringLiteral("diary"), call.diaryPath);
        root.insert(QStringLiteral("jobs"), jobs);
        if (perDay) {
            QJsonArray days;
            for (const diary::JobDay &day : totals.days) {
                QJsonObject o = entry(day.minutes, day.cash);
                o.insert(QStringLiteral("job"), diary::lineText(day.code));
                o.insert(QStringLiteral("day"), day.day.isValid()
                                                    ? QJsonValue(day.day.toString(Qt::ISODate))
                                                    : QJsonValue(QJsonValue::Null));
                days.append(o);
            }
            root.insert(QStringLiteral("days"), days);
        }
        call.out << QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
        return kDone;
    }

    const auto figures = [&c](qint64 minutes, double cash) {
        return QStringList{QString::number(minutes), money::centsText(hourCents(minutes), c),
                           money::amountText(cash, c)};
    };
    std::vector<QStringList> rows;
    if (perDay) {
        const QString undated =
            call.format == Format::Text ? QStringLiteral("(no date)") : QString();
        for (const diary::JobDay &day : totals.days)
            rows.push_back(
                QStringList{codeText(day.code, call.format),
                            day.day.isValid() ? day.day.toString(Qt::ISODate) : undated} +
                figures(day.minutes, day.cash));
        writeTable(call.out, call.format, {"job", "day", "minutes", "hours", "cash"}, rows, 2);
    } else {
        for (const diary::JobTotal &job : totals.jobs)
            rows.push_back(QStringList{codeText(job.code, call.format)} +
                           figures(job.minutes, job.cash));
        writeTable(call.out, call.format, {"job", "minutes", "hours", "cash"}, rows, 1);
    }
    return kDone;
}

// --- dispatcher ---------------------------------------------------------------------------

// --user NAME reads the Diary the store names for that user.
bool diaryOfUser(const SettingsStore &store, const QString &user, QString *path, QString *why) {
    *path = store.get(keys::kAppDiary, user, keys::kFileKey, keys::kNoDiaryPath);
    if (path->trimmed().isEmpty()) {
        *why = QStringLiteral("user %1 has no Diary (no \"%2\" in the store)")
                   .arg(user, keys::kFileKey);
        return false;
    }
    return true;
}

} // namespace

QString diaryUsage() {
    QString usage;
    bool first = true;
    for (const Verb &verb : kVerbs) {
        usage += QLatin1String(first ? "usage: " : "       ") +
                 QStringLiteral("vidorev [--store PATH] diary ") + QLatin1String(verb.usage) +
                 u'\n';
        first = false;
    }
    return usage;
}

int runDiaryCommand(const QStringList &args, SettingsStore &store, QTextStream &out,
                    QTextStream &err, bool showProgress) {
    DiaryCall call{{}, {}, Format::Text, {}, store, out, err, showProgress};
    const auto usage = [&err](const QString &reason) {
        if (!reason.isEmpty())
            err << "vidorev: " << reason << '\n';
        err << diaryUsage();
        return kUsage;
    };

    const Verb *verb = nullptr;
    QString file;
    bool hasUser = false;
    bool hasFile = false;
    bool csv = false;
    bool json = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--user") || arg == QLatin1String("--file")) {
            if (i + 1 >= args.size())
                return usage(arg + QStringLiteral(" needs a value"));
            const bool user = arg == QLatin1String("--user");
            if (user ? hasUser : hasFile)
                return usage(arg + QStringLiteral(" is given twice"));
            (user ? hasUser : hasFile) = true;
            (user ? call.user : file) = args[++i];
        } else if (arg == QLatin1String("--csv")) {
            csv = true;
        } else if (arg == QLatin1String("--json")) {
            json = true;
        } else if (verb == nullptr && !arg.startsWith(QLatin1String("--"))) {
            verb = findVerb(arg);
            if (verb == nullptr)
                return usage(QStringLiteral("unknown diary command %1").arg(arg));
        } else {
            call.words << arg;
        }
    }
    if (verb == nullptr)
        return usage(QString());
    if (csv && json)
        return usage(QStringLiteral("--csv and --json do not go together"));
    call.format = csv ? Format::Csv : json ? Format::Json : Format::Text;
    if (verb->readsOneDiary) {
        if (hasUser == hasFile)
            return usage(QStringLiteral("%1 needs either --user NAME or --file PATH")
                             .arg(QLatin1String(verb->name)));
        QString why;
        if (hasFile)
            call.diaryPath = file;
        else if (!diaryOfUser(store, call.user, &call.diaryPath, &why))
            return call.fail(why);
    } else if (hasUser || hasFile) {
        return usage(QStringLiteral("%1 takes no --user or --file").arg(QLatin1String(verb->name)));
    }
    const int code = verb->run(call);
    if (code == kUsage)
        err << diaryUsage();
    return code;
}

} // namespace vidorev
