#pragma once

#include "platform/services.h"

#include <QGroupBox>

class QLabel;
class QLineEdit;

namespace vidorev {

// The company holiday list editor ("fraHolidays"): dates are added with one of four buttons (a
// closed day, or a day shown in blue, green or violet) and removed by month and day.
class HolidayFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit HolidayFrame(Services services, QWidget *parent = nullptr);

    QString list() const;
    void setList(const QString &list);

signals:
    // "Return to main" kept the list.
    void done();

private:
    Services m_services;
    QLineEdit *m_month = nullptr; // txtHolidayMonth
    QLineEdit *m_day = nullptr;   // txtHolidayDay
    QLineEdit *m_list = nullptr;  // txtHolidayList
    QLabel *m_message = nullptr;
};

} // namespace vidorev
