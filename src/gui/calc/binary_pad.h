#pragma once

#include "calc/binary_logic.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace vidorev {

// The "Binary Logic" pad: a loaded operand and OR, AND, XOR with the current value, and NOT,
// worked on the bits of the hexadecimal readout's text.
class BinaryPad : public QWidget {
    Q_OBJECT
public:
    explicit BinaryPad(QWidget *parent = nullptr);

    double value() const { return m_value; }
    // Only stores.
    void setValue(double value) { m_value = value; }
    QString hexValue() const { return m_logic.hexValue(); }
    void setHexValue(const QString &hex) { m_logic.setHexValue(hex); }
    QString loaded() const { return m_logic.loaded(); }
    void setLoaded(const QString &hex);

    QSize sizeHint() const override { return {130, 230}; }
    QSize minimumSizeHint() const override { return {100, 180}; }

signals:
    void change();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void load();
    void apply(calc::BinaryLogic::Op op);

    calc::BinaryLogic m_logic;
    double m_value = 0.0;
    QGroupBox *m_border = nullptr;
    QLineEdit *m_text = nullptr;
    std::array<QPushButton *, 5> m_buttons{};
};

} // namespace vidorev
