#include "calc/readout.h"

#include "widgets/controls.h"

#include "calc/keypad_layout.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

namespace vidorev {

Readout::Readout(const QString &boxName, const QString &boxTip, const QString &designText,
                 const QString &copyName, QWidget *parent)
    : QWidget(parent) {
    m_border = new QGroupBox(this);
    m_border->setObjectName(QStringLiteral("Border"));
    m_border->setAccessibleName(m_border->objectName());
    m_box = new QLineEdit(designText, m_border);
    m_box->setObjectName(boxName);
    m_box->setToolTip(boxTip);
    m_box->setAccessibleName(boxName);
    m_box->setReadOnly(true);
    controls::keepReadOnly(m_box);
    if (!copyName.isEmpty()) {
        // Several readouts show at once: a screen reader says which one a "Copy" copies.
        m_copy = controls::button(copyName, QStringLiteral("Copy"), QString(), m_border,
                                  QStringLiteral("Copy ") + boxTip);
        connect(m_copy, &QPushButton::clicked, this,
                [this] { QGuiApplication::clipboard()->setText(copyText()); });
    }
}

void Readout::showFault(const QString &text) {
    controls::showText(m_box, text);
}

QString Readout::shownText() const {
    return m_box->text();
}

void Readout::showText(const QString &text) {
    controls::showText(m_box, text);
    m_box->setCursorPosition(0);
}

void Readout::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_border->setGeometry(rect());
    const QRect inner = m_border->contentsRect();
    auto place = [&](QWidget *w, int x, int width) {
        w->setGeometry(calc::gridRect(inner.width(), inner.height(), 100, 7, x, 2, width, 4)
                           .translated(inner.topLeft()));
    };
    if (m_copy) {
        place(m_box, 5, 60);
        place(m_copy, 70, 25);
    } else {
        place(m_box, 5, 90);
    }
}

} // namespace vidorev
