#pragma once

#include "platform/services.h"

#include <QWidget>

#include <vector>

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vidorev {

class AboutPage;
class AdminHat;
class DedUzedova;
class KeyHold;
class DoList;
class DoLoadSave;
class DiaryWriter;
class EventAdd;
class HolidayStrip;
class NotePad;
class ReadLog;
class HoursChart;
class ScratchPad;
class TVCalc;
class TimeLert;
class TimeSet;
class pmPixXplore;

// The one top-level window: hot buttons, tool buttons, the user box and the hosted panels.
// It routes between panels and applies the shell's rules; every panel does its own work.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(Services services, DiaryWriter &writer, QString commandLine,
               QWidget *parent = nullptr);

    // Applies the start-up command line once ("/U" user, "/A" all alarms).
    void handleFirstActivation();

    int mode() const { return m_mode; }
    QString user() const;

protected:
    bool event(QEvent *event) override;

private:
    // Construction, in order: controls, panels, connections, start-up state.
    QHBoxLayout *buildHotRow();
    void buildMenuPage();
    void buildPanels();
    void wire();
    void start();

    QPushButton *makeButton(const QString &name, const QString &caption, const QString &tip);
    QWidget *addPanel(QWidget *panel);

    // Routing.
    void hideAll();
    void showMainMenu();
    void refresh();
    void refreshStatusFlag();
    void refreshAdmin();
    void refreshNewDiary();
    void userChanged();
    void goToRunningJob();
    void allAlarms();
    void toggleStayOnTop();
    void showTool(QWidget *panel, int mode);
    void memoPosted();
    void archiveNotes();
    void annotateFrom(QWidget *panel);
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
    NotePad *m_frame4 = nullptr;
    ScratchPad *m_scratch = nullptr;
    QWidget *m_panelArea = nullptr;
    std::vector<QWidget *> m_panels;

    // Hosted panels.
    EventAdd *m_eventAdd = nullptr;
    DoList *m_doList = nullptr;
    DedUzedova *m_jobTracker = nullptr;
    TimeLert *m_alarmBank = nullptr;
    ReadLog *m_readLogPanel = nullptr;
    HoursChart *m_hoursChart = nullptr;
    AdminHat *m_adminHat = nullptr;
    KeyHold *m_keyHold = nullptr;
    AboutPage *m_aboutPage = nullptr;
    TimeSet *m_timeSet = nullptr;
    DoLoadSave *m_doLoadSave = nullptr;
    pmPixXplore *m_pictures = nullptr;
    TVCalc *m_calc = nullptr;
    HolidayStrip *m_holidayStrip = nullptr;
};

} // namespace vidorev
