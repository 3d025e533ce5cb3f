#include "diary_log/diary_cli.h"

#include "calc_special/money_text.h"
#include "diary_log/data_miner.h"
#include "diary_log/job_reports.h"
#include "diary_log/job_totals.h"
#include "diary_log/line_reader.h"
#include "diary_log/log_merge.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"
#include "shell/diary_new.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>
#include <bit>
#include <optional>

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
    bool outIsTerminal = false;

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
int runJobs(DiaryCall &call);
int runWorkOrder(DiaryCall &call);
int runExtract(DiaryCall &call);
int runMine(DiaryCall &call);
int runMerge(DiaryCall &call);

// Every verb: its name, its usage line and its entry point. Reports are written beside the
// Diary (the extract into --folder when given); each prints the file it wrote.
const Verb kVerbs[] = {
    {"totals", "totals (--user NAME | --file PATH) [--per-day] [--csv | --json]", true, runTotals},
    {"jobs", "jobs (--user NAME | --file PATH)", true, runJobs},
    {"workorder", "workorder (--user NAME | --file PATH) CODE", true, runWorkOrder},
    {"extract", "extract (--user NAME | --file PATH) CODE [--folder DIR]", true, runExtract},
    {"mine", "mine (--user NAME | --file PATH)", true, runMine},
    {"merge", "merge IN1 IN2 OUT [--force]", false, runMerge},
};

const Verb *findVerb(const QString &name) {
    for (const Verb &verb : kVerbs)
        if (name == QLatin1String(verb.name))
            return &verb;
    return nullptr;
}

// --- output forms -------------------------------------------------------------------------

// A table's rows, made afresh on each call: a table too long to hold is written in two passes,
// one for the column widths and one for the lines.
using RowSink = std::function<void(const QStringList &row)>;
using Rows = std::function<void(const RowSink &sink)>;

// A CSV field. A text field that a spreadsheet would run as a formula ("=", "+", "-", "@" and
// the TAB or CR it skips first) is kept as text by a leading "'".
QString csvField(const QString &text, bool isText) {
    static const QString kSpecial = QStringLiteral(",\"\r\n");
    static const QString kFormula = QStringLiteral("=+-@\t\r");
    const bool formula = isText && !text.isEmpty() && kFormula.contains(text.front());
    const bool quote =
        formula ||
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return kSpecial.contains(c); }) ||
        text.startsWith(u' ') || text.endsWith(u' ');
    if (!quote)
        return text;
    return u'"' + (formula ? QStringLiteral("'") : QString()) +
           QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// A table as text or CSV: aligned columns, or CSV with a header line. The first textColumns
// columns (the job, the day) are text: left-aligned, and guarded in CSV; the rest are numbers.
void writeTable(QTextStream &out, Format format, const QStringList &header, const Rows &rows,
                int textColumns) {
    if (format == Format::Csv) {
        out << header.join(u',') << '\n';
        rows([&](const QStringList &row) {
            QStringList fields;
            for (qsizetype c = 0; c < row.size(); ++c)
                fields << csvField(row[c], c < textColumns);
            out << fields.join(u',') << '\n';
        });
        return;
    }
    std::vector<qsizetype> width(size_t(header.size()));
    const auto widen = [&width](const QStringList &cells) {
        for (qsizetype c = 0; c < cells.size(); ++c)
            width[size_t(c)] = std::max(width[size_t(c)], cells[c].size());
    };
    widen(header);
    rows(widen);
    const auto line = [&](const QStringList &cells) {
        QStringList padded;
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const bool left = c < textColumns;
            padded << (left ? cells[c].leftJustified(width[size_t(c)])
                            : cells[c].rightJustified(width[size_t(c)]));
        }
        QString text = padded.join(QStringLiteral("  "));
        while (text.endsWith(u' '))
            text.chop(1);
        out << text << '\n';
    };
    line(header);
    rows(line);
}

