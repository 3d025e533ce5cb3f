#pragma once

#include <QString>
#include <QStringList>

namespace vidorev {

class SettingsStore;

// One to-do list's nodes as the store keeps them: node "0" is the head (its task text is the
// list's title), nodes "1".."22" are task slots, chained through their "Prior" and "Next" keys.
// The list is named by its prefix: the user name, or the user name + "Job1".."Job7".
class TaskChain {
public:
    static constexpr int kSlots = 22;

    TaskChain(SettingsStore &store, QString prefix);

    QString prefix() const { return m_prefix; }
    void setPrefix(const QString &prefix) { m_prefix = prefix; }
    QString section() const;                         // prefix + "DoData"
    QString clockSection(const QString &node) const; // section + node

    QString task(const QString &node) const;
    QString prior(const QString &node) const; // "0" when unset
    QString next(const QString &node) const;  // "0" when unset
    void setTask(const QString &node, const QString &text);
    void setPrior(const QString &node, const QString &id);
    void setNext(const QString &node, const QString &id);

    // A node whose links both read "0" is unlinked; reading one writes the "0"s back.
    bool checkUnlinked(const QString &node);

    // Done on every load: a head without a next points at node 1, and each unlinked slot k is
    // linked in behind node k-1 (its old follower's "Prior" follows). Returns the slots that
    // were repaired.
    QStringList repairOnLoad();

    // "Dn" and "Up" rewrite the six links around the node in a fixed order; the head is not
    // special, so in a chain closed through the head the last node moves to the front. All six
    // or none: false when the store refused them (the reason in its lastError()).
    [[nodiscard]] bool moveDown(const QString &node);
    [[nodiscard]] bool moveUp(const QString &node);

    // Follows "Next" exactly 22 times from the head: a chain that loops or ends early still
    // fills every row.
    QStringList walk() const;

private:
    QString key(const QString &node, const QString &suffix) const { return node + suffix; }

    SettingsStore &m_store;
    QString m_prefix;
};

} // namespace vidorev
