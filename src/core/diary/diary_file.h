#pragma once

#include <QString>
#include <QStringList>

// The Diary file on disk: whether it is there, and the durable append every writer uses.
namespace vidorev::diary {

enum class AppendResult {
    Appended,
    Missing, // no Diary file at the path: nothing was written
    Failed,  // the file is there but the write or the sync failed: nothing may be relied on
};

// The rule every writer shares: a file must exist at the path (a regular file whose name has
// at least two characters). Writers never create a Diary.
bool writerCanAppend(const QString &path);

// The main window's stricter check before it offers the Diary buttons: a path longer than
// five characters naming an existing file whose name is longer than five characters.
bool diaryAvailable(const QString &path);

// Appends the lines (each ended by CR LF) in one write to a file opened for appending, then
// syncs it to disk before reporting success. Appends from several processes never interleave
// within a line.
AppendResult appendLines(const QString &path, const QStringList &lines, QString *error = nullptr);

} // namespace vidorev::diary