// A job code as printed. A terminal is shown its control characters, never given them to act
// on; a pipe or a file gets the code's own text.
QString codeText(const QByteArray &code, const DiaryCall &call) {
    QString text = diary::lineText(code);
    if (call.outIsTerminal && call.format != Format::Json)
        text = diary::visibleText(text);
    return text.isEmpty() && call.format == Format::Text ? QStringLiteral("(none)") : text;
}

// Lines the reading did not count, named on standard error.
void warnBadLines(const DiaryCall &call, const diary::BadLines &bad) {
    for (const QString &message : bad.messages(call.diaryPath))
        call.err << "vidorev: " << message << '\n';
}

// A JSON value as QJsonDocument writes it.
QString jsonText(const QJsonValue &value) {
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.sliced(1, array.size() - 2));
}

// A total's figures as printed: minutes, hours and cash in text or as JSON values. Days in a row
// often carry the same figures (a long run's whole days): each is formatted once for as long as
// it repeats.
class FigureTexts {
public:
    explicit FigureTexts(bool json)
        : m_json(json) {}
    void set(qint64 minutes, double cash) {
        const QLocale c = QLocale::c();
        if (minutes != m_minutes) {
            m_minutes = minutes;
            const qint64 cents = money::hoursCents(minutes);
            minutesText = m_json ? jsonText(minutes) : QString::number(minutes);
            hoursText = m_json ? jsonText(double(cents) / 100.0) : money::centsText(cents, c);
        }
        // By its bits: -0 and 0 print differently.
        if (m_cash != std::bit_cast<quint64>(cash)) {
            m_cash = std::bit_cast<quint64>(cash);
            cashText = m_json ? jsonText(money::amountText(cash, c).toDouble())
                              : money::amountText(cash, c);
        }
    }
    QStringList texts() const { return {minutesText, hoursText, cashText}; }

    QString minutesText;
    QString hoursText;
    QString cashText;

private:
    bool m_json;
    std::optional<qint64> m_minutes;
    std::optional<quint64> m_cash;
};

// --- totals -------------------------------------------------------------------------------

// The totals as one JSON document, laid out as QJsonDocument lays it out; the days, its first
// member, are written one at a time.
void writeJson(const DiaryCall &call, const diary::JobTotals &totals, bool perDay) {
    QJsonArray jobs;
    FigureTexts figures(true);
    for (const diary::JobTotal &job : totals.jobs) {
        QJsonObject o;
        o.insert(QStringLiteral("minutes"), job.minutes);
        o.insert(QStringLiteral("hours"), double(money::hoursCents(job.minutes)) / 100.0);
        o.insert(QStringLiteral("cash"), money::amountText(job.cash, QLocale::c()).toDouble());
        o.insert(QStringLiteral("job"), diary::lineText(job.code));
        jobs.append(o);
    }
    QJsonObject root;
    root.insert(QStringLiteral("diary"), call.diaryPath);
    root.insert(QStringLiteral("jobs"), jobs);
    const QString rest = QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
    if (!perDay) {
        call.out << rest;
        return;
    }
    call.out << "{\n    \"days\": [\n";
    bool first = true;
    quint32 shownJob = ~0u;
    QString jobText;
    totals.forEachDay([&](const diary::JobDay &day) {
        if (day.job != shownJob) {
            shownJob = day.job;
            jobText = jsonText(diary::lineText(totals.jobs[day.job].code));
        }
        figures.set(day.minutes, day.cash);
        const QDate date = day.date();
        call.out << (first ? "" : ",\n") << "        {\n            \"cash\": " << figures.cashText
                 << ",\n            \"day\": "
                 << (date.isValid() ? u'"' + date.toString(Qt::ISODate) + u'"'
                                    : QStringLiteral("null"))
                 << ",\n            \"hours\": " << figures.hoursText
                 << ",\n            \"job\": " << jobText
                 << ",\n            \"minutes\": " << figures.minutesText << "\n        }";
        first = false;
    });
    call.out << (first ? "" : "\n") << "    ],\n" << QStringView(rest).mid(2);
}

