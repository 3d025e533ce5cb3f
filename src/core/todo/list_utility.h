#pragma once

#include "platform/settings_store.h"
#include "todo/task_chain.h"

#include <QDateTime>
#include <QString>

#include <array>

namespace vidorev {

namespace todo {

// What became of one action: ok, or why nothing (or, where said, not all) was done.
struct ActionResult {
    bool ok = true;
    QString message;
};

// Which file actions a path allows. Task files end in "o", storage files in "s" (exactly: a
// ".2DO" allows nothing); a storage file is moved from when it exists, moved to when it does not.
struct FileButtons {
    bool load = false;
    bool save = false;
    bool moveFrom = false;
    bool moveTo = false;
    bool operator==(const FileButtons &) const = default;
};
// A path shorter than 5 characters is no path yet: it allows nothing and is not remembered.
bool isUsablePath(const QString &path);
FileButtons fileButtons(const QString &path, bool listSelected, bool fileExists);

// The path last used on the utilities panel ("StashPath").
QString stashPath(const SettingsStore &store, const QString &user);
bool setStashPath(SettingsStore &store, const QString &user, const QString &path);

// The user's own list takes the user name as its title when it has none; its title.
QString ensureOwnTitle(SettingsStore &store, const QString &user);
// "0Task" of each job list, read only.
std::array<QString, 7> jobListTitles(const SettingsStore &store, const QString &user);
bool renameList(SettingsStore &store, const QString &prefix, const QString &title);

} // namespace todo

// The maintenance of one list: rebuilding and repairing its chain, zeroing its times, and
// moving its tasks to and from files. The primary pointer is the next slot a task file loads
// into (1..22; 23 when loading is done until a list is chosen again).
class ListUtility {
public:
    static constexpr int kPointerDone = TaskChain::kSlots + 1;

    explicit ListUtility(SettingsStore &store);

    // Chooses the list by its prefix ("" for none) and resets the pointer to slot 1.
    void select(const QString &prefix, const QString &title);
    QString prefix() const { return m_chain.prefix(); }
    QString title() const { return m_title; }
    // A renamed list: later notes carry the new title; the pointer stays.
    void setTitle(const QString &title) { m_title = title; }
    bool selected() const { return !m_chain.prefix().isEmpty(); }
    int pointer() const { return m_pointer; }

    // Empties every node (the title too), zeroes every tally, and links the slots in number
    // order in a ring through the head.
    todo::ActionResult init();
    // Only the ring of links; tasks, title and times stay.
    todo::ActionResult repairLinks();
    // Zeroes the tallies of slots 1-22; loading stops until a list is chosen again.
    todo::ActionResult clearTimes();

    // Each non-empty slot's task, slot order, into a task file; loading stops until a list is
    // chosen again. The old file stays whole when the write fails.
    todo::ActionResult saveTaskFile(const QString &path);
    // Fills slots from the pointer on, one per line, and notes each in the user's Diary. The
    // task file and the Diary are checked first; when either fails, the list is left as it was.
    todo::ActionResult loadTaskFile(const QString &path, const QString &user, const QDateTime &at);
    // The whole list (tasks, title, links, tallies) into a storage file; the list is emptied
    // only once the file is safely complete.
    todo::ActionResult moveToStorage(const QString &path);
    // Puts a storage file back into the list in one transaction, then deletes the file. A file
    // that is not a storage file changes nothing.
    todo::ActionResult moveFromStorage(const QString &path);

private:
    void writeRing();
    QString soFar(const QString &node) const;
    bool setSoFar(const QString &node, const QString &minutes);
    todo::ActionResult refused() const;
    // Commits the action's batch and moves the primary pointer, or says why nothing was kept.
    todo::ActionResult commitAt(SettingsStore::Batch &batch, int pointer);

    SettingsStore &m_store;
    TaskChain m_chain;
    QString m_title;
    int m_pointer = kPointerDone;
};

} // namespace vidorev
