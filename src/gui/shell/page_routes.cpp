#include "shell/page_routes.h"

#include "admin/about_page.h"
#include "admin/diary_chooser.h"
#include "admin/options_panel.h"
#include "alarms/alarm_bank_panel.h"
#include "alarms/alarm_notice.h"
#include "alarms/holiday_strip.h"
#include "alarms/ping_flag.h"
#include "alarms/time_zone_board.h"
#include "alarms/time_zones.h"
#include "calc/calculator_panel.h"
#include "clocks/job_tracker_panel.h"
#include "diary/diary_file.h"
#include "diary/event_add.h"
#include "diary_log/hours_chart.h"
#include "diary_log/log_reader_panel.h"
#include "notes/note_pad.h"
#include "notes/scratch_pad.h"
#include "pictures/picture_explorer.h"
#include "platform/settings_keys.h"
#include "platform/version.h"
#include "shell/main_window.h"
#include "shell/note_sheets.h"
#include "shell/window_rules.h"
#include "todo/todo_panel.h"
#include "todo/todo_utilities.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidorev {

using namespace shell;

PageRoutes::PageRoutes(MainWindow &window, Services services, DiaryWriter &writer,
                       QVBoxLayout *area)
    : m_window(window)
    , m_services(services)
    , m_writer(writer)
    , m_area(area) {
    buildAlarmBank();
}

template <typename Page> Page *PageRoutes::add(Page *page, const char *name) {
    if (name != nullptr)
        page->setObjectName(QLatin1String(name));
    page->hide();
    // A page that can use more height (a folder tree, a chart) gets it all; the others stay
    // at the top.
    const bool tall =
        page->layout() != nullptr && (page->layout()->expandingDirections() & Qt::Vertical) != 0;
    m_area->insertWidget(m_area->count() - 1, page, tall ? 1 : 0);
    m_built.push_back(page);
    return page;
}

void PageRoutes::hideAll() {
    for (QWidget *page : m_built)
        page->hide();
}

void PageRoutes::clockTick(const QDateTime &now) {
    if (m_timeZones != nullptr && m_timeZones->isVisible())
        m_timeZones->setTime(now);
}

// --- the buttons ---------------------------------------------------------------------------

void PageRoutes::connectButtons() {
    MainWindow &w = m_window;
    const auto route = [this](QPushButton *button, auto open) {
        connect(button, &QPushButton::clicked, this, open);
    };
    route(w.m_hotJobTrack, [this, &w] {
        jobTracker().setUser(w.user());
        w.showTool(&jobTracker(), kModeJobTrack);
    });
    route(w.m_hotNotes, [this, &w] {
        notes().setUser(w.user());
        w.showTool(&notes(), kModeNotes);
    });
    route(w.m_doListButton, [this, &w] {
        doList().setUser(w.user());
        w.showTool(&doList(), kModeToDo);
    });
    route(w.m_statusFlag, [this] { goToRunningJob(); });
    route(w.m_pixExplore, [this, &w] {
        w.showTool(&pictures(), kModeTool);
        pictures().setHost(keys::kAppDiary);
    });
    route(w.m_toDoUtils, [this, &w] {
        doLoadSave().setUser(w.user());
        doLoadSave().setInit(true);
        w.showTool(&doLoadSave(), kModeTool);
    });
    route(w.m_admin, [this, &w] {
        keyHold().setUser(w.user());
        w.showTool(&keyHold(), kModePanel);
    });
    route(w.m_timeZone, [this, &w] {
        w.showTool(&timeZones(), kModeTool);
        timeZones().setTimeZone(
            m_services.store.getDouble(keys::kAppClock, keys::kSecLocal, keys::kTZone,
                                       alarms::systemZone(m_services.clock.now())));
        timeZones().setTime(m_services.clock.now());
    });
    route(w.m_scratchPad, [this, &w] { w.showTool(&scratchPad(), kModeTool); });
    route(w.m_help, [this, &w] {
        aboutPage().setVerData(Version::current().full());
        w.showTool(&aboutPage(), kModeTool);
    });
    route(w.m_setAlarms, [this, &w] {
        w.showTool(m_alarmBank, kModeTool);
        m_alarmBank->setSuperUser(w.m_admin->isEnabled());
        m_alarmBank->setClockRun(w.m_clockRun);
        w.m_ping->acknowledge();
        w.m_alert->setText(QStringLiteral(" "));
    });
    route(w.m_readLog, [this, &w] {
        readLog().setUser(w.user());
        w.showTool(&readLog(), kModePanel);
    });
    route(w.m_addEvent, [this, &w] {
        eventAdd().setUser(w.user());
        w.m_savedMode = w.m_mode;
        w.showTool(&eventAdd(), kModePanel);
    });
    route(w.m_calculator, [this, &w] {
        calculator().setInitMe(true);
        w.showTool(&calculator(), kModeTool);
    });
    route(w.m_newDiary, [this, &w] {
        if (!newDiaryActs(w.user()))
            return;
        // Shown first: a panel with no user to offer sends the window straight back to the menu.
        w.showTool(&adminHat(), kModePanel);
        adminHat().setUser(w.user());
    });
}

