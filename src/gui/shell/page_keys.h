#pragma once

#include <QObject>

class QPushButton;
class QWidget;

namespace vidorev {

// The window's keys that no control takes for itself: Escape leaves the page showing as its
// "Menu" or "Cancel" would (or as "Main Menu" would, on a page without one), and Enter presses
// the button that has the focus. A box that takes Enter (the log reader's filters, a task box)
// keeps it.
class PageKeys : public QObject {
    Q_OBJECT
public:
    // Watches window's keys; mainMenu is the way back from a page without a leave button.
    PageKeys(QWidget *window, QPushButton *mainMenu);

    bool eventFilter(QObject *watched, QEvent *event) override;

    // The button Escape presses now, or none.
    QPushButton *leaveButton() const;

private:
    QWidget *m_window;
    QPushButton *m_mainMenu;
};

} // namespace vidorev
