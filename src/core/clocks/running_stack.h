#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The running-job chain as stored under the user's "Stack": ":" + section per started clock,
// oldest first; the entry after the last ":" is the clock that runs now.
namespace vidorev::running_stack {

// The section of the running clock; empty when nothing runs.
QString top(const QString &chain);
QStringList entries(const QString &chain);
QString pushed(const QString &chain, const QString &section);
// The chain without its last entry.
QString popped(const QString &chain);
// The chain without the last entry naming section; unchanged when no entry names it.
QString without(const QString &chain, const QString &section);

// ":" separates the entries, so a section that holds one, or a user name that would put one
// into every section of theirs, cannot stand on the chain.
bool fitsInChain(const QString &name);

// Store sections compare without regard to case, so chain entries do too.
bool sameSection(const QString &a, const QString &b);

// Minutes between two local date-times: minute boundaries crossed, both cut to the whole
// minute and subtracted on real time (10:00:59 to 10:01:00 is 1; 01:50 EDT to 01:10 EST on the
// night the clocks go back is 20). A start that is not a date, or one after
// the end (the system clock was set back), counts 0; the count stops at the 32-bit limit.
int minutesBetween(const QDateTime &from, const QDateTime &to);

// a + b, held within the 32-bit range.
int addMinutes(int a, int b);

} // namespace vidorev::running_stack
