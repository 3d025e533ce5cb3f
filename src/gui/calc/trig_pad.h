#pragma once

#include "calc/function_pad.h"

namespace vidorev {

// The "Trig" pad, angles in radians.
class TrigPad : public FunctionPad {
    Q_OBJECT
public:
    explicit TrigPad(QWidget *parent = nullptr);

protected:
    calc::PadStep compute(int k, double v) const override;
};

} // namespace vidorev
