#include "admin/options_panel.h"

#include "admin/admin_rules.h"
#include "admin/billing_frame.h"
#include "admin/holiday_frame.h"
#include "admin/merge_frame.h"
#include "admin/panic_wipe.h"
#include "admin/sound_list_frame.h"
#include "calc_special/percent_box.h"
#include "diary_log/data_mining_panel.h"
#include "diary_log/log_merge_panel.h"
#include "platform/settings_keys.h"
#include "todo/linked_set_navigator.h"
#include "todo/user_list_editor.h"
#include "widgets/background_run.h"
#include "widgets/controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidorev {

namespace {
const QString kHiddenUser = QStringLiteral("******");

const QString kHelpText = QStringLiteral(
    "The administrator is the user whose name is in \"Admin name\"; only that user sees the "
    "Admin button. \"File menu restricted.\" lets only the administrator choose Diary files in "
    "\"New Diary\". The tax rate and the time zone are the desk's defaults for the tax "
    "calculator and the time-zone board. \"OK\" keeps these four values; the company name is "
    "kept as it is typed.\n\n"
    "\"User list admin\" walks the desk's users; \"Remove User\" deletes every setting of the "
    "user on show. \"Company Holidays\" edits the days the holiday strip and the alarms treat as "
    "closed. The sound button sets the alarm sounds. The billing button writes job reports from "
    "a user's Diary; \"Join logs of two sites\" merges two Diaries into a new file.\n\n"
    "\"PANIC !\" removes every Vidorev setting after writing a copy of them beside the settings "
    "store; \"vidorev settings import\" with that file puts them back.");

const QString kPanicTitle = QStringLiteral("REMOVE EVERY Vidorev SETTING FROM THE REGISTRY");
const QString kPanicText =
    QStringLiteral("When things get hopelesly crossed up...  When files are moved or Users can't "
                   "open the New Diary menu...  When removing one or two Users, so they can "
                   "start over, does not clear out the dross-links...");

QLabel *wrapped(const QString &text) {
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

QLabel *messageLine() {
    auto *label = new QLabel;
    label->setObjectName(QStringLiteral("lblMessage"));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #a00000"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->hide();
    return label;
}
} // namespace

OptionsPanel::OptionsPanel(Services services, QWidget *parent)
    : QWidget(parent)
    , m_services(services) {
    m_frame1 = buildMainFrame();
    m_sounds = new SoundListFrame(services);
    m_frame3 = buildHelpFrame();
    m_billing = new BillingFrame(services);
    m_merge = new MergeFrame(services);
    m_holidays = new HolidayFrame(services);
    m_panicFrame = buildPanicFrame();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *page : std::initializer_list<QWidget *>{m_frame1, m_sounds, m_frame3, m_billing,
                                                          m_merge, m_holidays, m_panicFrame}) {
        layout->addWidget(page);
        m_pages.push_back(page);
    }
    layout->addStretch();
    showOnly(m_frame1);

    const auto backToMain = [this] { showOnly(m_frame1); };
    connect(m_sounds, &SoundListFrame::done, this, backToMain);
    connect(m_billing, &BillingFrame::done, this, backToMain);
    connect(m_merge, &MergeFrame::done, this, backToMain);
    connect(m_holidays, &HolidayFrame::done, this, backToMain);

    m_dataMiningPanel = new DataMiningPanel(services);
    addPage(m_dataMiningPanel);
    connect(m_billing, &BillingFrame::dataMinerRequest, this, [this](const QString &user) {
        m_dataMiningPanel->setUser(user);
        showOnly(m_dataMiningPanel);
    });
    connect(m_dataMiningPanel, &DataMiningPanel::menuRequest, this,
            [this] { showOnly(m_billing); });

    auto *logMergePanel = new LogMergePanel(services);
    logMergePanel->setObjectName(QStringLiteral("JoinLog1"));
    m_merge->embedMergePanel(
        logMergePanel, [logMergePanel] { return logMergePanel->path(); },
        [logMergePanel](const QString &path) { logMergePanel->setPath(path); });
}

