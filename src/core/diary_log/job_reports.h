#pragma once

#include "diary_log/line_reader.h"
#include "diary_log/report_file.h"

#include <QDateTime>
#include <QString>

// The billing reports read from one user's Diary: the list of job codes, a job's work order and
// a job's extract. Each runs start to end on whatever thread calls it, reporting progress, and
// touches no file unless the Diary is there (and, where one is needed, the job code is). Lines
// the report did not count (too long, or with a figure that cannot be real) are handed back in
// bad when it is given.
namespace vidorev::diary {

// Where each report goes; the user's and the job's names are made safe file names.
QString jobListPath(const QString &diaryPath, const QString &user);
QString workOrderPath(const QString &diaryPath, const QString &jobCode);
// folder empty: the Diary's folder.
QString jobExtractPath(const QString &diaryPath, const QString &folder, const QString &user,
                       const QString &jobCode);

// Every job code that starts a job, each listed when it is not among the nine most recently seen
// codes, between a header and a footer. Made anew.
ReportResult writeJobCodeList(const QString &diaryPath, const QString &user, const QDateTime &now,
                              const ReportProgress &progress = {}, BadLines *bad = nullptr);

// A job's work order, added to the job's file: a header with the company name, one line per
// completed run (nested runs up to four deep), its cash events and memos, and the total hours.
ReportResult writeWorkOrder(const QString &diaryPath, const QString &jobCode,
                            const QString &companyName, const QDateTime &now,
                            const ReportProgress &progress = {}, BadLines *bad = nullptr);

// Every Diary line that mentions the job, copied as it is, and the total hours. Made anew.
ReportResult writeJobExtract(const QString &diaryPath, const QString &folder, const QString &user,
                             const QString &jobCode, const ReportProgress &progress = {},
                             BadLines *bad = nullptr);

// What the report panels turn while a report runs: the list's frames and the miner's.
inline const QString kListSpinner[4] = {QStringLiteral("\\"), QStringLiteral("|"),
                                        QStringLiteral("/"), QStringLiteral("-")};
inline const QString kMineSpinner[4] = {QStringLiteral(" |"), QStringLiteral(" /"),
                                        QStringLiteral(" -"), QStringLiteral(" \\")};

} // namespace vidorev::diary
