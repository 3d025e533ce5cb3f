#include "calc/type_in_pad.h"

#include "widgets/controls.h"

#include "calc/keypad_layout.h"
#include "calc/typed_number.h"
#include "platform/text_forms.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

namespace vidorev {

TypeInPad::TypeInPad(QWidget *parent)
    : QWidget(parent) {
    m_frame = new QGroupBox(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setAccessibleName(m_frame->objectName());
    m_text = new QLineEdit(m_frame);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setToolTip(QStringLiteral("Enter Numbers here"));
    m_text->setAccessibleName(QStringLiteral("Text1"));
    m_copy =
        controls::button(QStringLiteral("Command1"), QStringLiteral("Copy"), QString(), m_frame);
    setFocusProxy(m_text);

    connect(m_text, &QLineEdit::textChanged, this, &TypeInPad::edited);
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(m_text->text()); });
}

void TypeInPad::setValue(double value) {
    m_quiet = true;
    m_value = value;
    m_text->setText(value == 0.0 ? QString() : text::number(value));
    m_quiet = false;
}

void TypeInPad::edited() {
    if (m_quiet)
        return;
    const calc::EntryEdit edit = calc::readEntryEdit(m_text->text());
    m_conKey = edit.conKey;
    if (!edit.conKey.isEmpty()) {
        // The key character leaves the line without this change being read again.
        m_quiet = true;
        m_text->setText(edit.text);
        m_quiet = false;
    }
    if (edit.recognised) {
        m_value = edit.value;
        emit change();
    } else if (edit.fault != calc::CalcFault::None) {
        m_faultText = calc::faultText(edit.fault);
        emit failed();
    }
}

void TypeInPad::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_frame->setGeometry(rect());
    const QRect inner = m_frame->contentsRect();
    auto place = [&](QWidget *w, int x, int width) {
        w->setGeometry(calc::gridRect(inner.width(), inner.height(), 100, 7, x, 2, width, 4)
                           .translated(inner.topLeft()));
    };
    place(m_text, 5, 60);
    place(m_copy, 70, 25);
}

} // namespace vidorev
