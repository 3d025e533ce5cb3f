#include "calc_special/money_box.h"

#include "calc_special/money_text.h"
#include "widgets/controls.h"

#include <QLineEdit>

namespace vidorev {

MoneyBox::MoneyBox(QWidget *parent)
    : EntryBox(QPalette::Button, parent) {
    connect(m_text, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!locked() && money::parseNumber(text))
            emit valueChanged();
    });
}

double MoneyBox::text() const {
    return money::pennyValue(m_text->text());
}

void MoneyBox::setText(double value) {
    setCents(money::cutToCents(value));
}

void MoneyBox::setCents(qint64 cents) {
    m_cents = cents;
    controls::showText(m_text, money::centsText(m_cents));
}

} // namespace vidorev