QGroupBox *OptionsPanel::buildMainFrame() {
    QGroupBox *frame =
        controls::frame(QStringLiteral("Frame1"), QStringLiteral("Main Administrator's screen"));
    auto *grid = new QGridLayout;
    int row = 0;
    const auto labelled = [&grid, &row](const QString &text, QWidget *w, QWidget *buddy) {
        auto *label = new QLabel(text);
        label->setBuddy(buddy);
        grid->addWidget(label, row, 0);
        grid->addWidget(w, row, 1);
        ++row;
    };

    m_adminName = new QLineEdit;
    m_adminName->setObjectName(QStringLiteral("Text1"));
    m_adminName->setAccessibleName(QStringLiteral("Admin name"));
    labelled(QStringLiteral("Admin name"), m_adminName, m_adminName);

    m_locked = new QCheckBox(QStringLiteral("File menu restricted."));
    m_locked->setObjectName(QStringLiteral("Check1"));
    grid->addWidget(m_locked, row++, 1);

    m_taxRate = new PercentBox;
    m_taxRate->setObjectName(QStringLiteral("Text3"));
    m_taxRate->box()->setAccessibleName(QStringLiteral("Default Sales tax"));
    m_taxRate->box()->setAccessibleDescription(QStringLiteral("For the tax calculation"));
    auto *taxRow = new QHBoxLayout;
    taxRow->addWidget(m_taxRate);
    taxRow->addWidget(new QLabel(QStringLiteral("For the tax calculation")), 1);
    auto *taxCell = new QWidget;
    taxCell->setLayout(taxRow);
    taxRow->setContentsMargins(0, 0, 0, 0);
    labelled(QStringLiteral("Default Sales tax"), taxCell, m_taxRate->box());

    m_timeZone = new QLineEdit;
    m_timeZone->setObjectName(QStringLiteral("Text4"));
    m_timeZone->setAccessibleName(QStringLiteral("Time Zone"));
    const QString zoneNote =
        QStringLiteral("8 is California. Used to select \"close\" time zones.");
    m_timeZone->setAccessibleDescription(zoneNote);
    m_timeZone->setMaximumWidth(m_timeZone->fontMetrics().horizontalAdvance(u'0') * 8);
    auto *zoneRow = new QHBoxLayout;
    zoneRow->setContentsMargins(0, 0, 0, 0);
    zoneRow->addWidget(m_timeZone);
    zoneRow->addWidget(new QLabel(zoneNote), 1);
    auto *zoneCell = new QWidget;
    zoneCell->setLayout(zoneRow);
    labelled(QStringLiteral("Time Zone"), zoneCell, m_timeZone);

    m_company = new QLineEdit;
    m_company->setObjectName(QStringLiteral("txtCompanyName"));
    m_company->setToolTip(QStringLiteral("Document title text"));
    m_company->setAccessibleName(QStringLiteral("Company Name for Documents:"));
    labelled(QStringLiteral("Company Name for Documents:"), m_company, m_company);

    m_userList = new UserListEditor(m_services);
    m_userList->setObjectName(QStringLiteral("UserList"));
    const QString userLabelText = QStringLiteral("User list admin");
    if (auto *nameBox = m_userList->findChild<QLineEdit *>(QStringLiteral("Text1")))
        nameBox->setAccessibleName(userLabelText);
    labelled(userLabelText, m_userList, m_userList);
    grid->setColumnStretch(1, 1);

    QPushButton *ok = controls::button(QStringLiteral("Command1"), QStringLiteral("OK"));
    QPushButton *cancel = controls::button(QStringLiteral("Command6"), QStringLiteral("Cancel"));
    controls::leaveOnEscape(cancel);
    QPushButton *help = controls::button(QStringLiteral("Command7"), QStringLiteral("Help"));
    QPushButton *holidays =
        controls::button(QStringLiteral("cmdHolidays"), QStringLiteral("Company Holidays"));
    QPushButton *panic = controls::button(QStringLiteral("cmdPanic"), QStringLiteral("PANIC !"),
                                          QStringLiteral("Opens Disaster Recovery menu"));
    QPushButton *joinLogs =
        controls::button(QStringLiteral("cmdJoinLogs"), QStringLiteral("Join logs of two sites"));
    QPushButton *billing = controls::button(
        QStringLiteral("Command9"), QStringLiteral("Billing data extraction By user and Job-code"));
    QPushButton *sounds =
        controls::button(QStringLiteral("Command3"), QStringLiteral("Alarm Sounds"),
                         QStringLiteral("Sound File used by the alarm clock"));

    m_message = messageLine();
    auto *tools = new QGridLayout;
    tools->addWidget(holidays, 0, 0);
    tools->addWidget(sounds, 0, 1);
    tools->addWidget(joinLogs, 0, 2);
    tools->addWidget(billing, 1, 0, 1, 2);
    tools->addWidget(panic, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(frame);
    layout->addLayout(grid);
    layout->addLayout(tools);
    layout->addWidget(m_message);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &OptionsPanel::ok);
    connect(cancel, &QPushButton::clicked, this, &OptionsPanel::menuRequest);
    connect(help, &QPushButton::clicked, this, [this] { showOnly(m_frame3); });
    connect(holidays, &QPushButton::clicked, this, [this] { showOnly(m_holidays); });
    connect(joinLogs, &QPushButton::clicked, this, [this] {
        showOnly(m_merge);
        m_merge->load();
    });
    connect(billing, &QPushButton::clicked, this, [this] { showOnly(m_billing); });
    connect(sounds, &QPushButton::clicked, this, [this] {
        m_sounds->showWaveFiles();
        showOnly(m_sounds);
    });
    connect(panic, &QPushButton::clicked, this, [this] {
        // While a wipe runs its frame only shows how far it got.
        if (!panicRunning()) {
            m_doIt->setEnabled(true);
            m_panicMessage->hide();
        }
        showOnly(m_panicFrame);
    });
    connect(m_userList, &UserListEditor::userRemoved, this, [this] { say({}); });
    connect(m_userList, &UserListEditor::nothingRemoved, this, [this] {
        say(QStringLiteral("No user is on show in \"User list admin\": nothing was removed."));
    });
    // The company name is kept as it is typed.
    connect(m_company, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (m_loading)
            return;
        say(m_services.store.save(keys::kAppDiary, keys::kSecAdmin, keys::kTittleName, text)
                ? QString()
                : SettingsStore::notSavedMessage(m_services.store.lastError()));
    });
    return frame;
}

