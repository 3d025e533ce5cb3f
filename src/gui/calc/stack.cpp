#include "calc/stack.h"

namespace vidorev {

Stack::Stack(QWidget *parent)
    : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setAccessibleName(QStringLiteral("Stack"));
}

double Stack::tos() {
    const double value = m_stack.pop();
    emit popped();
    return value;
}

double Stack::clr() {
    m_stack.clearValues();
    return 0.0;
}

} // namespace vidorev
