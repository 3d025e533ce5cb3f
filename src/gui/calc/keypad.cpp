#include "calc/keypad.h"

#include "widgets/controls.h"

#include <QGroupBox>
#include <QPushButton>

namespace vidorev {

Keypad::Keypad(const QString &frameCaption, const std::array<ButtonSpec, 8> &buttons,
               calc::TwoColumnGrid grid, QWidget *parent)
    : QWidget(parent)
    , m_grid(grid) {
    m_border = new QGroupBox(frameCaption, this);
    m_border->setObjectName(QStringLiteral("Border"));
    m_border->setAccessibleName(frameCaption.isEmpty() ? m_border->objectName() : frameCaption);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const ButtonSpec &button = buttons[i];
        // A screen reader reads the caption without its accelerator marks.
        auto *b = controls::button(
            QString::fromLatin1(button.name), QString::fromUtf8(button.caption),
            button.toolTip ? QString::fromUtf8(button.toolTip) : QString(), m_border);
        const int k = static_cast<int>(i) + 1;
        connect(b, &QPushButton::clicked, this, [this, k] { pressed(k); });
        m_buttons[i] = b;
    }
}

void Keypad::setWide(std::int16_t wide) {
    m_wide = wide;
    layOut();
}

QSize Keypad::sizeHint() const {
    return m_wide == 3 ? QSize(420, 90) : m_wide == 1 ? QSize(90, 440) : QSize(170, 230);
}

QSize Keypad::minimumSizeHint() const {
    return m_wide == 3 ? QSize(330, 70) : m_wide == 1 ? QSize(70, 330) : QSize(130, 180);
}

void Keypad::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_border->setGeometry(rect());
    layOut();
}

void Keypad::layOut() {
    const QRect inner = m_border->contentsRect();
    const auto rects = calc::keypadLayout(m_wide, inner.width(), inner.height(), m_grid);
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(rects[i].translated(inner.topLeft()));
}

} // namespace vidorev
