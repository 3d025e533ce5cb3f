#include "clocks/away_sense.h"

#include "clocks/running_stack.h"

namespace vidorev {

namespace {
// Ticks come every quarter of a minute; a wall clock more than this far ahead of the steady one
// slept (or was set forward) in between.
constexpr qint64 kJumpMs = 60 * 1000;
} // namespace

int Absence::minutes() const {
    return running_stack::minutesBetween(from, to);
}

void AwaySense::began(Source source, const QDateTime &at) {
    QDateTime &since = m_began[std::size_t(source)];
    if (!since.isValid())
        since = at;
}

std::optional<Absence> AwaySense::ended(Source source, const QDateTime &at) {
    QDateTime &since = m_began[std::size_t(source)];
    const Absence absence{since, at};
    since = QDateTime();
    if (!absence.isValid())
        return std::nullopt;
    return absence;
}

std::optional<Absence> AwaySense::tick(const QDateTime &now, qint64 steadyMs) {
    std::optional<Absence> jumped;
    if (m_lastTick.isValid()) {
        const qint64 wallMs = m_lastTick.msecsTo(now);
        if (wallMs - (steadyMs - m_lastSteady) > kJumpMs)
            jumped = Absence{m_lastTick, now};
    }
    m_lastTick = now;
    m_lastSteady = steadyMs;
    return jumped;
}

std::optional<Absence> AwaySense::idle(const QDateTime &now, qint64 idleMs, int thresholdMinutes) {
    std::optional<Absence> back;
    const bool idleBegan = m_began[std::size_t(Source::Idle)].isValid();
    if (idleBegan && idleMs < m_lastIdle)
        back = ended(Source::Idle, now.addMSecs(-idleMs));
    else if (!idleBegan && thresholdMinutes > 0 && idleMs >= qint64(thresholdMinutes) * 60 * 1000)
        began(Source::Idle, now.addMSecs(-idleMs));
    m_lastIdle = idleMs;
    return back;
}

void AwaySense::reset() {
    m_began = {};
    m_lastTick = QDateTime();
    m_lastIdle = 0;
}

} // namespace vidorev
