#include "diary_log/job_reports.h"

#include "diary/diary_record.h"
#include "diary_log/job_collector.h"
#include "diary_log/line_parse.h"
#include "diary_log/line_reader.h"
#include "platform/text_forms.h"

#include <QDir>
#include <QFileInfo>
#include <QList>

#include <array>

namespace vidorev::diary {
namespace {

constexpr int kProgressEvery = 8192;
constexpr qsizetype kRecentCodes = 9;
constexpr int kNestedRuns = 4;

ReportResult failed(const QString &output, const QString &error) {
    return ReportResult{false, output, error};
}

// The checks every report makes before it touches a file; empty when the report may go on.
QString refusal(const QString &diaryPath, const QString *jobCode) {
    if (!reportDiaryOk(diaryPath))
        return QStringLiteral("no Diary at \"%1\"").arg(diaryPath);
    if (jobCode != nullptr && jobCode->size() < 2)
        return QStringLiteral("a job code needs at least 2 characters");
    return {};
}

// How the Diary spells "[code]": codes are escaped when written, so they are when looked for.
QByteArray codeNeedle(const QString &jobCode) {
    return '[' + escapeField(jobCode).toUtf8() + ']';
}

class Progress {
public:
    Progress(const ReportProgress &report, const LineReader &reader)
        : m_report(report)
        , m_reader(reader) {}
    void line() {
        if (m_report && ++m_lines % kProgressEvery == 0)
            m_report(m_reader.position(), m_reader.size());
    }
    void done() {
        if (m_report)
            m_report(m_reader.size(), m_reader.size());
    }

private:
    const ReportProgress &m_report;
    const LineReader &m_reader;
    qint64 m_lines = 0;
};

QString hoursText(qint64 minutes) {
    return QStringLiteral("Totaling ") + text::number(double(minutes) / 60) +
           QStringLiteral(" Hours");
}

// Every report's start: the checks, then the Diary opened for reading and the output for
// writing. Empty when the report may go on; otherwise why not, and no file was touched.
QString start(const QString &diaryPath, const QString *jobCode, const QString &output,
              ReportFile::Mode mode, LineReader &in, ReportFile &out) {
    if (QString why = refusal(diaryPath, jobCode); !why.isEmpty())
        return why;
    if (!in.open(diaryPath))
        return in.error();
    // An extract's folder is made when missing, readable by its owner only like the Diary's lines.
    if (QString why;
        !QFileInfo(output).dir().exists() && !files::makeFolder(QFileInfo(output).path(), &why))
        return why;
    if (!out.open(output, mode, diaryPath))
        return out.error();
    return {};
}

ReportResult finish(ReportFile &out, const LineReader &in, BadLines *bad) {
    if (bad != nullptr)
        *bad = in.badLines();
    if (!in.error().isEmpty()) {
        out.cancel();
        return failed(out.path(), in.error());
    }
    if (!out.commit())
        return failed(out.path(), out.error());
    return ReportResult{true, out.path(), {}};
}

} // namespace

QString jobListPath(const QString &diaryPath, const QString &user) {
    return reportPath(diaryFolder(diaryPath), user + QStringLiteral("jobs.txt"));
}

QString workOrderPath(const QString &diaryPath, const QString &jobCode) {
    return reportPath(diaryFolder(diaryPath), jobCode + QStringLiteral(".txt"));
}

QString jobExtractPath(const QString &diaryPath, const QString &folder, const QString &user,
                       const QString &jobCode) {
    return reportPath(folder.isEmpty() ? diaryFolder(diaryPath) : folder,
                      user + jobCode + QStringLiteral(".txt"));
}

ReportResult writeJobCodeList(const QString &diaryPath, const QString &user, const QDateTime &now,
                              const ReportProgress &progress, BadLines *bad) {
    const QString output = jobListPath(diaryPath, user);
    LineReader in;
    ReportFile out;
    if (const QString why = start(diaryPath, nullptr, output, ReportFile::Mode::Replace, in, out);
        !why.isEmpty())
        return failed(output, why);

    out.line(QByteArrayView());
    out.line(QByteArrayView("\t------------------\t------------------"));
    out.textLine(QStringLiteral("\tJobCode list for ") + user + QStringLiteral(" at ") +
                 reportDateTime(now));
    out.textLine(QStringLiteral("\t(as found in the logfile ") + diaryPath + u')');
    out.line(QByteArrayView());

    // Least recent first; nine empty codes to begin with.
    QList<QByteArray> recent(kRecentCodes);
    Progress report(progress, in);
    QByteArrayView line;
    while (in.next(&line)) {
        report.line();
        const ParsedLine p = parseLine(line);
        if (!p.isStart())
            continue;
        const qsizetype seen = recent.indexOf(p.tag);
        if (seen < 0) {
            out.line(p.tag);
            recent.removeFirst();
            recent.append(p.tag.toByteArray());
        } else {
            recent.move(seen, recent.size() - 1);
        }
    }

    out.line(QByteArrayView());
    out.line(QByteArrayView("             This list includes all codes used."));
    out.line(QByteArrayView("  Codes might appear more than once, depending on the pattern"));
    out.line(QByteArrayView());
    report.done();
    return finish(out, in, bad);
}

ReportResult writeWorkOrder(const QString &diaryPath, const QString &jobCode,
                            const QString &companyName, const QDateTime &now,
                            const ReportProgress &progress, BadLines *bad) {
    const QString output = workOrderPath(diaryPath, jobCode);
    LineReader in;
    ReportFile out;
    if (const QString why = start(diaryPath, &jobCode, output, ReportFile::Mode::Append, in, out);
        !why.isEmpty())
        return failed(output, why);

    // Runs nest: a run started inside a running one is collected one level deeper.
    std::array<JobCollector, kNestedRuns> runs;
    for (JobCollector &run : runs) {
        run.setFileName(output);
        run.setEmbedded(true);
        run.setRecordReady([&run, &out] { out.line(run.takeRecord()); });
    }

    out.line(QByteArrayView());
    out.textLine(QStringLiteral("\t---------< ") + companyName + QStringLiteral(" >---------"));
    out.textLine(QStringLiteral("\tFor job ") + jobCode + QStringLiteral(" as of ") +
                 reportDateTime(now));
    out.line(QByteArrayView());

    const QByteArray needle = codeNeedle(jobCode);
    qint64 minutes = 0;
    int depth = 0;
    Progress report(progress, in);
    QByteArray text;
    QByteArrayView line;
    while (in.next(&line)) {
        report.line();
        if (!line.contains(needle))
            continue;
        const ParsedLine p = parseLine(line);
        if (p.isStart())
            ++depth;
        if (p.hasRunMinutes)
            addMinutes(&minutes, p.runMinutes);
        else if (p.badFigure)
            in.noteBad(badFigureWhy(p));
        if (depth >= 1 && depth <= kNestedRuns) {
            JobCollector &c = runs[size_t(depth - 1)];
            c.setCustNum(p.tag);
            c.setJobName(p.task);
            if (!p.start().isEmpty())
                c.setStart(p.start());
            if (!p.stop().isEmpty())
                c.setStopTime(p.stop());
            if (!p.cash.isEmpty())
                c.setCash(p.cash);
            if (!p.minutes.isEmpty())
                c.setElapsed(p.minutes);
            if (p.isStop())
                c.emitRecord();
        }
        // An amount that cannot be real is no cash event.
        if (p.hasAmount) {
            text = "Cash event, $";
            out.line(text.append(p.cash));
        }
        if (!p.memo.isEmpty()) {
            text = "Memorandum ";
            out.line(text.append(p.memo).append("@ ").append(p.stamp));
        }
        // A Stop whose Start lies before the Diary's first line (or was lost) closes nothing:
        // counting it would leave every later run of the code uncollected.
        if (p.isStop() && depth > 0)
            --depth;
    }

    out.line(QByteArrayView());
    out.textLine(hoursText(minutes));
    report.done();
    return finish(out, in, bad);
}

ReportResult writeJobExtract(const QString &diaryPath, const QString &folder, const QString &user,
                             const QString &jobCode, const ReportProgress &progress,
                             BadLines *bad) {
    const QString output = jobExtractPath(diaryPath, folder, user, jobCode);
    LineReader in;
    ReportFile out;
    if (const QString why = start(diaryPath, &jobCode, output, ReportFile::Mode::Replace, in, out);
        !why.isEmpty())
        return failed(output, why);

    const QByteArray needle = codeNeedle(jobCode);
    qint64 minutes = 0;
    Progress report(progress, in);
    QByteArrayView line;
    while (in.next(&line)) {
        report.line();
        if (!line.contains(needle))
            continue;
        out.line(line);
        const ParsedLine p = parseLine(line);
        if (p.hasRunMinutes)
            addMinutes(&minutes, p.runMinutes);
        else if (p.badFigure)
            in.noteBad(badFigureWhy(p));
    }
    out.textLine(hoursText(minutes));
    report.done();
    return finish(out, in, bad);
}

} // namespace vidorev::diary
