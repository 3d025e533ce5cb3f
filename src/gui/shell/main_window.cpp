#include "shell/main_window.h"

#include "admin/about_page.h"
#include "admin/admin_hat.h"
#include "admin/key_hold.h"
#include "alarms/alarm_notice.h"
#include "alarms/all_alarms.h"
#include "alarms/holiday_strip.h"
#include "alarms/time_lert.h"
#include "alarms/time_set.h"
#include "alarms/time_zones.h"
#include "calc/tv_calc.h"
#include "clocks/ded_uzedova.h"
#include "clocks/running_stack.h"
#include "diary/diary_file.h"
#include "diary/diary_writer.h"
#include "diary/event_add.h"
#include "diary_log/hours_chart.h"
#include "diary_log/read_log.h"
#include "notes/note_pad.h"
#include "notes/scratch_pad.h"
#include "pictures/pm_pix_xplore.h"
#include "platform/settings_keys.h"
#include "platform/text_forms.h"
#include "platform/version.h"
#include "shell/note_sheets.h"
#include "shell/window_rules.h"
#include "todo/do_list.h"
#include "todo/do_load_save.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vidorev {

using namespace shell;

namespace {
const QString kStayOnTop = QStringLiteral("Stay On Top");
const QString kStayOnTopTip = QStringLiteral("Stay visible while copying from..");
const QString kActNormal = QStringLiteral("Act Normal");
const QString kActNormalTip = QStringLiteral("Don't be in the way of other work");
} // namespace

