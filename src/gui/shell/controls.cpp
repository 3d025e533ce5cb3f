#include "shell/controls.h"

#include <QGroupBox>
#include <QPushButton>

namespace vidorev::controls {

QPushButton *button(const QString &name, const QString &caption, const QString &tip,
                    QWidget *parent, const QString &accessibleName) {
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    b->setAccessibleName(accessibleName.isEmpty() ? QString(caption).remove(u'&') : accessibleName);
    b->setAutoDefault(false);
    return b;
}

QGroupBox *frame(const QString &name, const QString &title, QWidget *parent) {
    auto *f = new QGroupBox(title, parent);
    f->setObjectName(name);
    f->setAccessibleName(title);
    return f;
}

} // namespace vidorev::controls
