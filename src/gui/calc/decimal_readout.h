#pragma once

#include "calc/readout.h"

namespace vidorev {

// The decimal readout, in the general number text.
class DecimalReadout : public Readout {
    Q_OBJECT
public:
    explicit DecimalReadout(QWidget *parent = nullptr);

    double value() const { return m_value; }
    void setValue(double value);

protected:
    QString copyText() const override;

private:
    double m_value = 0.0;
};

} // namespace vidorev
