#include "calc/entry_arithmetic.h"

#include "calc/typed_number.h"
#include "platform/text_forms.h"

namespace vidorev::calc {

EntryArithmetic::Edit EntryArithmetic::edit(const QString &text, const QLocale &locale) {
    Edit edit;
    const QString key = text.isEmpty() ? QString() : QString(text.back());
    if (key.size() == 1 && QStringLiteral("=+-*/").contains(key)) {
        edit.operatorTyped = true;
        const double operand = localeNumber(text.chopped(1), locale).value_or(0.0);
        double acc = m_acc;
        if (m_previousOp == u"=")
            acc = operand;
        else if (m_previousOp == u"+")
            acc += operand;
        else if (m_previousOp == u"-")
            acc -= operand;
        else if (m_previousOp == u"*")
            acc *= operand;
        else if (m_previousOp == u"/")
            acc = operand == 0.0 ? acc : acc / operand;
        if (m_previousOp == u"/" && operand == 0.0)
            edit.fault = CalcFault::DivideByZero;
        else
            edit.fault = faultOf(acc);
        if (edit.fault != CalcFault::None) {
            // The key is refused: the accumulator and the operator stay as they were.
            edit.newText = faultText(edit.fault);
            return edit;
        }
        m_acc = acc;
        m_previousOp = key;
        edit.newText = key == u"=" ? text::number(m_acc, locale) : QString();
    }
    edit.typing = localeNumber(edit.operatorTyped ? edit.newText : text, locale).has_value();
    return edit;
}

void EntryArithmetic::reset() {
    m_acc = 0.0;
    m_previousOp = QStringLiteral("=");
}

} // namespace vidorev::calc
