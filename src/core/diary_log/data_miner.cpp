#include "diary_log/data_miner.h"

#include "diary_log/job_reports.h"
#include "diary_log/line_parse.h"

namespace vidorev::diary {
namespace {

constexpr int kProgressEvery = 16384;
// Collectors a new job may take while they are free; the last one is shared by the overflow.
constexpr int kFreeCollectors = DataMiner::kCollectors - 1;

} // namespace

QString DataMiner::tablePath(const QString &diaryPath, const QString &user) {
    return reportPath(diaryFolder(diaryPath), user + QStringLiteral(".tab"));
}

ReportResult DataMiner::open(const QString &user, const QString &diaryPath) {
    m_reader.close();
    m_out.cancel();
    m_taken = 0;
    const QString output = tablePath(diaryPath, user);
    // Every collector starts empty, whether or not this table can be made.
    for (JobCollector &job : m_jobs)
        job.setFileName(output, [this](QByteArrayView row) { m_out.line(row); });
    if (!reportDiaryOk(diaryPath))
        return ReportResult{false, output, QStringLiteral("no Diary at \"%1\"").arg(diaryPath)};
    if (!m_reader.open(diaryPath))
        return ReportResult{false, output, m_reader.error()};
    if (!m_out.open(output, ReportFile::Mode::Replace, diaryPath)) {
        m_reader.close();
        return ReportResult{false, output, m_out.error()};
    }
    return ReportResult{true, output, {}};
}

bool DataMiner::step() {
    QByteArrayView line;
    while (m_reader.next(&line)) {
        if (line.startsWith('[')) {
            take(line);
            return true;
        }
    }
    return false;
}

bool DataMiner::atEnd() {
    return !m_reader.isOpen() || m_reader.atEnd();
}

ReportResult DataMiner::runRest(const ReportProgress &progress) {
    if (!m_reader.isOpen())
        return ReportResult{false, output(), QStringLiteral("the Diary is not open")};
    QByteArrayView line;
    qint64 lines = 0;
    while (m_reader.next(&line)) {
        if (line.startsWith('['))
            take(line);
        if (progress && ++lines % kProgressEvery == 0)
            progress(m_reader.position(), m_reader.size());
    }
    if (progress)
        progress(m_reader.size(), m_reader.size());
    if (!m_reader.error().isEmpty())
        return ReportResult{false, output(), m_reader.error()};
    return ReportResult{true, output(), {}};
}

ReportResult DataMiner::finish() {
    if (!m_out.isOpen())
        return ReportResult{false, output(), QStringLiteral("no table is being written")};
    const QString readError = m_reader.error();
    m_reader.close();
    for (JobCollector &job : m_jobs)
        job.emitRecord();
    if (!readError.isEmpty()) {
        m_out.cancel();
        return ReportResult{false, output(), readError};
    }
    if (!m_out.commit())
        return ReportResult{false, output(), m_out.error()};
    return ReportResult{true, output(), {}};
}

QString DataMiner::spinner() const {
    if (m_taken == 0)
        return QStringLiteral(":");
    return kMineSpinner[(m_taken - 1) % 4];
}

JobCollector &DataMiner::choose(QByteArrayView tag, QByteArrayView task) {
    for (JobCollector &job : m_jobs)
        if (job.custNum() == tag && job.jobName() == task)
            return job;
    for (int i = 0; i < kFreeCollectors; ++i)
        if (m_jobs[size_t(i)].custNum().isEmpty())
            return m_jobs[size_t(i)];
    return m_jobs.back();
}

void DataMiner::take(QByteArrayView line) {
    // To-do notes and the upgrade line are not billing, and are passed over unparsed.
    if (tagIs(line, QByteArrayView("DoList")) || tagIs(line, QByteArrayView("Vidorev")))
        return;
    const ParsedLine p = parseLine(line);
    ++m_taken;
    if (p.badFigure)
        m_reader.noteBad(badFigureWhy(p));
    JobCollector &job = choose(p.tag, p.task);
    if (!job.custNum().isEmpty() && job.custNum() != p.tag)
        job.emitRecord();
    job.setCustNum(p.tag);
    job.setJobName(p.task);
    if (!p.start().isEmpty())
        job.setStart(p.start());
    if (!p.stop().isEmpty())
        job.setStopTime(p.stop());
    if (!p.cash.isEmpty())
        job.setCash(p.cash);
    if (!p.minutes.isEmpty())
        job.setElapsed(p.minutes);
    if (p.isStop())
        job.emitRecord();
    if (!p.memo.isEmpty())
        job.setMemo(p.memo);
}

} // namespace vidorev::diary
