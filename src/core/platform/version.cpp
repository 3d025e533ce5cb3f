#include "platform/version.h"

#include "version_info.h"

namespace vidorev {

Version Version::current() {
    return Version{version::major, version::minor, version::revision};
}

QString Version::majorMinor() const {
    return QStringLiteral("%1.%2").arg(major).arg(minor);
}

QString Version::full() const {
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString Version::hostTag() const {
    return QStringLiteral("PLM%1D%2S%3K5").arg(revision).arg(major).arg(minor);
}

QString Version::windowCaption() const {
    return QStringLiteral("Vidorev  V") + majorMinor();
}

} // namespace vidorev
