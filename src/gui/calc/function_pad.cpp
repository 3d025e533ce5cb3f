#include "calc/function_pad.h"

namespace vidorev {

void FunctionPad::pressed(int k) {
    const calc::PadStep step = compute(k, m_value);
    switch (step.action) {
    case calc::PadAction::Change:
        m_value = step.value;
        emit change();
        break;
    case calc::PadAction::Fault:
        m_faultText = calc::faultText(step.fault);
        emit failed();
        break;
    case calc::PadAction::Quiet:
        break;
    }
}

} // namespace vidorev
