#pragma once

#include <QString>

// Making a user's Diary: a new empty file that only its owner can read, never over one that is
// already there.
namespace vidorev::admin {

// The path a typed Diary name stands for: a relative name is taken inside folder, joined with
// exactly one separator. Blanks around the text are not part of it.
QString diaryPathFrom(const QString &typed, const QString &folder);

enum class DiaryCheck {
    Usable,
    Empty,     // no path at all
    Folder,    // a folder is not a Diary
    ShortName, // the window takes a file name of five characters or fewer for no Diary
};
DiaryCheck checkDiaryPath(const QString &path);
// Why such a path cannot be a Diary, for a message: "" when it can.
QString diaryCheckReason(DiaryCheck check);

enum class CreateOutcome { Created, Exists, Refused, Failed };
struct CreateResult {
    CreateOutcome outcome;
    QString reason; // Refused and Failed: why
};
// Creates the empty file only when nothing exists at path (in one step, so a file that appears
// meanwhile is not replaced either), readable and writable by its owner alone.
CreateResult createEmptyDiary(const QString &path);

} // namespace vidorev::admin