void PageRoutes::goToRunningJob() {
    MainWindow &w = m_window;
    const QString chain = m_services.store.get(keys::kAppDiary, w.user(), keys::kStack, QString());
    switch (runningTarget(w.user(), chain)) {
    case RunningTarget::None:
        return;
    case RunningTarget::JobClock:
        jobTracker().setUser(w.user());
        w.showTool(&jobTracker(), kModeJobTrack);
        return;
    case RunningTarget::ToDoTask:
        doList().setUser(w.user());
        w.showTool(&doList(), kModeToDo);
        doList().showHot();
        return;
    }
}

// --- the pages and their relays ------------------------------------------------------------

void PageRoutes::buildAlarmBank() {
    MainWindow &w = m_window;
    m_alarmBank = add(new AlarmBankPanel(m_services), "TimeLert1");
    connect(m_alarmBank, &AlarmBankPanel::clockTick, &w, &MainWindow::clockTick);
    connect(m_alarmBank, &AlarmBankPanel::alarmPing, w.m_ping, &PingFlag::ping);
    // Minimised or behind other windows, the desk still asks to be looked at, and the desktop
    // says which alarm it was.
    connect(m_alarmBank, &AlarmBankPanel::alarmRang, this, [this, &w](int alarm) {
        QApplication::alert(&w);
        if (alarmNeedsNotice(w.isActiveWindow())) {
            const AlarmNotice notice = alarmNotice(alarm, m_alarmBank->bank().alarm(alarm));
            m_services.notifier.notify(notice.summary, notice.body);
        }
    });
    connect(m_alarmBank, &AlarmBankPanel::alarmsReset, w.m_holidayStrip, &HolidayStrip::setDisplay);
}

EventAdd &PageRoutes::eventAdd() {
    if (m_eventAdd != nullptr)
        return *m_eventAdd;
    m_eventAdd = add(new EventAdd(m_services, m_writer), "EventAdd1");
    connect(m_eventAdd, &EventAdd::eventClosed, &m_window, &MainWindow::showMainMenu);
    connect(m_eventAdd, &EventAdd::memoPosted, this, &PageRoutes::memoPosted);
    return *m_eventAdd;
}

TodoPanel &PageRoutes::doList() {
    if (m_todoPanel != nullptr)
        return *m_todoPanel;
    m_todoPanel = add(new TodoPanel(m_services), "DoList1");
    connect(m_todoPanel, &TodoPanel::memoReady, this, [this] {
        eventAdd().setUser(m_window.user());
        eventAdd().setAuxId(QStringLiteral("DoList"));
        eventAdd().setAuxString(m_todoPanel->memo());
        // A task record that missed the Diary is said where the user is looking.
        if (!eventAdd().message().isEmpty())
            m_todoPanel->showNotice(eventAdd().message());
    });
    connect(m_todoPanel, &TodoPanel::annotateRequest, this, [this] { annotateFrom(m_todoPanel); });
    connect(m_todoPanel, &TodoPanel::timingChanged, &m_window, &MainWindow::refreshStatusFlag);
    return *m_todoPanel;
}

JobTrackerPanel &PageRoutes::jobTracker() {
    if (m_jobTracker != nullptr)
        return *m_jobTracker;
    m_jobTracker = add(new JobTrackerPanel(m_services), "DedUzedova1");
    connect(m_jobTracker, &JobTrackerPanel::annotateRequest, this,
            [this] { annotateFrom(m_jobTracker); });
    connect(m_jobTracker, &JobTrackerPanel::timingChanged, &m_window,
            &MainWindow::refreshStatusFlag);
    return *m_jobTracker;
}

LogReaderPanel &PageRoutes::readLog() {
    if (m_readLog != nullptr)
        return *m_readLog;
    m_readLog = add(new LogReaderPanel(m_services), "ReadLog1");
    connect(m_readLog, &LogReaderPanel::menuRequest, &m_window, &MainWindow::showMainMenu);
    connect(m_readLog, &LogReaderPanel::chartRequest, this, [this] {
        hoursChart().showDiary(m_services.store.get(keys::kAppDiary, m_window.user(),
                                                    keys::kFileKey, keys::kNoDiaryPath),
                               m_services.clock.now().date());
        m_window.showTool(&hoursChart(), kModePanel);
    });
    return *m_readLog;
}

HoursChart &PageRoutes::hoursChart() {
    if (m_hoursChart != nullptr)
        return *m_hoursChart;
    m_hoursChart = add(new HoursChart, "HoursChart1");
    m_area->setStretchFactor(m_hoursChart, 1); // the chart grows with the window
    connect(m_hoursChart, &HoursChart::menuRequest, this,
            [this] { m_window.showTool(&readLog(), kModePanel); });
    return *m_hoursChart;
}

