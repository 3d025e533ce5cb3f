#include "calc_special/entry_box.h"

#include "widgets/controls.h"

#include <QEvent>
#include <QLineEdit>
#include <QResizeEvent>

namespace vidorev {

EntryBox::EntryBox(QPalette::ColorRole defaultBackground, QWidget *parent)
    : QWidget(parent) {
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setAccessibleName(QStringLiteral("Text1"));
    controls::keepReadOnly(m_text);
    setFocusProxy(m_text);
    setFocusPolicy(m_text->focusPolicy());
    setSizePolicy(m_text->sizePolicy());
    setBackColor(palette().color(defaultBackground));
}

QColor EntryBox::backColor() const {
    return m_text->palette().color(QPalette::Base);
}

void EntryBox::setBackColor(const QColor &color) {
    QPalette p = m_text->palette();
    p.setColor(QPalette::Base, color);
    m_text->setPalette(p);
}

bool EntryBox::locked() const {
    return m_text->isReadOnly();
}

void EntryBox::setLocked(bool locked) {
    m_text->setReadOnly(locked);
}

QSize EntryBox::sizeHint() const {
    return m_text->sizeHint();
}

QSize EntryBox::minimumSizeHint() const {
    return m_text->minimumSizeHint();
}

void EntryBox::resizeEvent(QResizeEvent *event) {
    // The text box always covers the whole component.
    m_text->setGeometry(QRect(QPoint(0, 0), event->size()));
    QWidget::resizeEvent(event);
}

bool EntryBox::event(QEvent *event) {
    if (event->type() == QEvent::ToolTipChange)
        m_text->setToolTip(toolTip());
    return QWidget::event(event);
}

} // namespace vidorev