QGroupBox *OptionsPanel::buildHelpFrame() {
    QGroupBox *frame =
        controls::frame(QStringLiteral("Frame3"), QStringLiteral("Help on Vidorev Administration"));
    QPushButton *back = controls::button(QStringLiteral("Command8"), QStringLiteral("OK"));
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(wrapped(kHelpText));
    layout->addWidget(back, 0, Qt::AlignRight);
    connect(back, &QPushButton::clicked, this, [this] { showOnly(m_frame1); });
    return frame;
}

QGroupBox *OptionsPanel::buildPanicFrame() {
    QGroupBox *frame =
        controls::frame(QStringLiteral("fraPanic"), QStringLiteral("Disaster Recovery tool"));
    auto *title = wrapped(kPanicTitle);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    m_doIt = controls::button(QStringLiteral("cmdDeleteUsers"), QStringLiteral("Do It !"));
    m_cancelPanic = controls::button(QStringLiteral("cmdCancelPanic"), QStringLiteral("Cancel"));
    controls::leaveOnEscape(m_cancelPanic);
    m_panicMessage = messageLine();
    m_panicMessage->setObjectName(QStringLiteral("lblBackup"));
    m_panicProgress = new QProgressBar;
    m_panicProgress->setObjectName(QStringLiteral("prgBackup"));
    m_panicProgress->setAccessibleName(QStringLiteral("Backup progress"));
    m_panicProgress->setFormat(QStringLiteral("Backing up: %v of %m settings"));
    m_panicProgress->hide();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_doIt);
    buttons->addWidget(m_cancelPanic);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(title);
    layout->addWidget(wrapped(kPanicText));
    layout->addWidget(m_panicProgress);
    layout->addWidget(m_panicMessage);
    layout->addLayout(buttons);

    m_panicRun = new widgets::BackgroundRun(this);
    connect(m_panicRun, &widgets::BackgroundRun::progress, this, [this](qint64 done, qint64 total) {
        // The bar counts in int; a store of billions of values is shown in thousands.
        const int scale = total > 1000000000 ? 1000 : 1;
        m_panicProgress->setRange(0, int(total / scale));
        m_panicProgress->setValue(int(done / scale));
    });
    connect(m_panicRun, &widgets::BackgroundRun::finished, this, &OptionsPanel::panicEnded);
    connect(m_doIt, &QPushButton::clicked, this, &OptionsPanel::panic);
    connect(m_cancelPanic, &QPushButton::clicked, this, [this] {
        // After a wipe the first frame shows what is left.
        if (m_wiped)
            setUser(m_user);
        showOnly(m_frame1);
    });
    return frame;
}

