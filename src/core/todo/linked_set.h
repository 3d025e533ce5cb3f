#pragma once

#include <QString>

namespace vidorev {
class SettingsStore;
}

namespace vidorev::todo {

// An ordered set of names kept as a doubly linked chain of sections in the store: each member
// is a section whose "Prior" and "Next" keys name its neighbours, and "MySet" holds the first
// ("Start"), the last ("Top") and the last shown ("Name"). A fresh set starts at "Root". Every
// search walks the chain from the first member and mends it as it goes: loops are cut, stray
// pieces are linked in, and a missing name is added at the end.
class LinkedSet {
public:
    static inline const QString kBadInit = QStringLiteral("DeBug: Bad Init");
    static inline const QString kBadLinks = QStringLiteral("DeBug: Bad Links");

    explicit LinkedSet(SettingsStore &store)
        : m_store(store) {}

    QString hostIdent() const { return m_app; }
    // Names the application that holds the set and sets the set up (three characters or more).
    void setHostIdent(const QString &app);

    // The member on show.
    QString element() const { return m_shown; }
    // Shows the name, adding it at the end of the chain when it is new.
    void setElement(const QString &name);
    // A typed name: taken unless empty or the first member; false when not taken.
    bool acceptTyped(const QString &name);

    QString nextUser() const { return m_next; }
    QString priorUser() const { return m_prior; }
    void moveNext();
    void movePrior();
    // Unlinks the member on show, deletes its whole section and shows the member before it.
    // Changes nothing when the box shows no member (a "DeBug:" text, nothing, or a name other
    // than the member's); when the store refuses, the box shows why.
    enum class Removal { Removed, NothingOnShow, NotSaved };
    Removal removeUser();

    // What the name box shows: the member, a "DeBug:" text, or why the store refused a write.
    QString display() const { return m_display; }
    // Shows the last shown name as stored (defaultName when none).
    void showStoredName(const QString &defaultName);

private:
    QString head(const QString &key, const QString &defaultValue = QString()) const;
    bool saveHead(const QString &key, const QString &value);
    QString link(const QString &member, const QString &key, const QString &olderKey);
    QString priorOf(const QString &member);
    QString nextOf(const QString &member);
    void setLink(const QString &member, const QString &key, const QString &value);
    bool setUp() const;

    // Finds the member on show from the first member, mending the chain on the way.
    void locate();
    // Walks back from member while each prior's next points back; stops early at stopAt.
    QString walkBack(const QString &member, const QString &stopAt = QString());
    void append(const QString &c);
    void repair(const QString &c, const QString &x);
    // Reads the neighbours of the member on show; keepName stores it as the last shown.
    void loadNeighbours(bool keepName);
    void finishAction(bool committed);

    SettingsStore &m_store;
    QString m_app;
    QString m_shown;
    QString m_prior;
    QString m_next;
    QString m_first;
    QString m_display;
};

} // namespace vidorev::todo
