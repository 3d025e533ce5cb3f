#include "calc/calc_fault.h"

#include <cmath>

namespace vidorev::calc {

QString faultText(CalcFault fault) {
    switch (fault) {
    case CalcFault::None:
        return QString();
    case CalcFault::Overflow:
        return QStringLiteral("Error: overflow");
    case CalcFault::Invalid:
        return QStringLiteral("Error: invalid operation");
    case CalcFault::DivideByZero:
        return QStringLiteral("Error: division by zero");
    }
    return QString();
}

CalcFault faultOf(double result) {
    if (std::isnan(result))
        return CalcFault::Invalid;
    if (std::isinf(result))
        return CalcFault::Overflow;
    return CalcFault::None;
}

} // namespace vidorev::calc
