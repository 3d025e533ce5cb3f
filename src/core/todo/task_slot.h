#pragma once

#include "clocks/running_jobs.h"

#include <QString>

#include <optional>

namespace vidorev {

class SettingsStore;
class TaskChain;

// The rules of one to-do row: a task slot of a list and the clock that times it. The row
// shows what load() reads; every change goes through here and is written at once.
namespace todo {

struct SlotView {
    QString text;
    QString prior = QStringLiteral("0");
    QString next = QStringLiteral("0");
    bool unlinked = false;
    ClockStatus status = ClockStatus::Stop;
    int soFarMinutes = 0;
    QDateTime runningSince; // a running clock's start
    // The tally so far, a running clock's current run included.
    int minutesAt(const QDateTime &now) const;
};

// Reads the node; an empty slot's tally is set back to 0.
SlotView load(SettingsStore &store, TaskChain &chain, const QString &node);

// A new or changed text in a slot: writes the task and its links, zeroes the tally and returns
// "<AddTask> (" + caption + ") " + text. Nothing for an empty or unchanged text, and nothing
// when the store refused the writes (none is kept; *saveError says why).
std::optional<QString> add(SettingsStore &store, TaskChain &chain, const QString &node,
                           const SlotView &view, const QString &caption, const QString &text,
                           QString *saveError);

enum class Outcome { Finish, Drop };
// Frees the slot and returns "<FinishTask> (" or "<DropTask> (" + caption + ") " + text.
// Refused (nothing) for an empty slot, while the task's clock runs or is halted, or when the
// store refused the writes (*saveError says why).
std::optional<QString> remove(SettingsStore &store, TaskChain &chain, const QString &node,
                              Outcome outcome, const QString &caption, const QString &text,
                              QString *saveError);

// " = 1.5 Hours" for 90 minutes; empty when the hours shown are 0.
QString charged(int minutes);

// The clock button: starts a stopped clock or stops a running one (a halted clock, or an empty
// slot, does nothing). Start records carry the list title and the task text.
Posting pressClock(RunningJobs &jobs, const QString &user, const TaskChain &chain,
                   const QString &node, const QString &caption, const QString &text);

} // namespace todo
} // namespace vidorev
