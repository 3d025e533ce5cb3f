#pragma once

#include <QByteArray>
#include <QDateTime>

namespace vidorev::test {

// Puts the process in another local time zone for the life of the object (TZ and the C
// library's zone, which QDateTime's local time follows) and restores the previous one after.
class LocalZone {
public:
    explicit LocalZone(const char *zone);
    ~LocalZone();
    LocalZone(const LocalZone &) = delete;
    LocalZone &operator=(const LocalZone &) = delete;

private:
    bool m_hadZone = false;
    QByteArray m_previous;
};

// A local date-time from ISO 8601 text with its offset, e.g. "2026-11-01T01:30:00-05:00".
QDateTime localAt(const char *isoWithOffset);

} // namespace vidorev::test
