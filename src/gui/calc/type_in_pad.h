#pragma once

#include <QWidget>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace vidorev {

// The calculator's entry line. Each edit is either a number (decimal, "0x" hexadecimal or
// Roman) or a key typed as the last character, which is taken off the line and handed on.
class TypeInPad : public QWidget {
    Q_OBJECT
public:
    explicit TypeInPad(QWidget *parent = nullptr);

    double value() const { return m_value; }
    // Shows the value (the line is emptied for 0) without announcing it.
    void setValue(double value);
    // The key typed in the last edit, or empty when the edit was a number.
    QString conKey() const { return m_conKey; }
    // Why the last edit's number could not be read.
    QString faultText() const { return m_faultText; }

    QLineEdit *line() const { return m_text; }

    QSize sizeHint() const override { return {320, 58}; }
    QSize minimumSizeHint() const override { return {160, 36}; }

signals:
    // A number was recognised (conKey() tells whether a key came with it).
    void change();
    void failed();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void edited();

    double m_value = 0.0;
    QString m_conKey;
    QString m_faultText;
    bool m_quiet = false;
    QGroupBox *m_frame = nullptr;
    QLineEdit *m_text = nullptr;
    QPushButton *m_copy = nullptr;
};

} // namespace vidorev
