#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include "platform/file_output.h"

#include <functional>

// What the billing reports share: where their files go, how those files are written, and what a
// report run hands back to whoever started it.
namespace vidorev::diary {

// Progress of a long report, from the thread that runs it: bytes of the Diary read so far and in
// all.
using ReportProgress = std::function<void(qint64 done, qint64 total)>;

struct ReportResult {
    bool ok = false;
    QString output; // the file actually written (its name made safe), or the one that failed
    QString error;  // why nothing, or not everything, was written
};

// Makes text typed by a user (a job code, a user name, or a file name built from them) one
// file name that stays in its folder and is usable on common file systems: path separators,
// control characters and : * ? " < > | become "_"; a name of dots only has its dots replaced
// too; an empty name is "_"; a name longer than 255 UTF-8 bytes is shortened before its
// extension. Ordinary names come back unchanged.
QString safeFileName(const QString &name);

// A Diary a report may read: a path of at least five characters naming an existing file (not a
// folder) whose own name has at least five characters.
bool reportDiaryOk(const QString &diaryPath);

// The folder that holds the Diary.
QString diaryFolder(const QString &diaryPath);
// folder joined with safeFileName(name).
QString reportPath(const QString &folder, const QString &name);

// "12-04-2026 3:45:12 PM": the Diary's date and time forms, as report headers show "now".
QString reportDateTime(const QDateTime &at);

// One report's output, buffered: either made anew (the old file is replaced only when commit()
// succeeds) or appended to whole (created when missing; a failure takes the file back to what it
// was). Never written through a link nor over the Diary it is made from, and no more readable
// than that Diary. Lines end with CR LF, as the Diary's do.
class ReportFile {
public:
    enum class Mode { Replace, Append };

    ReportFile();
    ~ReportFile(); // without commit(): nothing of this report stays
    ReportFile(const ReportFile &) = delete;
    ReportFile &operator=(const ReportFile &) = delete;

    // source: the Diary the report is made from.
    bool open(const QString &path, Mode mode, const QString &source);
    bool isOpen() const { return m_open; }
    void line(QByteArrayView bytes);
    void textLine(const QString &text) { line(QByteArrayView(text.toUtf8())); }
    // Writes the rest, then renames into place or syncs. False with error() on any failure.
    bool commit();
    // Drops what this report wrote.
    void cancel();

    QString path() const { return m_path; }
    QString error() const { return m_error; }

private:
    bool flush();

    Mode m_mode = Mode::Replace;
    QString m_path;
    QString m_error;
    files::ReplaceFile m_new;
    files::AppendFile m_append;
    bool m_open = false;
    QByteArray m_buffer;
};

} // namespace vidorev::diary
