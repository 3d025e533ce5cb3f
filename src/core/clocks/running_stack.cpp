#include "clocks/running_stack.h"

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

} // namespace vidorev::running_stack
