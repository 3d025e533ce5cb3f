#pragma once

#include "platform/services.h"
#include "todo/linked_set.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace vidorev {

// The linked-set navigator: shows one member of a set of names at a time, with "Prior" and
// "Next"; a name typed and confirmed is added at the end of the set.
class LinkedSetNavigator : public QWidget {
    Q_OBJECT
public:
    explicit LinkedSetNavigator(Services services, QWidget *parent = nullptr);

    bool locked() const { return m_locked; }
    // The name box is read-only while locked.
    void setLocked(bool locked);
    bool masked() const { return m_masked; }
    void setMasked(bool masked) { m_masked = masked; }

    QString element() const { return m_set.element(); }
    // Shows the name, adding it when it is new.
    void setElement(const QString &name);
    QString hostIdent() const { return m_set.hostIdent(); }
    // Names the set's application and sets the set up.
    void setHostIdent(const QString &app);

    QString nextUser() const { return m_set.nextUser(); }
    QString priorUser() const { return m_set.priorUser(); }
    void moveNext();
    void movePrior();
    // Removes the member on show, when the box shows one (see LinkedSet).
    todo::LinkedSet::Removal removeUser();

    // Shows the last shown name as stored (defaultName when none).
    void showStoredName(const QString &defaultName);
    QString shownText() const;

signals:
    void elementChanged();

private:
    void refresh();
    void typed();

    todo::LinkedSet m_set;
    bool m_locked = false;
    bool m_masked = false;
    bool m_showing = false;
    QLineEdit *m_box = nullptr;     // Text1
    QPushButton *m_prior = nullptr; // cmdPrior
    QPushButton *m_next = nullptr;  // cmdNext
};

} // namespace vidorev
