#include "local_zone.h"

#include <cstdlib>
#include <ctime>

namespace vidorev::test {

LocalZone::LocalZone(const char *zone) {
    if (const char *previous = std::getenv("TZ")) {
        m_hadZone = true;
        m_previous = previous;
    }
    setenv("TZ", zone, 1);
    tzset();
}

LocalZone::~LocalZone() {
    if (m_hadZone)
        setenv("TZ", m_previous.constData(), 1);
    else
        unsetenv("TZ");
    tzset();
}

QDateTime localAt(const char *isoWithOffset) {
    return QDateTime::fromString(QString::fromLatin1(isoWithOffset), Qt::ISODate).toLocalTime();
}

} // namespace vidorev::test
