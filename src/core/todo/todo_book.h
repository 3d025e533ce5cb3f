#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace vidorev {

class SettingsStore;

// A user's eight to-do lists: their own (prefix = user name) and seven job lists
// (prefix = user name + "Job1".."Job7"), which list is on show, and the pages rows sit on.
namespace todo {

inline constexpr int kJobLists = 7;
inline constexpr int kRowsPerPage = 7;

enum class Page { Top, Mid, Bot, Ped };
QString pageName(Page page);
// Unknown text reads as "Top".
Page pageFromName(const QString &name);
// The page a row belongs to when the list is laid out: 1-6 Top, 7-11 Mid, 12-16 Bot, 17-22 Ped.
Page pageOfRow(int row);
// The first of the seven rows a page shows (1, 6, 11, 16).
int firstRowOf(Page page);
Page pageUp(Page page);
Page pageDown(Page page);
// Enter on row k moves to the page where row k+1 shows, if it is hidden now.
Page pageAfterEnter(Page current, int row);

struct PageButtons {
    bool up = false;
    bool down = false;
    bool operator==(const PageButtons &) const = default;
};
// lengths[k-1] is the length of row k's task text.
PageButtons pageButtons(Page page, const std::array<qsizetype, 22> &lengths);

QString jobListPrefix(const QString &user, int n);

// The seven job-list titles; an empty "0Task" takes an older "JobList" + N title, which moves
// to "0Task", and every "JobList" key is emptied.
std::array<QString, kJobLists> loadTitles(SettingsStore &store, const QString &user);

// The list on show ("Task" of the user's "DoData", the user name by default).
QString listOnShow(const SettingsStore &store, const QString &user);
// False when the store refused it (the reason in its lastError()).
bool setListOnShow(SettingsStore &store, const QString &user, const QString &prefix);
// 0 for the user's own list, 1..7 for a job list, -1 for a prefix of nobody's.
int listIndex(const QString &user, const QString &prefix);

// "To Do List " + title, then k + ") " + text + charged for each row with text, numbered by row.
QString copyListText(const QString &title, const std::array<QString, 22> &texts,
                     const std::array<QString, 22> &charged, const QString &lineEnd);

} // namespace todo
} // namespace vidorev
