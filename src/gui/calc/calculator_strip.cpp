#include "calc/calculator_strip.h"

#include "widgets/controls.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace vidorev {

CalculatorStrip::CalculatorStrip(QWidget *parent)
    : QWidget(parent) {
    static const struct {
        const char *name, *caption, *value;
    } buttons[] = {{"cmdMath", "Math", "Math"},
                   {"cmdLoan", "Loan", "Loan"},
                   {"cmdTax", "Tax", "Tax"},
                   {"cmdOhms", "Ohms", "Ohms"},
                   {"cmdTransformer", "Trans", "Trans"},
                   {"cmdBridge", "Bridge", "Bridge"},
                   {"cmdOpAmp", "OpAmp", "OA"},
                   {"cmdTube", "VT", "VT"},
                   {"cmdOK", "Help", "Help"}};
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const auto &button : buttons) {
        auto *b = controls::button(QString::fromLatin1(button.name),
                                   QString::fromLatin1(button.caption), QString(), this);
        const QString value = QString::fromLatin1(button.value);
        connect(b, &QPushButton::clicked, this, [this, value] {
            m_nextUp = value;
            emit selected();
        });
        layout->addWidget(b);
        m_choices.push_back({b, value});
    }
    m_help = m_choices.back().button;
}

void CalculatorStrip::setActive(const QString &selection) {
    m_active = selection;
    for (const Choice &choice : m_choices)
        choice.button->setEnabled(true);
    m_help->setText(QStringLiteral("Help"));
    m_help->setAccessibleName(m_help->text());
    for (const Choice &choice : m_choices)
        if (choice.value == selection)
            choice.button->setEnabled(false);
}

} // namespace vidorev
