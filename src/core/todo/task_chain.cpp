#include "todo/task_chain.h"

#include "platform/settings_keys.h"
#include "platform/settings_store.h"

namespace vidorev {

namespace {
const QString &kZero = keys::kHeadNode; // also the id a missing link reads as
}

TaskChain::TaskChain(SettingsStore &store, QString prefix)
    : m_store(store)
    , m_prefix(std::move(prefix)) {}

QString TaskChain::section() const {
    return m_prefix + keys::kSufDoData;
}

QString TaskChain::clockSection(const QString &node) const {
    return section() + node;
}

QString TaskChain::task(const QString &node) const {
    return m_store.get(keys::kAppDiary, section(), key(node, keys::kTask), QString());
}

QString TaskChain::prior(const QString &node) const {
    return m_store.get(keys::kAppDiary, section(), key(node, keys::kPrior), kZero);
}

QString TaskChain::next(const QString &node) const {
    return m_store.get(keys::kAppDiary, section(), key(node, keys::kNext), kZero);
}

void TaskChain::setTask(const QString &node, const QString &text) {
    m_store.save(keys::kAppDiary, section(), key(node, keys::kTask), text);
}

void TaskChain::setPrior(const QString &node, const QString &id) {
    m_store.save(keys::kAppDiary, section(), key(node, keys::kPrior), id);
}

void TaskChain::setNext(const QString &node, const QString &id) {
    m_store.save(keys::kAppDiary, section(), key(node, keys::kNext), id);
}

bool TaskChain::checkUnlinked(const QString &node) {
    if (prior(node) != kZero || next(node) != kZero)
        return false;
    setPrior(node, kZero);
    setNext(node, kZero);
    return true;
}

QStringList TaskChain::repairOnLoad() {
    SettingsStore::Batch batch(m_store);
    QStringList repaired;
    checkUnlinked(kZero);
    if (next(kZero) == kZero)
        setNext(kZero, QStringLiteral("1"));
    for (int k = 1; k <= kSlots; ++k) {
        const QString node = QString::number(k);
        if (!checkUnlinked(node))
            continue;
        // Inserted behind its numeric predecessor with both neighbours' links kept in step,
        // so a fresh list becomes one chain closed through the head and a later "Up" or "Dn"
        // cannot cut tasks off from it.
        const QString before = QString::number(k - 1);
        QString after = next(before);
        if (after == node)
            after = kZero;
        setPrior(node, before);
        setNext(node, after);
        setNext(before, node);
        setPrior(after, node);
        repaired << node;
    }
    return repaired;
}

bool TaskChain::moveDown(const QString &n) {
    SettingsStore::Batch batch(m_store);
    const QString l = prior(n), f = next(n);
    const QString ff = next(f);
    setPrior(n, f);
    setNext(n, ff);
    setNext(f, n);
    setPrior(f, l);
    setNext(l, f);
    setPrior(ff, n);
    return batch.commit();
}

bool TaskChain::moveUp(const QString &n) {
    SettingsStore::Batch batch(m_store);
    const QString l = prior(n), f = next(n);
    const QString ll = prior(l);
    setNext(n, l);
    setPrior(n, ll);
    setPrior(l, n);
    setNext(l, f);
    setPrior(f, l);
    setNext(ll, n);
    return batch.commit();
}

QStringList TaskChain::walk() const {
    QStringList rows;
    QString current = next(kZero);
    for (int k = 0; k < kSlots; ++k) {
        rows << current;
        current = next(current);
    }
    return rows;
}

} // namespace vidorev
