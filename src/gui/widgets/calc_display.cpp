#include "widgets/calc_display.h"

#include "widgets/controls.h"

#include "calc/readouts.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace vidorev {

CalcDisplay::CalcDisplay(QWidget *parent)
    : QWidget(parent) {
    m_box = new QLineEdit(this);
    m_box->setObjectName(QStringLiteral("ArabVal"));
    m_box->setToolTip(QStringLiteral("Calculator readout"));
    m_box->setAccessibleName(QStringLiteral("ArabVal"));
    m_box->setReadOnly(true);
    controls::keepReadOnly(m_box);
    setFocusProxy(m_box);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);
}

void CalcDisplay::setValue(double value) {
    m_value = value;
    controls::showText(m_box, calc::displayText(value, m_label));
    m_box->setCursorPosition(0);
}

void CalcDisplay::setLabel(const QString &label) {
    if (label == m_label)
        return;
    m_label = label;
    emit labelChanged();
}

QString CalcDisplay::text() const {
    return m_box->text();
}

void CalcDisplay::setText(const QString &text) {
    controls::showText(m_box, text);
}

} // namespace vidorev
