#include "widgets/calc_entry.h"

#include "calc/readouts.h"
#include "calc/typed_number.h"
#include "widgets/controls.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vidorev {

CalcEntry::CalcEntry(QWidget *parent)
    : QWidget(parent) {
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setToolTip(QStringLiteral("Numeric entry area, accepts '4+5='"));
    m_text->setAccessibleName(QStringLiteral("Text1"));
    m_text->installEventFilter(this);
    setFocusProxy(m_text);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    // Only the user's edits run the arithmetic; the box's own rewrites do not.
    connect(m_text, &QLineEdit::textEdited, this, &CalcEntry::edited);
    // A value given whole (by a screen reader, say) counts at once, as if typed and confirmed.
    connect(m_text, &QLineEdit::textChanged, this, [this] {
        // The box reports a text shown from inside an edit only after the edit, hence the
        // comparison with what was shown.
        if (m_text->text() == m_shown || !controls::wholeValueSet(m_text) ||
            m_text->text().isEmpty())
            return;
        edited();
        commit();
    });
}

void CalcEntry::show(const QString &text) {
    m_shown = text;
    m_text->setText(text);
}

void CalcEntry::setValue(double value) {
    m_value = value;
    show(calc::entryText(value));
}

QString CalcEntry::text() const {
    return m_text->text();
}

void CalcEntry::setText(const QString &text) {
    show(text);
}

void CalcEntry::edited() {
    const calc::EntryArithmetic::Edit edit = m_arithmetic.edit(m_text->text());
    if (edit.operatorTyped) {
        show(edit.newText);
        // A refusal's message is selected so that the next key replaces it.
        if (edit.fault != calc::CalcFault::None)
            m_text->selectAll();
    }
    if (edit.typing)
        emit typing();
}

void CalcEntry::commit() {
    if (const auto number = calc::localeNumber(m_text->text())) {
        m_value = *number;
        emit change();
    }
}

bool CalcEntry::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_text) {
        if (event->type() == QEvent::FocusOut) {
            commit();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                commit();
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vidorev
