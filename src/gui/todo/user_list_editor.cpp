#include "todo/user_list_editor.h"

#include "platform/settings_keys.h"
#include "todo/linked_set_navigator.h"
#include "widgets/controls.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace vidorev {

UserListEditor::UserListEditor(Services services, QWidget *parent)
    : QWidget(parent) {
    m_spider = new LinkedSetNavigator(services);
    m_spider->setObjectName(QStringLiteral("ListSpider1"));
    m_unLink = controls::button(QStringLiteral("cmdUnLink"), QStringLiteral("Remove User"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_spider, 1);
    layout->addWidget(m_unLink);
    setFocusProxy(m_spider);

    connect(m_unLink, &QPushButton::clicked, this, [this] {
        switch (m_spider->removeUser()) {
        case todo::LinkedSet::Removal::Removed:
            emit userRemoved();
            break;
        case todo::LinkedSet::Removal::NothingOnShow:
            emit nothingRemoved();
            break;
        case todo::LinkedSet::Removal::NotSaved:
            break; // the name box says why
        }
    });
}

QString UserListEditor::functionSet() const {
    return m_spider->element();
}

void UserListEditor::setFunctionSet(const QString &name) {
    m_spider->setLocked(true);
    m_spider->setElement(name);
}

QString UserListEditor::hostIdent() const {
    return m_spider->hostIdent();
}

void UserListEditor::setHostIdent(const QString &app) {
    m_spider->setHostIdent(app);
    m_spider->setLocked(true);
    m_spider->showStoredName(keys::kRootMember);
}

} // namespace vidorev
