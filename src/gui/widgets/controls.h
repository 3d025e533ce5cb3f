#pragma once

#include <QString>

class QGroupBox;
class QPushButton;
class QWidget;

// Controls as every panel makes them: named for tests and scripts, announced by a screen reader,
// and never taking over the Enter key as a window's default button.
namespace vidorev::controls {

// accessibleName: what a screen reader says; the caption when empty.
QPushButton *button(const QString &name, const QString &caption, const QString &tip = QString(),
                    QWidget *parent = nullptr, const QString &accessibleName = QString());
QGroupBox *frame(const QString &name, const QString &title, QWidget *parent = nullptr);
// Fills a help frame with its text ("Label2") and its "OK" button ("Command3"), which it returns.
QPushButton *fillHelpFrame(QGroupBox *frame, const QString &text);

} // namespace vidorev::controls
