#pragma once

#include <QDateTime>
#include <QWidget>

class QLabel;
class QLineEdit;

namespace vidorev {

// One window of the time-zone board: the zone's city label and its weekday, date and time.
class ZoneWindow : public QWidget {
    Q_OBJECT
public:
    explicit ZoneWindow(QWidget *parent = nullptr);

    double timeZone() const { return m_zone; }
    void setTimeZone(double zone);
    // Shows the zone's reading at this Greenwich time.
    void setGMTime(const QDateTime &greenwich);

    QString label() const;
    QString text() const;

private:
    double m_zone = 0;
    QLabel *m_label = nullptr;
    QLineEdit *m_text = nullptr;
};

} // namespace vidorev
