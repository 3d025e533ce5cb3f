#pragma once

#include "calc/function_pad.h"

namespace vidorev {

// The "Hyper" pad; every button ignores 0.
class HyperbolicPad : public FunctionPad {
    Q_OBJECT
public:
    explicit HyperbolicPad(QWidget *parent = nullptr);

protected:
    calc::PadStep compute(int k, double v) const override;
};

} // namespace vidorev
