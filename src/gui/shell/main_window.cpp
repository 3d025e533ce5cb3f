#include "shell/main_window.h"

#include "alarms/alarm_bank_panel.h"
#include "alarms/all_alarms.h"
#include "alarms/holiday_strip.h"
#include "alarms/ping_flag.h"
#include "clocks/away_frame.h"
#include "clocks/away_watcher.h"
#include "clocks/running_stack.h"
#include "diary/diary_file.h"
#include "diary/diary_writer.h"
#include "platform/settings_keys.h"
#include "platform/text_forms.h"
#include "platform/version.h"
#include "shell/page_keys.h"
#include "shell/tray_icon.h"
#include "shell/window_rules.h"
#include "widgets/controls.h"

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
    m_away = new AwayFrame(m_services, new AwayWatcher);
    layout->addWidget(m_away);
    buildMenuPage();
    // The menu and the holiday strip, then each page as it is first built.
    auto *panelArea = new QWidget;
    auto *panelLayout = new QVBoxLayout(panelArea);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(m_menuPage);
    panelLayout->addWidget(m_frame2);
    panelLayout->addStretch();
    layout->addWidget(panelArea, 1);
    m_pages = std::make_unique<PageRoutes>(*this, m_services, m_writer, panelLayout);
    connect(m_away, &AwayFrame::timingChanged, m_pages.get(), &PageRoutes::reloadClockPages);
    m_tray = new TrayIcon(m_services, *this);
    connect(m_tray, &TrayIcon::clocksChanged, m_pages.get(), &PageRoutes::reloadClockPages);
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
    m_ping = new PingFlag;
    auto *hotRow = new QHBoxLayout;
    for (QPushButton *b : {m_mainMenu, m_hotJobTrack, m_hotNotes, m_doListButton, m_statusFlag,
                           static_cast<QPushButton *>(m_ping), m_stayTop})
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
    m_ping->setAlert(m_alert);
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

void MainWindow::wire() {
    m_pages->connectButtons();
    new PageKeys(this, m_mainMenu);
    connect(m_mainMenu, &QPushButton::clicked, this, &MainWindow::showMainMenu);
    connect(m_stayTop, &QPushButton::clicked, this, &MainWindow::toggleStayOnTop);
    connect(m_startAlarms, &QPushButton::clicked, this, &MainWindow::allAlarms);
    connect(m_userBox, &QLineEdit::textChanged, this, [this] {
        if (!m_starting)
            userChanged();
    });
    // Enter in the user box switches every alarm on; the key goes no further.
    connect(m_userBox, &QLineEdit::returnPressed, this, &MainWindow::allAlarms);
}

void MainWindow::start() {
    // Start-up, in order.
    m_adminName = m_services.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold,
                                       keys::kDefaultAdminName);
    setWindowTitle(Version::current().windowCaption());
    m_writer.setHostVersionTag(Version::current().hostTag());
    m_holidayStrip->setHost(keys::kAppDiary);
    m_holidayStrip->setUser(keys::kSecAdmin);
    m_holidayStrip->setSelf(keys::kHolidays);
    showMainMenu();
    m_pages->alarmBank().setClockRun(m_clockRun);
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
    applyStartLine(m_commandLine);
    m_starting = false;
    userChanged();
}

void MainWindow::takeStartLine(const QString &line) {
    handleFirstActivation(); // this window's own line first, when it has not run yet
    // A line applies where a start applies it, on the main menu beside the user box.
    if (!scanCommandLine(line).empty())
        showMainMenu();
    applyStartLine(line);
    userChanged();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MainWindow::applyStartLine(const QString &line) {
    for (const StartOption &option : scanCommandLine(line)) {
        if (option.letter == u'U')
            m_userBox->setText(option.value);
        else if (option.letter == u'A')
            allAlarms();
    }
}

void MainWindow::hideAll() {
    m_pages->hideAll();
    m_menuPage->hide();
    m_frame2->hide();
    m_pages->alarmBank().setUser(keys::kAlarmBankUser);
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
    fitToPage();
}

void MainWindow::showTool(QWidget *page, int mode) {
    hideAll();
    page->show();
    m_mode = mode;
    refresh();
    page->setFocus();
    if (QWidget *first = page->nextInFocusChain(); first && page->isAncestorOf(first))
        first->setFocus();
    fitToPage();
}

void MainWindow::fitToPage() {
    const auto fit = [this] {
        if (isMaximized() || isFullScreen())
            return;
        // A page changed while hidden lays itself out later: what it shows is measured now.
        for (QWidget *w : findChildren<QWidget *>())
            if (w->isVisible())
                w->updateGeometry();
        layout()->activate();
        adjustSize();
    };
    fit();
    // What the page is given once it shows (a folder, a user) may change its size again; a
    // size the user has given the window since is kept.
    QTimer::singleShot(0, this, [this, fit, fitted = size()] {
        if (size() == fitted)
            fit();
    });
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
    m_tray->setUser(user());
}

void MainWindow::refreshAdmin() {
    m_admin->setText(QStringLiteral("Admin"));
    m_admin->setEnabled(adminAvailable(user(), m_adminName));
}

void MainWindow::refreshNewDiary() {
    m_newDiary->setEnabled(newDiaryAvailable(m_locked, user(), m_adminName));
}

void MainWindow::userChanged() {
    m_away->setUser(user());
    refreshAdmin();
    m_mode = kModeMenu;
    refresh();
    m_diaryAvailable = !m_noDiary;
    m_locked = m_services.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kLocked, keys::kNo);
    refreshNewDiary();
}

void MainWindow::allAlarms() {
    const AllAlarmsOutcome outcome = switchOnAllAlarms(m_services.store);
    m_pages->alarmBank().show();
    m_pages->alarmBank().setClockRun(true);
    m_ping->acknowledge();
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

void MainWindow::clockTick() {
    // Hidden read-outs are left alone; each is brought up to date when it is shown.
    const QDateTime now = m_services.clock.now();
    if (m_menuPage->isVisible()) {
        const QString reading = text::diaryTime(now.time()) + u' ' + text::diaryDate(now.date());
        if (reading != m_clockCal->text())
            controls::showText(m_clockCal, reading);
    }
    m_pages->clockTick(now);
}

} // namespace vidorev
