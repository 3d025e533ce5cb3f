#pragma once

#include <QPushButton>

class QLabel;

namespace vidorev {

// The "Ping!" of an alarm that rang with no sound of its own set up, kept in sight in the
// hot-button row whatever page is shown, until the user presses it (acknowledges the alarm) or
// the window clears it (opening the alarms, switching them all on). It raises and clears the
// main menu's own "Ping!" label with it.
class PingFlag : public QPushButton {
    Q_OBJECT
public:
    explicit PingFlag(QWidget *parent = nullptr);
    // The main menu's label that shows "Ping!" with the flag.
    void setAlert(QLabel *alert) { m_alert = alert; }

    void ping();
    void acknowledge();
    bool isUp() const { return m_up; }

private:
    QLabel *m_alert = nullptr;
    bool m_up = false;
};

} // namespace vidorev