MainWindow::MainWindow(Services services, DiaryWriter &writer, QString commandLine, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_writer(writer)
    , m_commandLine(std::move(commandLine)) {
    setObjectName(QStringLiteral("MainWindow"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildHotRow());
    buildMenuPage();
    buildPanels();
    layout->addWidget(m_panelArea, 1);
    wire();
    start();
}

QHBoxLayout *MainWindow::buildHotRow() {
    m_mainMenu = makeButton(QStringLiteral("cmdMainMenu"), QStringLiteral("Main Menu"),
                            QStringLiteral("Access to all functions"));
    m_hotJobTrack = makeButton(QStringLiteral("cmdHotJobTrack"), QStringLiteral("JobTrack"),
                               QStringLiteral("The personal time-clock"));
    m_hotNotes = makeButton(QStringLiteral("cmdHotNotes"), QStringLiteral("Notes"),
                            QStringLiteral("Stash-space"));
    m_doListButton = makeButton(QStringLiteral("cmdDoList"), QStringLiteral("ToDo list"),
                                QStringLiteral("Job plan and check-off"));
    m_statusFlag = makeButton(QStringLiteral("cmdStatusFlag"), QString(), initialStatusToolTip());
    m_statusFlag->setAccessibleName(QStringLiteral("Status flag"));
    m_stayTop = makeButton(QStringLiteral("cmdStayTop"), kStayOnTop, kStayOnTopTip);
    auto *hotRow = new QHBoxLayout;
    for (QPushButton *b :
         {m_mainMenu, m_hotJobTrack, m_hotNotes, m_doListButton, m_statusFlag, m_stayTop})
        hotRow->addWidget(b);
    m_statusFlag->setFixedWidth(m_statusFlag->sizeHint().height() * 2);
    return hotRow;
}

void MainWindow::buildMenuPage() {
    // Tool buttons, grouped as a user meets them.
    m_addEvent = makeButton(QStringLiteral("Command4"), QStringLiteral("AddEvent"), QString());
    m_readLog = makeButton(QStringLiteral("Command2"), QStringLiteral("Read log"), QString());
    m_newDiary = makeButton(QStringLiteral("Command1"), QStringLiteral("New Diary"), QString());
    m_calculator = makeButton(QStringLiteral("cmdCalculator"), QStringLiteral("Calculate"),
                              QStringLiteral("Set of Calculators"));
    m_setAlarms = makeButton(QStringLiteral("cmdSetAlarms"), QStringLiteral("Set Alarms"),
                             QStringLiteral("Check/Set Alarm clocks"));
    m_startAlarms = makeButton(QStringLiteral("cmdStartAlarms"), QStringLiteral("All Alarms"),
                               QStringLiteral("Turn on all Alarm clocks"));
    m_timeZone = makeButton(QStringLiteral("cmdTimeZone"), QStringLiteral("Time Zones"),
                            QStringLiteral("Time at contact phone"));
    m_scratchPad = makeButton(QStringLiteral("cmdShowPdox"), QStringLiteral("ScratchPad"),
                              QStringLiteral("Short notes"));
    m_toDoUtils = makeButton(QStringLiteral("cmd2DoLS"), QStringLiteral("ToDo Utils"),
                             QStringLiteral("Setup/load/save"));
    m_pixExplore = makeButton(QStringLiteral("Command17"), QStringLiteral("Pix Explore"),
                              QStringLiteral("Review picture files"));
    m_admin = makeButton(QStringLiteral("cmdAdmin"), QStringLiteral("Admin"),
                         QStringLiteral("Options/setups"));
    m_help = makeButton(QStringLiteral("Command7"), QStringLiteral("Help"), QString());

    m_menuPage = new QWidget;
    m_menuPage->setObjectName(QStringLiteral("MainMenu"));
    auto *menuLayout = new QGridLayout(m_menuPage);
    auto *userLabel = new QLabel(QStringLiteral("User"));
    m_userBox = new QLineEdit;
    m_userBox->setObjectName(QStringLiteral("txtUserId"));
    m_userBox->setAccessibleName(QStringLiteral("User"));
    m_userBox->setPlaceholderText(QStringLiteral("Type your name to begin"));
    userLabel->setBuddy(m_userBox);
    auto *timeLabel = new QLabel(QStringLiteral("Time:"));
    m_clockCal = new QLineEdit;
    m_clockCal->setObjectName(QStringLiteral("ClockCal"));
    m_clockCal->setAccessibleName(QStringLiteral("Time"));
    m_clockCal->setReadOnly(true);
    controls::keepReadOnly(m_clockCal);
    timeLabel->setBuddy(m_clockCal);
    m_alert = new QLabel(QStringLiteral(" "));
    // A message label: a screen reader reads its text ("Ping!"), so it has no name of its own.
    m_alert->setObjectName(QStringLiteral("Alert"));
    auto *diaryLabel = new QLabel(QStringLiteral("Diary"));

    menuLayout->addWidget(userLabel, 0, 0);
    menuLayout->addWidget(m_userBox, 0, 1, 1, 2);
    menuLayout->addWidget(timeLabel, 1, 0);
    menuLayout->addWidget(controls::tickingReadout(m_clockCal), 1, 1, 1, 2);
    menuLayout->addWidget(m_alert, 2, 1);
    menuLayout->addWidget(diaryLabel, 3, 0);
    const QList<QPushButton *> tools{m_addEvent,  m_readLog,     m_newDiary, m_calculator,
                                     m_setAlarms, m_startAlarms, m_timeZone, m_scratchPad,
                                     m_toDoUtils, m_pixExplore,  m_admin,    m_help};
    for (int i = 0; i < tools.size(); ++i)
        menuLayout->addWidget(tools[i], 4 + i / 3, i % 3);

    m_frame2 = controls::frame(QStringLiteral("Frame2"), QStringLiteral("Holidays"));
    m_holidayStrip = new HolidayStrip(m_services.store, m_services.clock);
    m_holidayStrip->setObjectName(QStringLiteral("HolidayStrip1"));
    (new QVBoxLayout(m_frame2))->addWidget(m_holidayStrip);
}

void MainWindow::buildPanels() {
    const Services services = m_services;
    // Panels: created once, kept for the life of the window, only shown and hidden.
    m_panelArea = new QWidget;
    auto *panelLayout = new QVBoxLayout(m_panelArea);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(m_menuPage);
    panelLayout->addWidget(m_frame2);
    m_eventAdd = new EventAdd(services, m_writer);
    m_eventAdd->setObjectName(QStringLiteral("EventAdd1"));
    addPanel(m_eventAdd);
    m_doList = new DoList(services);
    m_doList->setObjectName(QStringLiteral("DoList1"));
    addPanel(m_doList);
    m_jobTracker = new DedUzedova(services);
    m_jobTracker->setObjectName(QStringLiteral("DedUzedova1"));
    addPanel(m_jobTracker);
    m_alarmBank = new TimeLert(services);
    m_alarmBank->setObjectName(QStringLiteral("TimeLert1"));
    addPanel(m_alarmBank);
    m_readLogPanel = new ReadLog(services);
    m_readLogPanel->setObjectName(QStringLiteral("ReadLog1"));
    addPanel(m_readLogPanel);
    m_hoursChart = new HoursChart;
    m_hoursChart->setObjectName(QStringLiteral("HoursChart1"));
    addPanel(m_hoursChart);
    m_adminHat = new AdminHat(services);
    m_adminHat->setObjectName(QStringLiteral("AdminHat1"));
    addPanel(m_adminHat);
    m_keyHold = new KeyHold(services);
    m_keyHold->setObjectName(QStringLiteral("KeyHold1"));
    addPanel(m_keyHold);
    m_aboutPage = new AboutPage;
    m_aboutPage->setObjectName(QStringLiteral("AboutPage1"));
    addPanel(m_aboutPage);
    m_timeSet = new TimeSet;
    m_timeSet->setObjectName(QStringLiteral("TimeSet1"));
    addPanel(m_timeSet);
    m_doLoadSave = new DoLoadSave(services);
    m_doLoadSave->setObjectName(QStringLiteral("DoLoadSave1"));
    addPanel(m_doLoadSave);
    m_pictures = new pmPixXplore(services);
    m_pictures->setObjectName(QStringLiteral("pmPixXplore1"));
    addPanel(m_pictures);
    m_calc = new TVCalc(services);
    m_calc->setObjectName(QStringLiteral("TVCalc1"));
    addPanel(m_calc);

    m_frame4 = new NotePad(services);
    addPanel(m_frame4);
    m_scratch = new ScratchPad;
    addPanel(m_scratch);
    panelLayout->addStretch();
}

void MainWindow::wire() {
    // Hot buttons.
    connect(m_mainMenu, &QPushButton::clicked, this, &MainWindow::showMainMenu);
    connect(m_hotJobTrack, &QPushButton::clicked, this, [this] {
        m_jobTracker->setUser(user());
        showTool(m_jobTracker, kModeJobTrack);
    });
    connect(m_hotNotes, &QPushButton::clicked, this, [this] {
        m_frame4->setUser(user());
        showTool(m_frame4, kModeNotes);
    });
    connect(m_frame4, &NotePad::archiveRequest, this, &MainWindow::archiveNotes);
    connect(m_doListButton, &QPushButton::clicked, this, [this] {
        m_doList->setUser(user());
        showTool(m_doList, kModeToDo);
    });
    connect(m_statusFlag, &QPushButton::clicked, this, &MainWindow::goToRunningJob);
    connect(m_stayTop, &QPushButton::clicked, this, &MainWindow::toggleStayOnTop);

    // Tool buttons.
    connect(m_pixExplore, &QPushButton::clicked, this, [this] {
        showTool(m_pictures, kModeTool);
        m_pictures->setHost(keys::kAppDiary);
    });
    connect(m_toDoUtils, &QPushButton::clicked, this, [this] {
        m_doLoadSave->setUser(user());
        m_doLoadSave->setInit(true);
        showTool(m_doLoadSave, kModeTool);
    });
    connect(m_startAlarms, &QPushButton::clicked, this, &MainWindow::allAlarms);
    connect(m_admin, &QPushButton::clicked, this, [this] {
        m_keyHold->setUser(user());
        showTool(m_keyHold, kModePanel);
    });
    connect(m_timeZone, &QPushButton::clicked, this, [this] {
        showTool(m_timeSet, kModeTool);
        m_timeSet->setTimeZone(
            m_services.store.getDouble(keys::kAppClock, keys::kSecLocal, keys::kTZone,
                                       alarms::systemZone(m_services.clock.now())));
        m_timeSet->setTime(m_services.clock.now());
    });
    connect(m_scratchPad, &QPushButton::clicked, this, [this] { showTool(m_scratch, kModeTool); });
    connect(m_help, &QPushButton::clicked, this, [this] {
        m_aboutPage->setVerData(Version::current().full());
        showTool(m_aboutPage, kModeTool);
    });
    connect(m_setAlarms, &QPushButton::clicked, this, [this] {
        showTool(m_alarmBank, kModeTool);
        m_alarmBank->setSuperUser(m_admin->isEnabled());
        m_alarmBank->setClockRun(m_clockRun);
        m_alert->setText(QStringLiteral(" "));
    });
    connect(m_readLog, &QPushButton::clicked, this, [this] {
        m_readLogPanel->setUser(user());
        showTool(m_readLogPanel, kModePanel);
    });
    connect(m_readLogPanel, &ReadLog::menuRequest, this, &MainWindow::showMainMenu);
    connect(m_readLogPanel, &ReadLog::chartRequest, this, [this] {
        m_hoursChart->showDiary(
            m_services.store.get(keys::kAppDiary, user(), keys::kFileKey, keys::kNoDiaryPath),
            m_services.clock.now().date());
        showTool(m_hoursChart, kModePanel);
    });
    connect(m_hoursChart, &HoursChart::menuRequest, this,
            [this] { showTool(m_readLogPanel, kModePanel); });
    connect(m_addEvent, &QPushButton::clicked, this, [this] {
        m_eventAdd->setUser(user());
        m_savedMode = m_mode;
        showTool(m_eventAdd, kModePanel);
    });
    connect(m_calculator, &QPushButton::clicked, this, [this] {
        m_calc->setInitMe(true);
        showTool(m_calc, kModeTool);
    });
    connect(m_newDiary, &QPushButton::clicked, this, [this] {
        if (!newDiaryActs(user()))
            return;
        // Shown first: a panel with no user to offer sends the window straight back to the menu.
        showTool(m_adminHat, kModePanel);
        m_adminHat->setUser(user());
    });
    connect(m_adminHat, &AdminHat::menuRequest, this, [this] {
        showMainMenu();
        userChanged(); // the user's Diary may have changed
    });
    connect(m_keyHold, &KeyHold::menuRequest, this, &MainWindow::showMainMenu);

    connect(m_userBox, &QLineEdit::textChanged, this, [this] {
        if (!m_starting)
            userChanged();
    });
    // Enter in the user box switches every alarm on; the key goes no further.
    connect(m_userBox, &QLineEdit::returnPressed, this, &MainWindow::allAlarms);

    connect(m_eventAdd, &EventAdd::eventClosed, this, &MainWindow::showMainMenu);
    connect(m_eventAdd, &EventAdd::memoPosted, this, &MainWindow::memoPosted);
    connect(m_jobTracker, &DedUzedova::annotateRequest, this,
            [this] { annotateFrom(m_jobTracker); });
    connect(m_jobTracker, &DedUzedova::timingChanged, this, &MainWindow::refreshStatusFlag);
    connect(m_doList, &DoList::memoReady, this, [this] {
        m_eventAdd->setUser(user());
        m_eventAdd->setAuxId(QStringLiteral("DoList"));
        m_eventAdd->setAuxString(m_doList->memo());
        // A task record that missed the Diary is said where the user is looking.
        if (!m_eventAdd->message().isEmpty())
            m_doList->showNotice(m_eventAdd->message());
    });
    connect(m_doList, &DoList::annotateRequest, this, [this] { annotateFrom(m_doList); });
    connect(m_doList, &DoList::timingChanged, this, &MainWindow::refreshStatusFlag);
    // A calculator memo lands in the current user's Diary, and only when there is one.
    connect(m_calc, &TVCalc::memoReady, this, [this] {
        const QString path =
            m_services.store.get(keys::kAppDiary, user(), keys::kFileKey, keys::kNoDiaryPath);
        if (user().isEmpty() || !diary::diaryAvailable(path))
            return;
        m_eventAdd->setUser(user());
        m_eventAdd->setAuxId(QStringLiteral("Calc"));
        m_eventAdd->setAuxString(m_calc->memo());
    });
    connect(m_alarmBank, &TimeLert::clockTick, this, &MainWindow::clockTick);
    connect(m_alarmBank, &TimeLert::alarmPing, this,
            [this] { m_alert->setText(QStringLiteral("Ping!")); });
    // Minimised or behind other windows, the desk still asks to be looked at, and the desktop
    // says which alarm it was.
    connect(m_alarmBank, &TimeLert::alarmRang, this, [this](int alarm) {
        QApplication::alert(this);
        if (alarmNeedsNotice(isActiveWindow())) {
            const AlarmNotice notice = alarmNotice(alarm, m_alarmBank->bank().alarm(alarm));
            m_services.notifier.notify(notice.summary, notice.body);
        }
    });
    connect(m_alarmBank, &TimeLert::alarmsReset, m_holidayStrip, &HolidayStrip::setDisplay);
}

void MainWindow::start() {
    // Start-up, in order.
    m_adminName = m_services.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold,
                                       keys::kDefaultAdminName);
    setWindowTitle(Version::current().windowCaption());
    m_eventAdd->setHostVer(Version::current().hostTag());
    m_holidayStrip->setHost(keys::kAppDiary);
    m_holidayStrip->setUser(keys::kSecAdmin);
    m_holidayStrip->setSelf(keys::kHolidays);
    showMainMenu();
    m_alarmBank->setClockRun(m_clockRun);
    m_addEvent->setEnabled(false);
    m_readLog->setEnabled(false);
    m_toDoUtils->setEnabled(false);
    m_scratchPad->setEnabled(true);
    m_scratchPad->setText(QStringLiteral("ScratchPad"));
}

QString MainWindow::user() const {
    return m_userBox->text();
}

QPushButton *MainWindow::makeButton(const QString &name, const QString &caption,
                                    const QString &tip) {
    return controls::button(name, caption, tip);
}

QWidget *MainWindow::addPanel(QWidget *panel) {
    m_panelArea->layout()->addWidget(panel);
    m_panels.push_back(panel);
    panel->hide();
    return panel;
}

bool MainWindow::event(QEvent *event) {
    // The start-up line applies at the first activation or as soon as the event loop runs
    // after the window is shown, whichever is first: without a window manager, or on another
    // workspace, the window may not be activated until the user clicks it.
    const QEvent::Type type = event->type();
    if ((type == QEvent::WindowActivate || type == QEvent::Show) && m_starting)
        QTimer::singleShot(0, this, &MainWindow::handleFirstActivation);
    if (type == QEvent::Show)
        QTimer::singleShot(0, this, &MainWindow::clockTick); // read-outs left alone while hidden
    return QWidget::event(event);
}

void MainWindow::handleFirstActivation() {
    if (!m_starting)
        return;
    for (const StartOption &option : scanCommandLine(m_commandLine)) {
        if (option.letter == u'U')
            m_userBox->setText(option.value);
        else if (option.letter == u'A')
            allAlarms();
    }
    m_starting = false;
    userChanged();
}

void MainWindow::hideAll() {
    for (QWidget *panel : m_panels)
        panel->hide();
    m_menuPage->hide();
    m_frame2->hide();
    m_alarmBank->setUser(keys::kAlarmBankUser);
    m_holidayStrip->setDisplay();
    m_mode = modeForTool(m_diaryAvailable);
    refresh();
    m_adminName = m_services.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold,
                                       keys::kDefaultAdminName);
    m_locked = m_services.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kLocked, keys::kNo);
    refreshNewDiary();
    refreshAdmin();
}

