#pragma once

#include "diary_log/job_collector.h"
#include "diary_log/line_reader.h"
#include "diary_log/report_file.h"

#include <array>

// Copies a user's Diary into a tab-separated table for billing: one row per memo, and one per
// job run (code, task, start, stop, cash, minutes) once the run is complete. Lines are taken one
// at a time ("Step/test") or all the rest at once; six collectors hold the jobs that run at the
// same time.
namespace vidorev::diary {

class DataMiner {
public:
    static constexpr int kCollectors = 6;

    // The table's file: the Diary's folder and the user's name + ".tab", made safe.
    static QString tablePath(const QString &diaryPath, const QString &user);

    // Opens the Diary and begins the table anew; the old table is replaced only by finish().
    // Touches no file when the Diary is not there.
    ReportResult open(const QString &user, const QString &diaryPath);
    bool isOpen() const { return m_reader.isOpen(); }
    // Reads up to the next line that starts with "[" and takes it in. False when none was left.
    bool step();
    bool atEnd();
    // Takes in every line left; may run on a thread of its own (nothing else may touch the
    // miner meanwhile).
    ReportResult runRest(const ReportProgress &progress = {});
    // Closes the Diary, writes every job still pending and puts the table in place.
    ReportResult finish();

    const JobCollector &collector(int index) const { return m_jobs[size_t(index)]; }
    JobCollector &collector(int index) { return m_jobs[size_t(index)]; }
    // ":" once opened, then " |", " /", " -", " \" as lines are taken in.
    QString spinner() const;
    QString output() const { return m_out.path(); }
    // Lines taken in so far (ignored ones not counted).
    qint64 taken() const { return m_taken; }
    // Lines whose figures were not added (they cannot be real) or that were too long to read,
    // since the Diary was opened.
    const BadLines &badLines() const { return m_reader.badLines(); }

private:
    void take(QByteArrayView line);
    JobCollector &choose(QByteArrayView tag, QByteArrayView task);

    LineReader m_reader;
    ReportFile m_out;
    std::array<JobCollector, kCollectors> m_jobs;
    qint64 m_taken = 0;
};

} // namespace vidorev::diary
