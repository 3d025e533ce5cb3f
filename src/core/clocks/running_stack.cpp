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
QDateTime cutToMinute(const QDateTime &at) {
    const QTime t = at.time();
    return at.addMSecs(-qint64(t.second()) * 1000 - t.msec());
}
} // namespace

int minutesBetween(const QDateTime &from, const QDateTime &to) {
    if (!from.isValid() || !to.isValid())
        return 0;
    const qint64 minutes = cutToMinute(from).secsTo(cutToMinute(to)) / 60;
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