void MainWindow::showMainMenu() {
    hideAll();
    m_menuPage->show();
    m_frame2->show();
    m_mode = kModeMenu;
    refresh();
    clockTick();
}

void MainWindow::showTool(QWidget *panel, int mode) {
    hideAll();
    panel->show();
    m_mode = mode;
    refresh();
    panel->setFocus();
    if (QWidget *first = panel->nextInFocusChain(); first && panel->isAncestorOf(first))
        first->setFocus();
}

void MainWindow::refresh() {
    // The Diary check: the buttons that need a Diary wait for one.
    m_noDiary = true;
    for (QPushButton *b : {m_addEvent, m_pixExplore, m_readLog, m_toDoUtils})
        b->setEnabled(false);
    if (!user().isEmpty()) {
        const QString path =
            m_services.store.get(keys::kAppDiary, user(), keys::kFileKey, keys::kNoDiaryPath);
        if (diary::diaryAvailable(path)) {
            m_noDiary = false;
            for (QPushButton *b : {m_addEvent, m_pixExplore, m_readLog, m_toDoUtils, m_scratchPad})
                b->setEnabled(true);
        }
    }
    m_mode = modeAfterDiaryCheck(m_mode, !m_noDiary);

    const HotButtons hot = hotButtonsFor(m_mode);
    m_hotJobTrack->setEnabled(hot.jobTrack);
    m_hotNotes->setEnabled(hot.notes);
    m_mainMenu->setEnabled(hot.mainMenu);
    m_doListButton->setEnabled(hot.toDo);
    m_statusFlag->setEnabled(hot.statusFlag);
    refreshStatusFlag();
}

