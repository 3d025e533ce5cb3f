#pragma once

#include "diary_log/log_browser.h"
#include "platform/services.h"

#include <QWidget>

#include <atomic>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vidorev {

class MoneyBox;
namespace widgets {
class BackgroundRun;
}

// The Diary browser: the current user's Diary three lines at a time, filtered by job tag and/or
// date, with the hours of the Stop records and the cash of the memos it has shown.
class LogReaderPanel : public QWidget {
    Q_OBJECT
public:
    explicit LogReaderPanel(Services services, QWidget *parent = nullptr);
    ~LogReaderPanel() override;

    QString user() const { return m_user; }
    // (Re)opens the user's Diary from its first line, with empty boxes and totals at 0.
    void setUser(const QString &user);

    // Whether a press is still reading the Diary; other presses are ignored meanwhile.
    bool isReading() const;
    // Blocks until the running press has shown its lines (tests).
    void waitForReading();

signals:
    void menuRequest();
    // "Hours chart": the week's hours of this user's Diary, where the desk shows totals.
    void chartRequest();

private:
    enum class Press { NextThree, SkipTen, LastThree };
    void press(Press what);
    void pressDone();
    void rewind();
    void menu();
    // Stops a running press without showing what it read.
    void stopReading();
    void applyFilter();
    void showLines(const diary::LogBrowser::Lines &lines);
    void showTotals();
    void clearLines();
    // The lines read so far that were not counted, or nothing when there are none.
    void showBadLines();

    Services m_services;
    QString m_user;
    diary::LogBrowser m_browser;
    diary::LogBrowser::Lines m_found;
    Press m_pressed = Press::NextThree;
    std::atomic<bool> m_stop{false};
    widgets::BackgroundRun *m_run = nullptr;

    QGroupBox *m_frame = nullptr;
    QLineEdit *m_lines[3] = {};
    QLabel *m_tagLabel = nullptr;
    QLineEdit *m_tag = nullptr;
    QLineEdit *m_date = nullptr;
    MoneyBox *m_hours = nullptr;
    QLabel *m_cashLabel = nullptr;
    QLineEdit *m_cash = nullptr;
    QLabel *m_progress = nullptr;
    QLabel *m_badLines = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_skip = nullptr;
    QPushButton *m_last = nullptr;
    QPushButton *m_rewind = nullptr;
    QPushButton *m_menu = nullptr;
    QPushButton *m_chart = nullptr;
};

} // namespace vidorev
