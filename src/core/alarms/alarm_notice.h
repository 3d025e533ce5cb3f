#pragma once

#include <QString>

namespace vidorev {

class AlarmTimer;

// The desktop notification for an alarm that rang: which alarm, and the time it was set for.
struct AlarmNotice {
    QString summary;
    QString body;
};

// A user at the window sees its alert; one who is elsewhere (another window in front, the desk
// minimised) is told by the desktop as well.
bool alarmNeedsNotice(bool windowActive);

// Alarm n (1 .. 14) as its row shows it, with the time in the row's 24-hour form.
AlarmNotice alarmNotice(int alarm, const AlarmTimer &timer);

} // namespace vidorev
