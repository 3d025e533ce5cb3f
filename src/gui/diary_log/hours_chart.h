#pragma once

#include "diary_log/week_hours.h"

#include <QWidget>

class QLabel;
class QPalette;
class QLineEdit;
class QPushButton;
class QTableWidget;

class QChart;
class QChartView;

namespace vidorev {

namespace widgets {
class BackgroundRun;
}

// The chart drawn for a week: one stacked bar a day, one colour a job code, in hours, in the
// palette's colours (light or dark).
QChart *buildHoursChart(const diary::WeekHours &week, const QPalette &palette);
// The same picture as a PNG file made from the Diary at diaryPath, written whole or not at all.
bool saveHoursChartPng(const diary::WeekHours &week, const QString &path, const QString &diaryPath,
                       QString *error);

// Hours at a glance: a week of the user's Diary as stacked bars per job code and day, with the
// week's total per job beside it.
class HoursChart : public QWidget {
    Q_OBJECT
public:
    explicit HoursChart(QWidget *parent = nullptr);
    ~HoursChart() override;

    // The Diary to read and the week to show (any day of it).
    void showDiary(const QString &path, const QDate &day);
    const diary::WeekHours &week() const { return m_week; }
    QChart *chart() const;
    // Waits for a week being read (tests).
    void waitForWeek();

signals:
    void menuRequest();

protected:
    void changeEvent(QEvent *event) override;

private:
    void load(const QDate &monday);
    void present();

    QString m_path;
    diary::WeekHours m_week;
    diary::WeekHours m_pending;
    QDate m_wanted;
    widgets::BackgroundRun *m_run = nullptr;
    QLineEdit *m_weekBox = nullptr;
    QPushButton *m_prior = nullptr;
    QPushButton *m_next = nullptr;
    QLabel *m_status = nullptr;
    QChartView *m_view = nullptr;
    QTableWidget *m_totals = nullptr;
};

} // namespace vidorev
