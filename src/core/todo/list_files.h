#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The two files a to-do list is kept in outside the store. Other programs and old files read
// and write them, so their layout is fixed:
//  - a task file (".2do"): one line per non-empty slot, slot order, each ended by CR LF;
//  - a storage file (".2ds"): 23 lines, node "0" (the head) to "22", each
//    task TAB prior TAB next TAB minutes, ended by CR LF.
// Text is written as UTF-8; a line that is not valid UTF-8 (an older file) is read as Latin-1.
namespace vidorev::todo {

inline constexpr int kStorageNodes = 23; // "0" .. "22"

// A task as it stands in a task file line: CR or LF would split the line, so each becomes a
// blank. (In a storage line a TAB, which would shift the fields, becomes one too.)
QString taskFileLine(const QString &task);

struct StoredNode {
    QString task;
    QString prior = QStringLiteral("0");
    QString next = QStringLiteral("0");
    std::optional<QString> soFar = QStringLiteral("0"); // absent: the line had only two tabs
    bool operator==(const StoredNode &) const = default;
};

QString storageLine(const QString &task, const QString &prior, const QString &next,
                    qint64 soFarMinutes);

// Reads a storage line back: the text after the first tab is cut to 12 characters, after the
// second to 9, after the third to 6 (two-digit ids, six-digit minutes). A line with only two
// tabs has no minutes. Nothing when the first or second tab is missing.
std::optional<StoredNode> parseStorageLine(const QString &line);

// The whole storage file, node "0" first, always 23 nodes (missing lines are empty nodes).
// Nothing, with *error set, when the file cannot be read or is not a storage file: empty, more
// than 23 lines, a line without its first two tabs, a link that is not a node id, or minutes
// that are not a number.
std::optional<std::vector<StoredNode>> readStorageFile(const QString &path, QString *error);

// Up to maxLines lines of a task file, each as written (no line end). Nothing, with *error set,
// when the file cannot be opened.
std::optional<QStringList> readTaskFile(const QString &path, int maxLines, QString *error);

// Writes the lines, each ended by CR LF, to a temporary file beside path that is synced and then
// renamed over it: path holds the old file or the whole new one, never a part. False, with
// *error set and the old file untouched, when any step failed.
bool writeLinesSafely(const QString &path, const QStringList &lines, QString *error);

} // namespace vidorev::todo