void MainWindow::refreshStatusFlag() {
    const QString chain = m_services.store.get(keys::kAppDiary, user(), keys::kStack, QString());
    const QString job =
        chain.isEmpty()
            ? QString()
            : m_services.store.get(keys::kAppDiary, running_stack::top(chain), keys::kJob);
    const StatusFlag flag = statusFlag(user(), chain, job);
    m_statusFlag->setText(flag.caption);
    m_statusFlag->setToolTip(flag.toolTip);
}

void MainWindow::refreshAdmin() {
    m_admin->setText(QStringLiteral("Admin"));
    m_admin->setEnabled(adminAvailable(user(), m_adminName));
}

void MainWindow::refreshNewDiary() {
    m_newDiary->setEnabled(newDiaryAvailable(m_locked, user(), m_adminName));
}

void MainWindow::userChanged() {
    refreshAdmin();
    m_mode = kModeMenu;
    refresh();
    m_diaryAvailable = !m_noDiary;
    m_locked = m_services.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kLocked, keys::kNo);
    refreshNewDiary();
}

void MainWindow::goToRunningJob() {
    const QString chain = m_services.store.get(keys::kAppDiary, user(), keys::kStack, QString());
    switch (runningTarget(user(), chain)) {
    case RunningTarget::None:
        return;
    case RunningTarget::JobClock:
        m_jobTracker->setUser(user());
        showTool(m_jobTracker, kModeJobTrack);
        return;
    case RunningTarget::ToDoTask:
        m_doList->setUser(user());
        showTool(m_doList, kModeToDo);
        m_doList->showHot();
        return;
    }
}