DiaryChooser &PageRoutes::adminHat() {
    if (m_diaryChooser != nullptr)
        return *m_diaryChooser;
    m_diaryChooser = add(new DiaryChooser(m_services), "AdminHat1");
    connect(m_diaryChooser, &DiaryChooser::menuRequest, this, [this] {
        m_window.showMainMenu();
        m_window.userChanged(); // the user's Diary may have changed
    });
    return *m_diaryChooser;
}

OptionsPanel &PageRoutes::keyHold() {
    if (m_optionsPanel != nullptr)
        return *m_optionsPanel;
    m_optionsPanel = add(new OptionsPanel(m_services), "KeyHold1");
    connect(m_optionsPanel, &OptionsPanel::menuRequest, &m_window, &MainWindow::showMainMenu);
    return *m_optionsPanel;
}

AboutPage &PageRoutes::aboutPage() {
    if (m_aboutPage == nullptr)
        m_aboutPage = add(new AboutPage, "AboutPage1");
    return *m_aboutPage;
}

TimeZoneBoard &PageRoutes::timeZones() {
    if (m_timeZones == nullptr)
        m_timeZones = add(new TimeZoneBoard, "TimeSet1");
    return *m_timeZones;
}

TodoUtilities &PageRoutes::doLoadSave() {
    if (m_todoUtilities == nullptr)
        m_todoUtilities = add(new TodoUtilities(m_services), "DoLoadSave1");
    return *m_todoUtilities;
}

PictureExplorer &PageRoutes::pictures() {
    if (m_pictures == nullptr)
        m_pictures = add(new PictureExplorer(m_services), "pmPixXplore1");
    return *m_pictures;
}

CalculatorPanel &PageRoutes::calculator() {
    if (m_calc != nullptr)
        return *m_calc;
    m_calc = add(new CalculatorPanel(m_services), "TVCalc1");
    // A calculator memo lands in the current user's Diary, and only when there is one.
    connect(m_calc, &CalculatorPanel::memoReady, this, [this] {
        const QString user = m_window.user();
        const QString path =
            m_services.store.get(keys::kAppDiary, user, keys::kFileKey, keys::kNoDiaryPath);
        if (user.isEmpty() || !diary::diaryAvailable(path))
            return;
        eventAdd().setUser(user);
        eventAdd().setAuxId(QStringLiteral("Calc"));
        eventAdd().setAuxString(m_calc->memo());
    });
    return *m_calc;
}

NotePad &PageRoutes::notes() {
    if (m_notes != nullptr)
        return *m_notes;
    m_notes = add(new NotePad(m_services)); // named Frame4 by itself
    connect(m_notes, &NotePad::archiveRequest, this, &PageRoutes::archiveNotes);
    return *m_notes;
}

ScratchPad &PageRoutes::scratchPad() {
    if (m_scratch == nullptr)
        m_scratch = add(new ScratchPad); // named frmScratch by itself
    return *m_scratch;
}

void PageRoutes::reloadClockPages() {
    // Both clocks' pages read the stack again; one not built yet reads it when first shown.
    if (m_jobTracker != nullptr)
        m_jobTracker->setUser(m_window.user());
    if (m_todoPanel != nullptr)
        m_todoPanel->setUser(m_window.user());
    m_window.refreshStatusFlag();
}

void PageRoutes::memoPosted() {
    MainWindow &w = m_window;
    reloadClockPages();
    m_eventAdd->hide();
    if (w.m_savedMode == kModeJobTrack)
        w.showTool(&jobTracker(), kModeJobTrack);
    else if (w.m_savedMode == kModeToDo)
        w.showTool(&doList(), kModeToDo);
    else
        w.showMainMenu();
    w.m_mode = w.m_savedMode;
    w.refresh();
}

void PageRoutes::annotateFrom(QWidget *page) {
    MainWindow &w = m_window;
    eventAdd().setUser(w.user());
    eventAdd().show();
    eventAdd().setFocus();
    page->hide();
    w.m_savedMode = w.m_mode;
    w.m_mode = kModePanel;
    w.refresh();
    w.fitToPage();
}

void PageRoutes::archiveNotes() {
    eventAdd().setUser(m_window.user());
    QString refusal;
    for (const ArchivedNote &note : notesToArchive(m_window.user(), m_notes->texts())) {
        eventAdd().setAuxId(note.tag);
        eventAdd().setAuxString(note.text);
        // The Diary's refusal is said on the pad; later sheets would meet the same refusal.
        refusal = eventAdd().message();
        if (!refusal.isEmpty())
            break;
    }
    m_notes->showNotice(refusal);
}

} // namespace vidorev
