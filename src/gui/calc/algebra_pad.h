#pragma once

#include "calc/function_pad.h"

namespace vidorev {

// The "Algebra" pad: pi, e, sign, reciprocal, logarithms and anti-logarithms.
class AlgebraPad : public FunctionPad {
    Q_OBJECT
public:
    explicit AlgebraPad(QWidget *parent = nullptr);

protected:
    calc::PadStep compute(int k, double v) const override;
};

} // namespace vidorev
