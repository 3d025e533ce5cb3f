#include "shell/placeholder_panel.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vidorev {

PlaceholderPanel::PlaceholderPanel(const QString &objectName, const QString &toolName,
                                   QWidget *parent)
    : QWidget(parent) {
    setObjectName(objectName);
    setAccessibleName(toolName);
    auto *label =
        new QLabel(toolName + QStringLiteral("\n\nThis tool is not part of this build yet."), this);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
}

} // namespace vidorev