// The totals as an aligned table or CSV.
void writeText(const DiaryCall &call, const diary::JobTotals &totals, bool perDay) {
    FigureTexts figures(false);
    if (!perDay) {
        const Rows rows = [&](const RowSink &sink) {
            for (const diary::JobTotal &job : totals.jobs) {
                figures.set(job.minutes, job.cash);
                sink(QStringList{codeText(job.code, call)} + figures.texts());
            }
        };
        writeTable(call.out, call.format, {"job", "minutes", "hours", "cash"}, rows, 1);
        return;
    }
    const QString undated = call.format == Format::Text ? QStringLiteral("(no date)") : QString();
    // Rows come job by job: each code is made printable once.
    quint32 shownJob = ~0u;
    QString shownCode;
    const Rows rows = [&](const RowSink &sink) {
        totals.forEachDay([&](const diary::JobDay &day) {
            if (day.job != shownJob) {
                shownJob = day.job;
                shownCode = codeText(totals.jobs[day.job].code, call);
            }
            figures.set(day.minutes, day.cash);
            const QDate date = day.date();
            sink(QStringList{shownCode, date.isValid() ? date.toString(Qt::ISODate) : undated} +
                 figures.texts());
        });
    };
    writeTable(call.out, call.format, {"job", "day", "minutes", "hours", "cash"}, rows, 2);
}

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

    if (call.format == Format::Json)
        writeJson(call, totals, perDay);
    else
        writeText(call, totals, perDay);
    warnBadLines(call, totals.bad);
    return kDone;
}

// --- reports and merge --------------------------------------------------------------------

// Progress on a terminal: how far through the Diary (or the inputs) the run has got.
std::function<void(qint64, qint64)> progressOf(DiaryCall &call, const QString &what) {
    if (!call.showProgress)
        return {};
    return [&call, what, shown = qint64(-1)](qint64 done, qint64 total) mutable {
        const qint64 percent = total > 0 ? std::min<qint64>(100, done * 100 / total) : 100;
        if (percent != shown)
            call.err << '\r' << what << ": " << percent << " %" << Qt::flush;
        shown = percent;
    };
}

void clearProgress(DiaryCall &call) {
    if (call.showProgress)
        call.err << '\r' << QString(40, u' ') << '\r' << Qt::flush;
}

// A report's end: the file written (its name as made safe), or why nothing was.
int reportEnded(DiaryCall &call, const diary::ReportResult &result) {
    clearProgress(call);
    if (!result.ok)
        return call.fail(result.error.isEmpty()
                             ? QStringLiteral("%1 was not written").arg(result.output)
                             : result.error);
    call.out << result.output << '\n';
    return kDone;
}

// The name a report's file takes after: the user's, or with --file the Diary's own name
// ("site1.log" -> "site1").
QString reportName(const DiaryCall &call) {
    return call.user.isEmpty() ? QFileInfo(call.diaryPath).completeBaseName() : call.user;
}

bool readableDiary(DiaryCall &call) {
    if (diary::reportDiaryOk(call.diaryPath))
        return true;
    call.fail(QStringLiteral("%1 is not a Diary that can be read").arg(call.diaryPath));
    return false;
}

int runJobs(DiaryCall &call) {
    if (!call.words.isEmpty())
        return call.misuse(QStringLiteral("jobs does not take %1").arg(call.words.first()));
    if (!readableDiary(call))
        return kFailed;
    diary::BadLines bad;
    const int code = reportEnded(
        call,
        diary::writeJobCodeList(call.diaryPath, reportName(call), QDateTime::currentDateTime(),
                                progressOf(call, QStringLiteral("Job codes")), &bad));
    warnBadLines(call, bad);
    return code;
}

