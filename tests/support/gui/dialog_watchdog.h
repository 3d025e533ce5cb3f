#pragma once

#include <QObject>

namespace vidorev::test {

// Fails the running test when any modal window appears, and closes it, so a panel that would
// block a user's window can never hang the suite.
class DialogWatchdog : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace vidorev::test
