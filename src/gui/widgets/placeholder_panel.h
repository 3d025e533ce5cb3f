#pragma once

#include <QWidget>

namespace vidorev {

// Stands where a tool's panel will be, naming the tool, so the window's routing is real
// before every tool exists.
class PlaceholderPanel : public QWidget {
    Q_OBJECT
public:
    PlaceholderPanel(const QString &objectName, const QString &toolName, QWidget *parent = nullptr);

signals:
    // "Main Menu" was pressed: the way back from a page that leaves no hot button on.
    void menuRequest();
};

} // namespace vidorev
