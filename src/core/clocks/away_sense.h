#pragma once

#include <QDateTime>

#include <array>
#include <optional>

namespace vidorev {

// A stretch of time the user was away from the desk.
struct Absence {
    QDateTime from;
    QDateTime to;

    bool isValid() const { return from.isValid() && to.isValid() && from < to; }
    // Minute boundaries crossed, as every clock counts them.
    int minutes() const;
};

// Turns what the desktop says into absences: a locked session or a sleep from its start to its
// end, no input for at least the user's threshold, and, for a sleep nobody announced, a wall
// clock that ran more than a minute ahead of the steady clock between two ticks. It only
// listens; which absences are asked about is the AbsenceBook's business.
class AwaySense {
public:
    enum class Source { Lock, Sleep, Idle };

    // The source says the user left at at (a second report keeps the first moment).
    void began(Source source, const QDateTime &at);
    // The source says the user is back at at: the absence since it began, if it did.
    std::optional<Absence> ended(Source source, const QDateTime &at);

    // A tick of the minute timer: the wall time and a steady clock's milliseconds (one that
    // stands still while the machine sleeps and never jumps).
    std::optional<Absence> tick(const QDateTime &now, qint64 steadyMs);

    // A poll of the desktop's idle time: after idleMs without input an absence begins once it
    // reaches thresholdMinutes, and ends when input comes back (the idle time falls).
    std::optional<Absence> idle(const QDateTime &now, qint64 idleMs, int thresholdMinutes);

    // Forgets what began and the last tick: nothing is timed, or detection is off.
    void reset();

private:
    std::array<QDateTime, 3> m_began;
    QDateTime m_lastTick;
    qint64 m_lastSteady = 0;
    qint64 m_lastIdle = 0;
};

} // namespace vidorev
