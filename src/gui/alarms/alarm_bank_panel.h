#pragma once

#include "alarms/alarm_bank.h"
#include "platform/services.h"

#include <QWidget>

#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace vidorev {

class DailyResetLabel;
class AlarmRow;

// The alarm bank's panel: fourteen alarm rows (9 - 14 in the administrator's frame), the time
// read-out, the one-second clock and the daily reset's label. The clock and the bank run from
// the start, shown or not; the rows and frames are built when the panel is first shown.
class AlarmBankPanel : public QWidget {
    Q_OBJECT
public:
    explicit AlarmBankPanel(Services services, QWidget *parent = nullptr);

    bool clockRun() const { return m_clockRun; }
    // Writing any value starts the clock; nothing stops it again.
    void setClockRun(bool);

    // Reading yields the panel's tag; writing keeps the name and reloads every alarm.
    QString user() const { return QStringLiteral("TimeLert"); }
    void setUser(const QString &user);
    QString userName() const { return m_userName; }

    bool superUser() const { return m_superUser; }
    void setSuperUser(bool superUser);

    // One clock step, as the timer runs it once a second.
    void tick();

    AlarmBank &bank() { return m_bank; }
    // Builds the rows if the panel was never shown.
    AlarmRow *row(int n);

    void setVisible(bool visible) override;

signals:
    void alarmPing();          // an alarm came due with no wave file configured
    void alarmRang(int alarm); // alarm n came due (with or without sound)
    void clockTick();          // after every tick
    void alarmsReset();        // the daily reset ran and the alarms are reloaded

private:
    void buildControls();
    void showRows();
    void showHelp(bool help);
    // The frame's message line; empty hides it.
    void showNotice(const QString &text);

    Services m_services;
    AlarmBank m_bank;
    QString m_userName;
    bool m_clockRun = false;
    bool m_superUser = false;

    std::vector<AlarmRow *> m_rows;
    QGroupBox *m_frame1 = nullptr;
    QGroupBox *m_adminFrame = nullptr;
    QGroupBox *m_frame2 = nullptr;
    QPushButton *m_adminButton = nullptr;
    QLineEdit *m_timeNow = nullptr;
    QLabel *m_notice = nullptr;
    QTimer *m_timer = nullptr;
    DailyResetLabel *m_dailyResetLabel = nullptr;
};

} // namespace vidorev
