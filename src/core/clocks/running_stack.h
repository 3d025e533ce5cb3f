#pragma once

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

} // namespace vidorev::running_stack
