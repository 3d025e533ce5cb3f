#pragma once

#include <QDateTime>
#include <QString>

namespace vidorev {

// The daily reset: armed whenever the tick switches an alarm off, it runs once at the next
// 00:01 after its arming. A machine asleep at 00:01 runs it at its first tick after waking, so
// a night without a tick never leaves the next day's alarms off.
class DailyReset {
public:
    static QString ident() { return QStringLiteral("TimerReset"); }
    static QTime resetTime() { return QTime(0, 1); }

    // Arms the reset for the first 00:01 after `now`; arming again keeps the earlier moment.
    void arm(const QDateTime &now);
    bool armed() const { return m_armed; }
    QDateTime due() const { return m_due; }

    // True once when the reset is due: it is disarmed and the caller runs it.
    bool tick(const QDateTime &now);

private:
    bool m_armed = false;
    QDateTime m_due;
};

} // namespace vidorev
