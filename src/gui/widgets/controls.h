#pragma once

#include <QString>

#include <functional>

class QGroupBox;
class QObject;
class QLineEdit;
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

// A text box named for tests and scripts, announced by a screen reader as accessibleName.
QLineEdit *lineBox(const QString &name, const QString &accessibleName, QWidget *parent = nullptr);
// The same, read-only for every way in (keepReadOnly): a read-out that only showText changes.
QLineEdit *readOnlyBox(const QString &name, const QString &accessibleName,
                       QWidget *parent = nullptr);

// Gives every named control inside row its row in its accessible name ("Alarm 3 time"), so a
// screen reader tells repeated rows apart. A control's own part of the name is taken from
// setRowPart, or else from its accessible name the first time; an empty part names the control
// by its row alone. Calling it again renames the row.
void nameRow(QWidget *row, const QString &rowName);
void setRowPart(QWidget *control, const QString &part);

// A read-only box stays read-only for every way in, the accessibility interface included: a
// change made while it is read-only is undone, unless it came through showText. Changes made
// while the box is writable are kept.
void keepReadOnly(QLineEdit *box);
// Shows text in a box guarded by keepReadOnly (or any box), writable or not.
void showText(QLineEdit *box, const QString &text);

// A change that came whole rather than key by key: set by a program, a paste of a whole value
// or the accessibility interface. Typing leaves the box modified; whole values take effect at
// once, typed ones when editing finishes.
bool wholeValueSet(const QLineEdit *box);

// A read-only box whose text changes every second, in a frame of its own: the box paints only its
// background and text, so a new second does not redraw the frame or the window beneath it.
// Returns the frame, to be laid out in the box's place.
QWidget *tickingReadout(QLineEdit *box);

// Whether a box's tooltip is its whole text only when the box is too narrow to show it all
// (its own tooltip otherwise), or always (none while it is empty).
enum class TextTip { WhenCut, Always };
// Keeps box's tooltip as when says, through every change of its text, size or font. The box's
// own tooltip stays its accessible description, so a screen reader keeps saying what it is for.
void tipWholeText(QLineEdit *box, TextTip when = TextTip::WhenCut);
// Whether box is too narrow for the whole of its text.
bool textCut(const QLineEdit *box);

// Marks the button that leaves its panel ("Menu", "Cancel"): Escape on the panel presses it.
void leaveOnEscape(QPushButton *button);
bool leavesOnEscape(const QWidget *widget);

// Calls show every quarter of a minute while owner lives, so running clocks' hours move on
// within moments of each minute (no store or disk work: show computes from what it holds).
void onEachMinute(QObject *owner, const std::function<void()> &show);

} // namespace vidorev::controls
