#pragma once

#include "platform/services.h"

#include <QObject>

#include <vector>

class QDateTime;
class QVBoxLayout;
class QWidget;

namespace vidorev {

class AboutPage;
class DiaryChooser;
class JobTrackerPanel;
class DiaryWriter;
class TodoPanel;
class TodoUtilities;
class EventAdd;
class HoursChart;
class OptionsPanel;
class MainWindow;
class NotePad;
class LogReaderPanel;
class ScratchPad;
class CalculatorPanel;
class AlarmBankPanel;
class TimeZoneBoard;
class PictureExplorer;

// The main window's routing table: which page each button opens, what the page is handed and
// which mode the window takes, and how the pages' signals are relayed (pages never call each
// other). A page is built the first time it is shown or its host needs it, gets its connections
// there and then, and is kept from then on, so a hidden page keeps its state. The alarm bank is
// built at start: its clock, its alarms and its daily reset run while it is hidden.
class PageRoutes : public QObject {
    Q_OBJECT
public:
    // Pages go into area, before its last item (the stretch that keeps them at the top).
    PageRoutes(MainWindow &window, Services services, DiaryWriter &writer, QVBoxLayout *area);

    // Connects the window's hot and tool buttons to their pages.
    void connectButtons();

    // Hides every page built so far.
    void hideAll();
    // The pages that follow the clock while they show.
    void clockTick(const QDateTime &now);
    // Goes to the clock at the top of the user's running-job stack, if any.
    void goToRunningJob();
    // A clock changed outside its page (the tray, the away bar, a memo): the clocks' pages built so
    // far, and the status flag, read the user's clocks again.
    void reloadClockPages();

    AlarmBankPanel &alarmBank() { return *m_alarmBank; }

private:
    // Built on first use, wired as they are built.
    EventAdd &eventAdd();
    TodoPanel &doList();
    JobTrackerPanel &jobTracker();
    LogReaderPanel &readLog();
    HoursChart &hoursChart();
    DiaryChooser &adminHat();
    OptionsPanel &keyHold();
    AboutPage &aboutPage();
    TimeZoneBoard &timeZones();
    TodoUtilities &doLoadSave();
    PictureExplorer &pictures();
    CalculatorPanel &calculator();
    NotePad &notes();
    ScratchPad &scratchPad();
    void buildAlarmBank();

    // Names a new page, hides it, and adds it to the area and to the pages built.
    template <typename Page> Page *add(Page *page, const char *name = nullptr);

    void memoPosted();
    void annotateFrom(QWidget *page);
    void archiveNotes();

    MainWindow &m_window;
    Services m_services;
    DiaryWriter &m_writer;
    QVBoxLayout *m_area;
    std::vector<QWidget *> m_built;

    AlarmBankPanel *m_alarmBank = nullptr;
    EventAdd *m_eventAdd = nullptr;
    TodoPanel *m_todoPanel = nullptr;
    JobTrackerPanel *m_jobTracker = nullptr;
    LogReaderPanel *m_readLog = nullptr;
    HoursChart *m_hoursChart = nullptr;
    DiaryChooser *m_diaryChooser = nullptr;
    OptionsPanel *m_optionsPanel = nullptr;
    AboutPage *m_aboutPage = nullptr;
    TimeZoneBoard *m_timeZones = nullptr;
    TodoUtilities *m_todoUtilities = nullptr;
    PictureExplorer *m_pictures = nullptr;
    CalculatorPanel *m_calc = nullptr;
    NotePad *m_notes = nullptr;
    ScratchPad *m_scratch = nullptr;
};

} // namespace vidorev
