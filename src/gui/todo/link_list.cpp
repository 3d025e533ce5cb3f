#include "todo/link_list.h"

#include "platform/settings_keys.h"
#include "todo/list_spider.h"
#include "widgets/controls.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace vidorev {

LinkList::LinkList(Services services, QWidget *parent)
    : QWidget(parent) {
    m_spider = new ListSpider(services);
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

QString LinkList::functionSet() const {
    return m_spider->element();
}

void LinkList::setFunctionSet(const QString &name) {
    m_spider->setLocked(true);
    m_spider->setElement(name);
}

QString LinkList::hostIdent() const {
    return m_spider->hostIdent();
}

void LinkList::setHostIdent(const QString &app) {
    m_spider->setHostIdent(app);
    m_spider->setLocked(true);
    m_spider->showStoredName(keys::kRootMember);
}

} // namespace vidorev