void MainWindow::allAlarms() {
    const AllAlarmsOutcome outcome = switchOnAllAlarms(m_services.store);
    m_alarmBank->show();
    m_alarmBank->setClockRun(true);
    m_alert->setText(outcome.error.isEmpty() ? QStringLiteral(" ")
                                             : SettingsStore::notSavedMessage(outcome.error));
    showMainMenu();
    if (!outcome.sound.isEmpty())
        m_services.sound.play(outcome.sound);
}

void MainWindow::toggleStayOnTop() {
    const bool toTop = m_stayTop->text() == kStayOnTop;
    setWindowFlag(Qt::WindowStaysOnTopHint, toTop);
    show(); // a window shows again after its flags change
    m_stayTop->setText(toTop ? kActNormal : kStayOnTop);
    m_stayTop->setToolTip(toTop ? kActNormalTip : kStayOnTopTip);
    m_stayTop->setAccessibleName(m_stayTop->text());
}

void MainWindow::memoPosted() {
    m_jobTracker->setUser(user());
    m_doList->setUser(user());
    m_eventAdd->hide();
    if (m_savedMode == kModeJobTrack)
        showTool(m_jobTracker, kModeJobTrack);
    else if (m_savedMode == kModeToDo)
        showTool(m_doList, kModeToDo);
    else
        showMainMenu();
    m_mode = m_savedMode;
    refresh();
}

