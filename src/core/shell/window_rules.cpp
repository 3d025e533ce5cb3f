#include "shell/window_rules.h"

#include "admin/admin_rules.h"
#include "clocks/running_stack.h"

namespace vidorev::shell {

HotButtons hotButtonsFor(int mode) {
    switch (mode) {
    case kModeMenu:
        return {true, true, false, true, true};
    case kModeJobTrack:
        return {false, true, true, true, true};
    case kModeNotes:
        return {true, false, true, true, true};
    case kModeToDo:
        return {true, true, true, false, true};
    case kModeTool:
        return {true, true, true, true, true};
    case kModeToolNoDiary:
        return {false, false, true, false, false};
    default:
        return {};
    }
}

int modeAfterDiaryCheck(int mode, bool diaryPresent) {
    if (diaryPresent)
        return mode;
    if (mode == kModeMenu)
        return kModePanel;
    return mode > kModeMenu ? kModeToolNoDiary : mode;
}

int modeForTool(bool diaryAvailable) {
    return diaryAvailable ? kModeTool : kModeToolNoDiary;
}

bool adminAvailable(const QString &user, const QString &adminName) {
    return admin::isAdministrator(user, adminName);
}

bool newDiaryAvailable(const QString &locked, const QString &user, const QString &adminName) {
    return locked == QLatin1String("No") || admin::isAdministrator(user, adminName);
}

bool newDiaryActs(const QString &user) {
    return user.size() >= 2;
}

std::vector<StartOption> scanCommandLine(const QString &line) {
    std::vector<StartOption> options;
    qsizetype slash = line.indexOf(u'/');
    while (slash >= 0 && slash + 1 < line.size()) {
        const qsizetype next = line.indexOf(u'/', slash + 1);
        const QString body = line.mid(slash + 1, next < 0 ? -1 : next - slash - 1);
        if (!body.isEmpty())
            // A blank typed before the next "/" is not part of a user name.
            options.push_back({body.front(), body.mid(1).trimmed()});
        slash = next;
    }
    return options;
}

QString initialStatusToolTip() {
    return QStringLiteral("Flag  \"#\" shows if either ToDo or JobTrack are timing your job.");
}

StatusFlag statusFlag(const QString &user, const QString &chain, const QString &jobCode) {
    if (user.isEmpty() || chain.isEmpty())
        return {QString(), QStringLiteral("Not timing any Job")};
    const QString tip = QStringLiteral("Click to GoTo job being timed");
    return {QStringLiteral("#"),
            jobCode.isEmpty() ? tip : tip + QStringLiteral(" (job %1)").arg(jobCode)};
}

RunningTarget runningTarget(const QString &user, const QString &chain) {
    if (user.isEmpty() || chain.isEmpty())
        return RunningTarget::None;
    return running_stack::top(chain).contains(QLatin1String("TC")) ? RunningTarget::JobClock
                                                                   : RunningTarget::ToDoTask;
}

} // namespace vidorev::shell
