#pragma once

#include <QWidget>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace vidorev {

// A one-line readout in a frame, with or without a "Copy" button beside it, laid out on a
// 100 x 7 grid. The decimal, hexadecimal and Roman readouts are readouts.
class Readout : public QWidget {
    Q_OBJECT
public:
    // Shows why there is no value (an arithmetic fault); the value is kept.
    void showFault(const QString &text);
    QString shownText() const;

    QSize sizeHint() const override { return {320, 58}; }
    QSize minimumSizeHint() const override { return {160, 36}; }

protected:
    // copyName empty: no "Copy" button, and the box runs across the frame.
    Readout(const QString &boxName, const QString &boxTip, const QString &designText,
            const QString &copyName, QWidget *parent);

    void showText(const QString &text);
    // The text the "Copy" button puts on the clipboard.
    virtual QString copyText() const = 0;

    void resizeEvent(QResizeEvent *event) override;

private:
    QGroupBox *m_border = nullptr;
    QLineEdit *m_box = nullptr;
    QPushButton *m_copy = nullptr;
};

} // namespace vidorev
