#include "todo/linked_set_navigator.h"

#include "widgets/controls.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace vidorev {

LinkedSetNavigator::LinkedSetNavigator(Services services, QWidget *parent)
    : QWidget(parent)
    , m_set(services.store) {
    m_box = new QLineEdit;
    m_box->setObjectName(QStringLiteral("Text1"));
    m_box->setAccessibleName(QStringLiteral("Text1"));
    controls::keepReadOnly(m_box);
    m_prior = controls::button(QStringLiteral("cmdPrior"), QStringLiteral("Prior"));
    m_next = controls::button(QStringLiteral("cmdNext"), QStringLiteral("Next"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_prior);
    layout->addWidget(m_box, 1);
    layout->addWidget(m_next);
    setFocusProxy(m_box);

    connect(m_box, &QLineEdit::returnPressed, this, &LinkedSetNavigator::typed);
    // A whole name set at once (a screen reader, a script) counts as typed and confirmed.
    connect(m_box, &QLineEdit::textChanged, this, [this] {
        if (!m_showing && controls::wholeValueSet(m_box))
            typed();
    });
    connect(m_prior, &QPushButton::clicked, this, [this] {
        movePrior();
        emit elementChanged();
    });
    connect(m_next, &QPushButton::clicked, this, [this] {
        moveNext();
        emit elementChanged();
    });
}

void LinkedSetNavigator::setLocked(bool locked) {
    m_locked = locked;
    m_box->setReadOnly(locked);
}

void LinkedSetNavigator::setElement(const QString &name) {
    m_set.setElement(name);
    refresh();
}

void LinkedSetNavigator::setHostIdent(const QString &app) {
    m_set.setHostIdent(app);
    if (app.size() >= 3)
        setLocked(false);
    refresh();
}

void LinkedSetNavigator::moveNext() {
    m_set.moveNext();
    refresh();
}

void LinkedSetNavigator::movePrior() {
    m_set.movePrior();
    refresh();
}

todo::LinkedSet::Removal LinkedSetNavigator::removeUser() {
    const todo::LinkedSet::Removal removal = m_set.removeUser();
    refresh();
    return removal;
}

void LinkedSetNavigator::showStoredName(const QString &defaultName) {
    m_set.showStoredName(defaultName);
    refresh();
}

QString LinkedSetNavigator::shownText() const {
    return m_box->text();
}

void LinkedSetNavigator::refresh() {
    m_showing = true;
    controls::showText(m_box, m_set.display());
    m_box->setModified(false);
    m_showing = false;
}

void LinkedSetNavigator::typed() {
    if (m_locked || m_box->text().isEmpty())
        return;
    if (!m_set.acceptTyped(m_box->text()))
        return;
    refresh();
    emit elementChanged();
}

} // namespace vidorev
