#include "widgets/controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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

QPushButton *fillHelpFrame(QGroupBox *frame, const QString &text) {
    auto *label = new QLabel(text, frame);
    label->setObjectName(QStringLiteral("Label2"));
    label->setWordWrap(true);
    auto *ok = button(QStringLiteral("Command3"), QStringLiteral("OK"), QString(), frame);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(label);
    layout->addWidget(ok, 0, Qt::AlignRight);
    return ok;
}

} // namespace vidorev::controls
