#include "widgets/placeholder_panel.h"

#include "widgets/controls.h"

#include <QLabel>
#include <QPushButton>
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
    auto *menu = controls::button(QStringLiteral("cmdMenu"), QStringLiteral("Main Menu"),
                                  QStringLiteral("Back to the main menu"), this);
    connect(menu, &QPushButton::clicked, this, &PlaceholderPanel::menuRequest);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(menu, 0, Qt::AlignHCenter);
}

} // namespace vidorev