void MainWindow::archiveNotes() {
    m_eventAdd->setUser(user());
    QString refusal;
    for (const ArchivedNote &note : notesToArchive(user(), m_frame4->texts())) {
        m_eventAdd->setAuxId(note.tag);
        m_eventAdd->setAuxString(note.text);
        // The Diary's refusal is said on the pad; later sheets would meet the same refusal.
        refusal = m_eventAdd->message();
        if (!refusal.isEmpty())
            break;
    }
    m_frame4->showNotice(refusal);
}

void MainWindow::annotateFrom(QWidget *panel) {
    m_eventAdd->setUser(user());
    m_eventAdd->show();
    m_eventAdd->setFocus();
    panel->hide();
    m_savedMode = m_mode;
    m_mode = kModePanel;
    refresh();
}

void MainWindow::clockTick() {
    // Hidden read-outs are left alone; each is brought up to date when it is shown.
    const QDateTime now = m_services.clock.now();
    if (m_menuPage->isVisible()) {
        const QString reading = text::diaryTime(now.time()) + u' ' + text::diaryDate(now.date());
        if (reading != m_clockCal->text())
            controls::showText(m_clockCal, reading);
    }
    if (m_timeSet->isVisible())
        m_timeSet->setTime(now);
}

} // namespace vidorev
