#include "shell/page_keys.h"

#include "widgets/controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace vidorev {

PageKeys::PageKeys(QWidget *window, QPushButton *mainMenu)
    : QObject(window)
    , m_window(window)
    , m_mainMenu(mainMenu) {
    // Keys a control leaves unused travel up to the window, where this sees them.
    window->installEventFilter(this);
}

QPushButton *PageKeys::leaveButton() const {
    // The leave button nearest the focus: a frame's own "Cancel" before its panel's.
    QWidget *focus = QApplication::focusWidget();
    for (QWidget *w = m_window->isAncestorOf(focus) ? focus : m_window; w != nullptr;
         w = w == m_window ? nullptr : w->parentWidget()) {
        for (QPushButton *b : w->findChildren<QPushButton *>())
            if (controls::leavesOnEscape(b) && b->isVisible() && b->isEnabled())
                return b;
    }
    return m_mainMenu->isVisible() && m_mainMenu->isEnabled() ? m_mainMenu : nullptr;
}

bool PageKeys::eventFilter(QObject *watched, QEvent *event) {
    if (watched != m_window || event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier)
        return false;
    if (key->key() == Qt::Key_Escape) {
        QPushButton *leave = leaveButton();
        if (leave != nullptr)
            leave->click();
        return leave != nullptr;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        auto *button = qobject_cast<QPushButton *>(QApplication::focusWidget());
        if (button == nullptr || !m_window->isAncestorOf(button) || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
    return false;
}

} // namespace vidorev
