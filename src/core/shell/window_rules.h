#pragma once

#include <QString>

#include <vector>

// The main window's rules: which buttons a mode offers, the Diary check, the command line and
// where the status flag leads. The window applies them; it decides nothing itself.
namespace vidorev::shell {

// 0 panel from the tool buttons (or no Diary at the menu), 1 main menu, 2 JobTrack, 3 Notes,
// 4 ToDo list, 5 other tool, 6 other tool without a Diary.
enum Mode {
    kModePanel = 0,
    kModeMenu,
    kModeJobTrack,
    kModeNotes,
    kModeToDo,
    kModeTool,
    kModeToolNoDiary
};

struct HotButtons {
    bool jobTrack = false;
    bool notes = false;
    bool mainMenu = false;
    bool toDo = false;
    bool statusFlag = false;
    bool operator==(const HotButtons &) const = default;
};

HotButtons hotButtonsFor(int mode);

// A missing Diary takes the menu to mode 0 and any tool to mode 6.
int modeAfterDiaryCheck(int mode, bool diaryPresent);

// After hiding every panel: a tool with a Diary or without.
int modeForTool(bool diaryAvailable);

bool adminAvailable(const QString &user, const QString &adminName);
// "New Diary" is open to all unless the desk is locked; then only to the administrator.
bool newDiaryAvailable(const QString &locked, const QString &user, const QString &adminName);
// And the button itself acts only for a user name of two characters or more.
bool newDiaryActs(const QString &user);

// One option of the start-up line: "/U" + user, "/A" all alarms. Letters are case-sensitive.
struct StartOption {
    QChar letter;
    QString value;
    bool operator==(const StartOption &) const = default;
};
std::vector<StartOption> scanCommandLine(const QString &line);

struct StatusFlag {
    QString caption;
    QString toolTip;
};
// jobCode: the running clock's "Job", named in the tooltip so a glance tells what is billed.
StatusFlag statusFlag(const QString &user, const QString &chain, const QString &jobCode = {});
QString initialStatusToolTip();

enum class RunningTarget { None, JobClock, ToDoTask };
// The running clock is a job clock when its section holds "TC", else a to-do task.
RunningTarget runningTarget(const QString &user, const QString &chain);

} // namespace vidorev::shell
