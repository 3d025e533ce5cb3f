#include "calc/operand_stack_view.h"

namespace vidorev {

OperandStackView::OperandStackView(QWidget *parent)
    : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setAccessibleName(QStringLiteral("Stack"));
}

double OperandStackView::tos() {
    const double value = m_stack.pop();
    emit popped();
    return value;
}

double OperandStackView::clr() {
    m_stack.clearValues();
    return 0.0;
}

} // namespace vidorev
