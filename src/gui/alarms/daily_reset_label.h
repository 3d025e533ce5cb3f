#pragma once

#include <QLabel>

namespace vidorev {

// The daily reset's small label: drawn in the desktop colour while a reset is waiting for
// 00:01, in the usual button-text colour otherwise. The reset itself is the AlarmBank's.
class DailyResetLabel : public QLabel {
    Q_OBJECT
public:
    explicit DailyResetLabel(QWidget *parent = nullptr);

    static QString ident() { return QStringLiteral("TimerReset"); }
    bool armed() const { return m_armed; }
    void showArmed(bool armed);

private:
    bool m_armed = false;
};

} // namespace vidorev
