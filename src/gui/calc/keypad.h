#pragma once

#include "calc/keypad_layout.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QGroupBox;
class QPushButton;

namespace vidorev {

// A frame of eight buttons placed by the keypad layout routine; the arithmetic keypad and the
// function pads are all keypads.
class Keypad : public QWidget {
    Q_OBJECT
public:
    struct ButtonSpec {
        const char *name;
        const char *caption;
        const char *toolTip; // nullptr for none
    };

    std::int16_t wide() const { return m_wide; }
    // Stores the orientation code and lays the buttons out again.
    void setWide(std::int16_t wide);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    Keypad(const QString &frameCaption, const std::array<ButtonSpec, 8> &buttons,
           calc::TwoColumnGrid grid, QWidget *parent);

    QPushButton *button(int k) const { return m_buttons[static_cast<std::size_t>(k - 1)]; }
    // Called with the button's number, 1 to 8.
    virtual void pressed(int k) = 0;

    void resizeEvent(QResizeEvent *event) override;

private:
    void layOut();

    QGroupBox *m_border = nullptr;
    std::array<QPushButton *, 8> m_buttons{};
    calc::TwoColumnGrid m_grid;
    std::int16_t m_wide = 0;
};

} // namespace vidorev
