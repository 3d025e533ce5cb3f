#pragma once

#include "clocks/running_jobs.h"

#include <QString>

namespace vidorev {
class SettingsStore;
}

// The job tracker's rules around its five clocks.
namespace vidorev::job_tracker {

inline constexpr int kClockCount = 5;

// "TC1".."TC5".
QString clockId(int n);

// The tracker sets itself up only for a name of three characters or more that can stand on
// the running-job stack (no ":").
bool acceptsUser(const QString &user);
// The help frame's line for a name the tracker does not accept; empty for one it does.
QString userRefusal(const QString &user);

// "Annotate" is offered while a clock runs: on loading when the chain is longer than two
// characters, after a Start or Stop when it is not empty.
bool annotateOnLoad(const QString &chain);
bool annotateAfterPost(const QString &chain);

// Records under every clock section the name the tracker has on its host. Values already in
// place are not written again, so showing the tracker costs no disk sync. False when the store
// refused them.
[[nodiscard]] bool markContainer(SettingsStore &store, const QString &user,
                                 const QString &containerName);

// The line for a Start, a Stop or another clock action (`what`, as "this Start or Stop") that
// did not go through; empty when it did. An action that wrote no record and could not save
// says only that.
QString postingMessage(const Posting &posting,
                       const QString &what = QStringLiteral("this Start or Stop"));

} // namespace vidorev::job_tracker