QString OptionsPanel::user() const {
    return kHiddenUser;
}

void OptionsPanel::setUser(const QString &user) {
    m_user = user;
    m_wiped = false;
    m_loading = true;
    m_userList->setHostIdent(keys::kAppDiary);
    m_userList->setFunctionSet(user);
    m_billing->setUser(user);
    const admin::AdminOptions options =
        admin::loadOptions(m_services.store, m_services.clock.now());
    m_adminName->setText(options.adminName);
    m_holidays->setList(m_services.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kHolidays,
                                             keys::kEmptyHolidays));
    m_taxRate->setText(options.taxPct);
    m_timeZone->setText(options.timeZone);
    m_sounds->load(m_services.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kPingDT1,
                                        QStringLiteral(" ")));
    m_company->setText(m_services.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kTittleName));
    m_locked->setChecked(options.locked);
    m_loading = false;
    say({});
    showOnly(panicRunning() ? static_cast<QWidget *>(m_panicFrame) : m_frame1);
}

void OptionsPanel::addPage(QWidget *page) {
    static_cast<QVBoxLayout *>(layout())->insertWidget(int(m_pages.size()), page);
    m_pages.push_back(page);
    page->hide();
}

void OptionsPanel::showOnly(QWidget *page) {
    for (QWidget *p : m_pages)
        p->setVisible(p == page);
}

QString OptionsPanel::message() const {
    return m_message->text();
}

QString OptionsPanel::panicMessage() const {
    return m_panicMessage->text();
}

bool OptionsPanel::panicRunning() const {
    return m_panicRun->isRunning();
}

void OptionsPanel::say(const QString &text) {
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

void OptionsPanel::ok() {
    // What is not a value is refused here, with the panel kept open, rather than kept as 0.
    const admin::OptionsEntry entry = admin::readOptions(
        m_adminName->text(), m_taxRate->box()->text(), m_timeZone->text(), m_locked->isChecked());
    if (!entry.problem.isEmpty()) {
        say(entry.problem);
        return;
    }
    if (!admin::saveOptions(m_services.store, entry.options)) {
        say(SettingsStore::notSavedMessage(m_services.store.lastError()));
        return;
    }
    emit menuRequest();
}

void OptionsPanel::panic() {
    if (panicRunning())
        return;
    // The backup of a large store takes a while: it runs on a thread of its own, with a store
    // connection of its own, while the window goes on. Leaving the frame could race the wipe.
    m_doIt->setEnabled(false);
    m_cancelPanic->setEnabled(false);
    m_panicMessage->hide();
    m_panicProgress->setRange(0, 0);
    m_panicProgress->show();
    const QString storePath = m_services.store.path();
    const QString adminName = m_adminName->text();
    const bool locked = m_locked->isChecked();
    const QDateTime now = m_services.clock.now();
    auto outcome = std::make_shared<admin::PanicOutcome>();
    m_panicOutcome = outcome;
    m_panicRun->start([=](const widgets::BackgroundRun::Progress &progress) {
        try {
            const auto store = SettingsStore::open(storePath);
            *outcome = admin::panicWipe(*store, adminName, locked, now, progress);
        } catch (const StoreError &e) {
            outcome->error = QString::fromStdString(e.what());
        }
        return outcome->error;
    });
}

void OptionsPanel::panicEnded() {
    const admin::PanicOutcome outcome = *m_panicOutcome;
    m_panicProgress->hide();
    m_cancelPanic->setEnabled(true);
    // The frame stays, so the backup's name can be read and noted before going on.
    if (outcome.wiped) {
        m_wiped = true;
        m_panicMessage->setText(
            QStringLiteral("Every setting was removed. A copy of them is in %1; "
                           "\"vidorev settings import\" with that file puts them back.")
                .arg(outcome.backupPath));
    } else {
        m_doIt->setEnabled(true);
        m_panicMessage->setText(
            QStringLiteral("Nothing was removed: %1").arg(outcome.error) +
            (outcome.backupPath.isEmpty()
                 ? QString()
                 : QStringLiteral(" (the backup %1 is kept)").arg(outcome.backupPath)));
    }
    m_panicMessage->show();
}

} // namespace vidorev
