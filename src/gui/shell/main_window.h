#pragma once

#include "platform/services.h"
#include "shell/page_routes.h"

#include <QWidget>

#include <memory>

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vidorev {

class AwayFrame;
class DiaryWriter;
class HolidayStrip;
class TrayIcon;
class PingFlag;

// The one top-level window: hot buttons, tool buttons, the user box and the pages they open.
// It keeps the mode and the button row by the shell's rules; which page a button opens, and the
// relays between pages, are its routing table (PageRoutes). Every panel does its own work.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(Services services, DiaryWriter &writer, QString commandLine,
               QWidget *parent = nullptr);

    // Applies the start-up command line once ("/U" user, "/A" all alarms).
    void handleFirstActivation();
    // A later start on the same store handed its start line over: it applies by the same rules
    // and the window comes to the front.
    void takeStartLine(const QString &line);

    int mode() const { return m_mode; }
    QString user() const;

protected:
    bool event(QEvent *event) override;

private:
    // The routing table opens pages through the window's own steps.
    friend class PageRoutes;

    // Construction, in order: controls, pages, connections, start-up state.
    QHBoxLayout *buildHotRow();
    void buildMenuPage();
    void wire();
    void start();

    QPushButton *makeButton(const QString &name, const QString &caption, const QString &tip);

    void hideAll();
    void showMainMenu();
    void showTool(QWidget *page, int mode);
    // The window takes the size of the page it shows, larger or smaller (not when maximised).
    void fitToPage();
    void refresh();
    void refreshStatusFlag();
    void refreshAdmin();
    void refreshNewDiary();
    void userChanged();
    void applyStartLine(const QString &line);
    void allAlarms();
    void toggleStayOnTop();
    void clockTick();

    Services m_services;
    DiaryWriter &m_writer;
    QString m_commandLine;

    int m_mode = 1;
    int m_savedMode = 1;
    QString m_adminName;
    QString m_locked;
    bool m_noDiary = true;
    bool m_diaryAvailable = false;
    bool m_clockRun = true;
    bool m_starting = true;

    // Hot-button row.
    QPushButton *m_mainMenu = nullptr;
    QPushButton *m_hotJobTrack = nullptr;
    QPushButton *m_hotNotes = nullptr;
    QPushButton *m_doListButton = nullptr;
    QPushButton *m_statusFlag = nullptr;
    QPushButton *m_stayTop = nullptr;
    PingFlag *m_ping = nullptr; // an alarm's "Ping!", on every page

    // Tool buttons.
    QPushButton *m_pixExplore = nullptr;  // Command17
    QPushButton *m_toDoUtils = nullptr;   // cmd2DoLS
    QPushButton *m_startAlarms = nullptr; // cmdStartAlarms
    QPushButton *m_admin = nullptr;       // cmdAdmin
    QPushButton *m_timeZone = nullptr;    // cmdTimeZone
    QPushButton *m_scratchPad = nullptr;  // cmdShowPdox
    QPushButton *m_help = nullptr;        // Command7
    QPushButton *m_setAlarms = nullptr;   // cmdSetAlarms
    QPushButton *m_readLog = nullptr;     // Command2
    QPushButton *m_addEvent = nullptr;    // Command4
    QPushButton *m_calculator = nullptr;  // cmdCalculator
    QPushButton *m_newDiary = nullptr;    // Command1

    QWidget *m_menuPage = nullptr;
    QLineEdit *m_userBox = nullptr;
    QLineEdit *m_clockCal = nullptr;
    QLabel *m_alert = nullptr;
    QGroupBox *m_frame2 = nullptr;
    HolidayStrip *m_holidayStrip = nullptr;
    AwayFrame *m_away = nullptr;         // the question about an absence, over every page
    std::unique_ptr<PageRoutes> m_pages; // after the controls it connects
    TrayIcon *m_tray = nullptr;
};

} // namespace vidorev
