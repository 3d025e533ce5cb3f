#include "gui/dialog_watchdog.h"

#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace vidorev::test {

bool DialogWatchdog::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->isWindow() && (widget->isModal() || qobject_cast<QDialog *>(widget))) {
            ADD_FAILURE() << "a modal window opened: " << widget->metaObject()->className() << " \""
                          << widget->windowTitle().toStdString() << "\"";
            QTimer::singleShot(0, widget, &QWidget::close);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vidorev::test
