#pragma once

#include <QWidget>

class QLineEdit;

namespace vidorev {

// A readout for the special calculators: the value in fixed point with its unit label, small
// values in thousandths ("0.047 milliOhms").
class CalcDisplay : public QWidget {
    Q_OBJECT
public:
    explicit CalcDisplay(QWidget *parent = nullptr);

    double value() const { return m_value; }
    void setValue(double value);
    QString label() const { return m_label; }
    void setLabel(const QString &label);
    QString text() const;
    void setText(const QString &text);

signals:
    void labelChanged();

private:
    double m_value = 0.0;
    QString m_label;
    QLineEdit *m_box = nullptr;
};

} // namespace vidorev