// The one job code a verb takes, of at least two characters.
bool takeJobCode(DiaryCall &call, const char *verb, QString *code, QString *folder = nullptr) {
    for (qsizetype i = 0; i < call.words.size(); ++i) {
        const QString &word = call.words[i];
        if (folder != nullptr && word == QLatin1String("--folder") && i + 1 < call.words.size()) {
            *folder = call.words[++i];
        } else if (!word.startsWith(QLatin1String("--")) && code->isEmpty()) {
            *code = word;
        } else {
            call.misuse(QStringLiteral("%1 does not take %2").arg(QLatin1String(verb), word));
            return false;
        }
    }
    if (code->size() < 2) {
        call.misuse(QStringLiteral("%1 needs a job code of at least two characters")
                        .arg(QLatin1String(verb)));
        return false;
    }
    return true;
}

int runWorkOrder(DiaryCall &call) {
    QString code;
    if (!takeJobCode(call, "workorder", &code))
        return kUsage;
    if (!readableDiary(call))
        return kFailed;
    const QString company =
        call.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kTittleName, QString());
    diary::BadLines bad;
    const int ended = reportEnded(
        call, diary::writeWorkOrder(call.diaryPath, code, company, QDateTime::currentDateTime(),
                                    progressOf(call, QStringLiteral("Work order")), &bad));
    warnBadLines(call, bad);
    return ended;
}

int runExtract(DiaryCall &call) {
    QString code;
    QString folder;
    if (!takeJobCode(call, "extract", &code, &folder))
        return kUsage;
    if (!readableDiary(call))
        return kFailed;
    diary::BadLines bad;
    const int ended = reportEnded(
        call, diary::writeJobExtract(call.diaryPath, folder, reportName(call), code,
                                     progressOf(call, QStringLiteral("Extract")), &bad));
    warnBadLines(call, bad);
    return ended;
}

int runMine(DiaryCall &call) {
    if (!call.words.isEmpty())
        return call.misuse(QStringLiteral("mine does not take %1").arg(call.words.first()));
    if (!readableDiary(call))
        return kFailed;
    diary::DataMiner miner;
    diary::ReportResult result = miner.open(reportName(call), call.diaryPath);
    if (result.ok)
        result = miner.runRest(progressOf(call, QStringLiteral("Data mining")));
    if (result.ok)
        result = miner.finish();
    const int ended = reportEnded(call, result);
    warnBadLines(call, miner.badLines());
    return ended;
}

int runMerge(DiaryCall &call) {
    QStringList paths;
    bool force = false;
    for (const QString &word : call.words) {
        if (word == QLatin1String("--force"))
            force = true;
        else if (!word.startsWith(QLatin1String("--")) && paths.size() < 3)
            paths << word;
        else
            return call.misuse(QStringLiteral("merge does not take %1").arg(word));
    }
    if (paths.size() != 3)
        return call.misuse(QStringLiteral("merge needs two input Diaries and an output"));
    const auto progress = progressOf(call, QStringLiteral("Merging"));
    diary::LogMerge::Progress mergeProgress;
    if (progress)
        mergeProgress = [progress](int, qint64 done, qint64 total) { progress(done, total); };
    const diary::MergeResult result =
        diary::LogMerge(paths[0], paths[1], paths[2]).run(force, mergeProgress);
    clearProgress(call);
    if (result.status == diary::MergeResult::Status::OutputExists)
        return call.fail(result.message + QStringLiteral(" (add --force to replace it)"));
    if (!result.ok())
        return call.fail(result.message);
    call.out << result.lines << " lines written to " << paths[2] << '\n';
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
    return usage +
           QStringLiteral("       vidorev [--store PATH] diary chart (--user NAME | --file PATH) "
                          "[--week 2026-W49] --png FILE\n"
                          "       vidorev [--store PATH] diary new --user NAME PATH\n");
}

int runDiaryCommand(const QStringList &args, SettingsStore &store, QTextStream &out,
                    QTextStream &err, bool showProgress, bool outIsTerminal) {
    // A new Diary is made for a user, not read: it has its own rules.
    if (args.value(0) == QLatin1String("new"))
        return runDiaryNew(args.mid(1), store, out, err);
    DiaryCall call{{}, {}, Format::Text, {}, store, out, err, showProgress, outIsTerminal};
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
