#pragma once

#include "platform/services.h"

#include <QObject>

#include <vector>

class QDateTime;
class QVBoxLayout;
class QWidget;

namespace vidorev {

class AboutPage;
class AdminHat;
class DedUzedova;
class DiaryWriter;
class DoList;
class DoLoadSave;
class EventAdd;
class HoursChart;
class KeyHold;
class MainWindow;
class NotePad;
class ReadLog;
class ScratchPad;
class TVCalc;
class TimeLert;
class TimeSet;
class pmPixXplore;

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

    TimeLert &alarmBank() { return *m_alarmBank; }

private:
    // Built on first use, wired as they are built.
    EventAdd &eventAdd();
    DoList &doList();
    DedUzedova &jobTracker();
    ReadLog &readLog();
    HoursChart &hoursChart();
    AdminHat &adminHat();
    KeyHold &keyHold();
    AboutPage &aboutPage();
    TimeSet &timeZones();
    DoLoadSave &doLoadSave();
    pmPixXplore &pictures();
    TVCalc &calculator();
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

    TimeLert *m_alarmBank = nullptr;
    EventAdd *m_eventAdd = nullptr;
    DoList *m_doList = nullptr;
    DedUzedova *m_jobTracker = nullptr;
    ReadLog *m_readLog = nullptr;
    HoursChart *m_hoursChart = nullptr;
    AdminHat *m_adminHat = nullptr;
    KeyHold *m_keyHold = nullptr;
    AboutPage *m_aboutPage = nullptr;
    TimeSet *m_timeZones = nullptr;
    DoLoadSave *m_doLoadSave = nullptr;
    pmPixXplore *m_pictures = nullptr;
    TVCalc *m_calc = nullptr;
    NotePad *m_notes = nullptr;
    ScratchPad *m_scratch = nullptr;
};

} // namespace vidorev
