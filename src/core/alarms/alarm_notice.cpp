#include "alarms/alarm_notice.h"

#include "alarms/alarm_timer.h"

namespace vidorev {

bool alarmNeedsNotice(bool windowActive) {
    return !windowActive;
}

AlarmNotice alarmNotice(int alarm, const AlarmTimer &timer) {
    const QString time = timer.timeBoxText();
    return {QStringLiteral("Alarm %1 \u2013 %2").arg(alarm).arg(time),
            QStringLiteral("Vidorev alarm %1, set for %2, went off.").arg(alarm).arg(time)};
}

} // namespace vidorev
