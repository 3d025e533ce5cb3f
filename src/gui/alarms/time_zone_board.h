#pragma once

#include <QDateTime>
#include <QWidget>

#include <array>

class QGroupBox;
class QLineEdit;

namespace vidorev {

class ZoneWindow;

// The time-zone board: the local date and time and six windows for the three zones on either
// side of the local one. It reads no settings; the host gives it the zone and the time.
class TimeZoneBoard : public QWidget {
    Q_OBJECT
public:
    explicit TimeZoneBoard(QWidget *parent = nullptr);

    // The current local date and time; every window follows.
    void setTime(const QDateTime &local);
    double timeZone() const { return m_zone; }
    // Relabels the six windows around the local zone and shows the board.
    void setTimeZone(double zone);

    ZoneWindow *window(int n) const { return m_windows[std::size_t(n - 1)]; }
    QDateTime greenwich() const { return m_greenwich; }

private:
    void showHelp(bool help);

    double m_zone = 8;
    QDateTime m_greenwich;
    QGroupBox *m_frame1 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    QLineEdit *m_local = nullptr;
    std::array<ZoneWindow *, 6> m_windows{};
};

} // namespace vidorev
