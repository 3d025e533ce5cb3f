#include "alarms/daily_reset.h"

namespace vidorev {

void DailyReset::arm(const QDateTime &now) {
    if (m_armed)
        return;
    const QDate day = now.time() < resetTime() ? now.date() : now.date().addDays(1);
    m_due = QDateTime(day, resetTime());
    m_armed = true;
}

bool DailyReset::tick(const QDateTime &now) {
    if (!m_armed || now < m_due)
        return false;
    m_armed = false;
    return true;
}

} // namespace vidorev
