#include "todo/linked_set.h"

#include "platform/settings_keys.h"
#include "platform/settings_store.h"

#include <QSet>

namespace vidorev::todo {

namespace {
bool same(const QString &a, const QString &b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
// Walks meet each member once: a member met again is a loop, and the walk ends there.
class Visited {
public:
    bool firstTime(const QString &member) {
        const QString key = member.toCaseFolded();
        if (m_seen.contains(key))
            return false;
        m_seen.insert(key);
        return true;
    }

private:
    QSet<QString> m_seen;
};
} // namespace

QString LinkedSet::head(const QString &key, const QString &defaultValue) const {
    return m_store.get(m_app, keys::kSecUserListHead, key, defaultValue);
}

bool LinkedSet::saveHead(const QString &key, const QString &value) {
    return m_store.save(m_app, keys::kSecUserListHead, key, value);
}

QString LinkedSet::link(const QString &member, const QString &key, const QString &olderKey) {
    if (member.isEmpty())
        return QString();
    QString value = m_store.get(m_app, member, key);
    if (!value.isEmpty())
        return value;
    // Sets kept by older versions name the links by other keys: move them to today's.
    value = m_store.get(m_app, member, olderKey);
    if (value.isEmpty())
        return value; // nothing to move; a read never makes a section
    m_store.remove(m_app, member, olderKey);
    setLink(member, key, value);
    return value;
}

QString LinkedSet::priorOf(const QString &member) {
    return link(member, keys::kPrior, keys::kPriorSet);
}

QString LinkedSet::nextOf(const QString &member) {
    return link(member, keys::kNext, keys::kNextSet);
}

void LinkedSet::setLink(const QString &member, const QString &key, const QString &value) {
    m_store.save(m_app, member, key, value);
}

bool LinkedSet::setUp() const {
    return head(keys::kHat, keys::kNo) == keys::kYes;
}

void LinkedSet::setHostIdent(const QString &app) {
    m_app = app;
    if (app.size() < 3)
        return;
    SettingsStore::Batch batch(m_store);
    m_shown = head(keys::kTop);
    m_first = head(keys::kStart, keys::kRootMember);
    locate();
    saveHead(keys::kHat, keys::kYes);
    m_shown = head(keys::kName);
    locate();
    finishAction(batch.commit());
}

void LinkedSet::setElement(const QString &name) {
    if (!setUp()) {
        m_display = kBadInit;
        return;
    }
    SettingsStore::Batch batch(m_store);
    m_display = head(keys::kName);
    m_first = head(keys::kStart, keys::kRootMember);
    saveHead(keys::kStart, m_first);
    if (!name.isEmpty()) {
        // A name too short to be a member is never searched for: the member on show is then
        // the name the box shows, so that what is acted on is what the user sees.
        m_shown = name.size() >= 2 ? name : m_display;
        locate();
    }
    if (!m_display.startsWith(QStringLiteral("DeBug:")))
        saveHead(keys::kName, m_display);
    finishAction(batch.commit());
}

bool LinkedSet::acceptTyped(const QString &name) {
    if (name.isEmpty() || same(name, m_first))
        return false;
    SettingsStore::Batch batch(m_store);
    m_shown = name;
    locate();
    finishAction(batch.commit());
    return true;
}

void LinkedSet::moveNext() {
    SettingsStore::Batch batch(m_store);
    m_shown = m_next.isEmpty() ? m_first : m_next;
    loadNeighbours(true);
    m_display = m_shown;
    finishAction(batch.commit());
}

void LinkedSet::movePrior() {
    SettingsStore::Batch batch(m_store);
    m_shown = m_prior.isEmpty() ? head(keys::kTop) : m_prior;
    loadNeighbours(true);
    m_display = m_shown;
    finishAction(batch.commit());
}

LinkedSet::Removal LinkedSet::removeUser() {
    // Only the member whose name the box shows: not a name the walk could not place, nor one
    // the box does not show.
    if (m_shown.isEmpty() || !same(m_display, m_shown))
        return Removal::NothingOnShow;
    SettingsStore::Batch batch(m_store);
    const QString prior = priorOf(m_shown);
    const QString next = nextOf(m_shown);
    if (!prior.isEmpty())
        setLink(prior, keys::kNext, next);
    else {
        saveHead(keys::kStart, next);
        m_first = next;
    }
    if (!next.isEmpty())
        setLink(next, keys::kPrior, prior);
    else
        saveHead(keys::kTop, prior);
    // The member's own settings go with it, not only its links.
    m_store.remove(m_app, m_shown);
    m_prior = prior;
    m_next = next;
    movePrior();
    const bool committed = batch.commit();
    finishAction(committed);
    return committed ? Removal::Removed : Removal::NotSaved;
}

void LinkedSet::showStoredName(const QString &defaultName) {
    m_display = head(keys::kName, defaultName);
}

QString LinkedSet::walkBack(const QString &member, const QString &stopAt) {
    QString m = member;
    Visited visited;
    visited.firstTime(m);
    while (stopAt.isEmpty() || !same(m, stopAt)) {
        const QString prior = priorOf(m);
        if (prior.isEmpty() || !same(nextOf(prior), m) || !visited.firstTime(prior))
            break;
        m = prior;
    }
    return m;
}

void LinkedSet::locate() {
    const QString name = m_shown;
    if (m_app.size() < 2 || name.size() < 2)
        return;
    m_display = kBadInit;
    if (!setUp())
        return;
    m_display = kBadLinks;
    if (m_first.isEmpty()) {
        m_first = walkBack(name);
        saveHead(keys::kStart, m_first);
    }
    // The member after c, with a loop back to the first member cut and the name added behind
    // the last member.
    const auto settle = [this](const QString &c) {
        QString n = nextOf(c);
        if (same(n, m_first)) {
            saveHead(keys::kTop, c);
            setLink(c, keys::kNext, QString());
            n.clear();
        }
        if (n.isEmpty()) {
            append(c);
            n = nextOf(c);
        }
        return n;
    };
    // Every step meets a member not met before, so a loop that never comes back to the first
    // member ends the walk rather than the program; "DeBug: Bad Links" stays on show.
    Visited visited;
    bool found = false;
    for (QString c = m_first; !c.isEmpty() && visited.firstTime(c); c = nextOf(c)) {
        if (same(c, name)) {
            m_shown = c;
            m_display = c;
            found = true;
            break;
        }
        const QString n = settle(c);
        const QString claimed = priorOf(n);
        if (!same(claimed, c))
            repair(c, claimed);
        settle(c);
    }
    loadNeighbours(found);
}

void LinkedSet::append(const QString &c) {
    const QString name = m_shown;
    QString start = name;
    if (!priorOf(name).isEmpty() || !nextOf(name).isEmpty()) {
        // The name heads or sits in a loose piece of chain: the whole piece goes in.
        QString last = name;
        Visited visited;
        visited.firstTime(last);
        for (QString n = nextOf(last);
             !n.isEmpty() && same(priorOf(n), last) && visited.firstTime(n); n = nextOf(last))
            last = n;
        saveHead(keys::kTop, last);
        start = walkBack(name);
    } else {
        setLink(name, keys::kNext, QString());
        saveHead(keys::kTop, name);
    }
    setLink(start, keys::kPrior, c);
    setLink(c, keys::kNext, start);
}

void LinkedSet::repair(const QString &c, const QString &x) {
    // The member after c claims x as its prior. When x lies before c, the chain beyond c is
    // someone else's: cut it off.
    bool passed = false;
    Visited visited;
    for (QString m = m_first; !m.isEmpty() && visited.firstTime(m); m = nextOf(m)) {
        if (same(m, x)) {
            passed = true;
            break;
        }
        if (same(m, c))
            break;
    }
    if (passed) {
        setLink(c, keys::kNext, QString());
        saveHead(keys::kTop, c);
        return;
    }
    const QString w = walkBack(m_shown, x);
    setLink(w, keys::kPrior, c);
    setLink(c, keys::kNext, w);
}

void LinkedSet::loadNeighbours(bool keepName) {
    m_prior = priorOf(m_shown);
    m_next = nextOf(m_shown);
    if (keepName && !m_shown.isEmpty())
        saveHead(keys::kName, m_shown);
}

void LinkedSet::finishAction(bool committed) {
    if (!committed)
        m_display = SettingsStore::notSavedMessage(m_store.lastError());
}

} // namespace vidorev::todo
