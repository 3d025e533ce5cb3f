#pragma once

#include "platform/services.h"

#include <QWidget>

class QPushButton;

namespace vidorev {

class LinkedSetNavigator;

// A linked-set navigator with "Remove User", for picking and dropping members of the user list.
class UserListEditor : public QWidget {
    Q_OBJECT
public:
    explicit UserListEditor(Services services, QWidget *parent = nullptr);

    // The member on show; writing it locks the name box and shows the name.
    QString functionSet() const;
    void setFunctionSet(const QString &name);
    QString hostIdent() const;
    // Sets the navigator up on the set, locks its box and shows the last shown name.
    void setHostIdent(const QString &app);

    LinkedSetNavigator *spider() const { return m_spider; }

signals:
    void userRemoved();
    // "Remove User" found no member on show, and removed nothing.
    void nothingRemoved();

private:
    LinkedSetNavigator *m_spider = nullptr;
    QPushButton *m_unLink = nullptr; // cmdUnLink
};

} // namespace vidorev
