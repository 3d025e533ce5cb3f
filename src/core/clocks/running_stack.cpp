#include "clocks/running_stack.h"

#include <algorithm>
#include <limits>

namespace vidorev::running_stack {

QString top(const QString &chain) {
    const qsizetype colon = chain.lastIndexOf(u':');
    return colon < 0 ? QString() : chain.mid(colon + 1);
}

QStringList entries(const QString &chain) {
    return chain.split(u':', Qt::SkipEmptyParts);
}

QString pushed(const QString &chain, const QString &section) {
    return chain + u':' + section;
}

QString popped(const QString &chain) {
    const qsizetype colon = chain.lastIndexOf(u':');
    return colon < 0 ? QString() : chain.left(colon);
}

QString without(const QString &chain, const QString &section) {
    // Entries are split on ":" keeping empty ones, so the rest of the text survives as written.
    QStringList parts = chain.split(u':');
    for (qsizetype i = parts.size() - 1; i >= 1; --i) {
        if (sameSection(parts[i], section)) {
            parts.removeAt(i);
            return parts.join(u':');
        }
    }
    return chain;
}

bool fitsInChain(const QString &name) {
    return !name.contains(u':');
}

bool sameSection(const QString &a, const QString &b) {
    return a.toCaseFolded() == b.toCaseFolded();
}

namespace {
// The moment, in milliseconds since the epoch, at which the minute shown on the date-time's own
// clock face began. The seconds are cut off the local time under the date-time's own offset, so a
// time in the hour repeated when the clocks go back stays in the pass it belongs to.
qint64 minuteStart(const QDateTime &at) {
    constexpr qint64 kMinute = 60 * 1000;
    const qint64 offset = qint64(at.offsetFromUtc()) * 1000;
    const qint64 face = at.toMSecsSinceEpoch() + offset;
    const qint64 intoMinute = ((face % kMinute) + kMinute) % kMinute;
    return face - intoMinute - offset;
}
} // namespace

int minutesBetween(const QDateTime &from, const QDateTime &to) {
    if (!from.isValid() || !to.isValid())
        return 0;
    // Real elapsed time between the two cuts, whatever the clocks did in between.
    const qint64 minutes = (minuteStart(to) - minuteStart(from)) / (60 * 1000);
    if (minutes <= 0)
        return 0;
    return int(std::min<qint64>(minutes, std::numeric_limits<int>::max()));
}

int addMinutes(int a, int b) {
    const qint64 sum = qint64(a) + qint64(b);
    return int(
        std::clamp<qint64>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace vidorev::running_stack
