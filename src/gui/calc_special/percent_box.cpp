#include "calc_special/percent_box.h"

#include "calc_special/money_text.h"
#include "widgets/controls.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace vidorev {

PercentBox::PercentBox(QWidget *parent)
    : EntryBox(QPalette::Base, parent) {
    m_text->installEventFilter(this);
    connect(m_text, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (money::parseNumber(text))
            emit valueChanged();
    });
}

double PercentBox::text() const {
    return money::percentValue(m_text->text());
}

void PercentBox::setText(double value) {
    controls::showText(m_text, money::percentText(value));
}

bool PercentBox::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            emit enterPressed();
    }
    return EntryBox::eventFilter(watched, event);
}

} // namespace vidorev
