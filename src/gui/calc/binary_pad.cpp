#include "calc/binary_pad.h"

#include "widgets/controls.h"

#include "calc/keypad_layout.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace vidorev {

BinaryPad::BinaryPad(QWidget *parent)
    : QWidget(parent) {
    m_border = controls::frame(QStringLiteral("Border"), QStringLiteral("Binary Logic"), this);
    m_text = new QLineEdit(m_border);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setAccessibleName(QStringLiteral("Text1"));
    m_text->setReadOnly(true);
    controls::keepReadOnly(m_text);
    static const struct {
        const char *name, *caption, *tip;
    } buttons[] = {{"Btn1", "Load", "Save current value"},
                   {"Btn2", "OR", "Calc Saved OR current"},
                   {"Btn3", "AND", "Calc Saved AND current"},
                   {"Btn4", "XOR", "Calc Saved XOR current"},
                   {"Btn5", "NOT", "Calc Binary Inverse of current"}};
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        auto *b = controls::button(QString::fromLatin1(buttons[i].name),
                                   QString::fromLatin1(buttons[i].caption),
                                   QString::fromLatin1(buttons[i].tip), m_border);
        m_buttons[i] = b;
    }
    using Op = calc::BinaryLogic::Op;
    connect(m_buttons[0], &QPushButton::clicked, this, &BinaryPad::load);
    connect(m_buttons[1], &QPushButton::clicked, this, [this] { apply(Op::Or); });
    connect(m_buttons[2], &QPushButton::clicked, this, [this] { apply(Op::And); });
    connect(m_buttons[3], &QPushButton::clicked, this, [this] { apply(Op::Xor); });
    connect(m_buttons[4], &QPushButton::clicked, this, [this] { apply(Op::Not); });
}

void BinaryPad::setLoaded(const QString &hex) {
    m_logic.setLoaded(hex);
}

void BinaryPad::load() {
    m_value = m_logic.load();
    controls::showText(m_text, m_logic.loaded());
}

void BinaryPad::apply(calc::BinaryLogic::Op op) {
    m_value = m_logic.apply(op);
    emit change();
}

void BinaryPad::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_border->setGeometry(rect());
    const QRect inner = m_border->contentsRect();
    auto place = [&](QWidget *w, int x, int y, int width) {
        w->setGeometry(calc::gridRect(inner.width(), inner.height(), 12, 32, x, y, width, 4)
                           .translated(inner.topLeft()));
    };
    place(m_text, 1, 2, 10);
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        place(m_buttons[i], 2, 7 + 5 * static_cast<int>(i), 8);
}

} // namespace vidorev
