#pragma once

#include <QDateTime>

namespace vidorev {

// The one source of "now". Panels and models never ask the system directly, so tests can
// pin time to the second.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock that stands still until it is moved; used by tests and benchmarks.
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime at)
        : m_at(std::move(at)) {}
    QDateTime now() const override { return m_at; }
    void set(const QDateTime &at) { m_at = at; }
    void advanceSeconds(qint64 seconds) { m_at = m_at.addSecs(seconds); }

private:
    QDateTime m_at;
};

} // namespace vidorev
