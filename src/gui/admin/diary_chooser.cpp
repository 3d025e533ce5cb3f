#include "admin/diary_chooser.h"

#include "admin/admin_rules.h"
#include "admin/diary_create.h"
#include "platform/file_output.h"
#include "platform/settings_keys.h"
#include "shell/window_rules.h"
#include "todo/linked_set_navigator.h"
#include "widgets/controls.h"
#include "widgets/file_picker.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace vidorev {

namespace {
const QString kHelpText = QStringLiteral(
    "Each user needs a Log or Diary file, a text file to recieve events.  JobTrack jobs starting "
    "and ending are events, so are memos added with the \"Add Event\" button.  Browse by Drive, "
    "Folder and file to select your logfile.");

// A Diary found at path: an existing file with a name of three characters or more.
bool diaryFileAt(const QString &path) {
    const QFileInfo info(path);
    return info.isFile() && info.fileName().size() >= 3;
}
} // namespace

DiaryChooser::DiaryChooser(Services services, QWidget *parent)
    : QWidget(parent)
    , m_services(services) {
    m_frame1 =
        controls::frame(QStringLiteral("Frame1"), QStringLiteral("User File Administration"), this);
    m_users = new LinkedSetNavigator(services);
    m_users->setObjectName(QStringLiteral("ListSpider1"));
    m_userLabel = new QLabel(QStringLiteral("User"));
    m_userLabel->setObjectName(QStringLiteral("Label2"));
    if (auto *nameBox = m_users->findChild<QLineEdit *>(QStringLiteral("Text1"))) {
        nameBox->setAccessibleName(m_userLabel->text());
        m_userLabel->setBuddy(nameBox);
    }
    m_picker = new FilePicker;
    m_picker->setObjectName(QStringLiteral("FileHooker1"));
    auto *fileLabel = new QLabel(QStringLiteral("User's Diary/Log File Name"));
    fileLabel->setObjectName(QStringLiteral("Label1"));
    m_fileName = new QLineEdit;
    m_fileName->setObjectName(QStringLiteral("Text1"));
    m_fileName->setAccessibleName(fileLabel->text());
    fileLabel->setBuddy(m_fileName);
    controls::keepReadOnly(m_fileName);

    m_ok = controls::button(QStringLiteral("Command1"), QStringLiteral("OK"));
    m_cancel = controls::button(QStringLiteral("Command2"), QStringLiteral("Cancel"));
    controls::leaveOnEscape(m_cancel);
    m_makeNew = controls::button(QStringLiteral("Command3"), QStringLiteral("Make New File"));
    m_fileOk = controls::button(QStringLiteral("Command5"), QStringLiteral("File OK"));
    m_help = controls::button(QStringLiteral("Command6"), QStringLiteral("Help"));

    m_message = new QLabel;
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setWordWrap(true);
    m_message->setStyleSheet(QStringLiteral("color: #a00000"));
    m_message->hide();

    auto *userRow = new QHBoxLayout;
    userRow->addWidget(m_userLabel);
    userRow->addWidget(m_users, 1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_ok, m_cancel, m_fileOk, m_makeNew, m_help})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *grid = new QVBoxLayout(m_frame1);
    grid->addLayout(userRow);
    grid->addWidget(m_picker, 1);
    grid->addWidget(fileLabel);
    grid->addWidget(m_fileName);
    grid->addWidget(m_message);
    grid->addLayout(buttons);

    m_frame2 = controls::frame(QStringLiteral("Frame2"),
                               QStringLiteral("Help for User File Administration"), this);
    auto *helpText = new QLabel(kHelpText);
    helpText->setObjectName(QStringLiteral("Label3"));
    helpText->setWordWrap(true);
    m_helpOk = controls::button(QStringLiteral("Command7"), QStringLiteral("OK"));
    auto *helpLayout = new QVBoxLayout(m_frame2);
    helpLayout->addWidget(helpText);
    helpLayout->addWidget(m_helpOk, 0, Qt::AlignRight);
    m_frame2->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_frame1, 1);
    layout->addWidget(m_frame2);
    layout->addStretch();

    connect(m_picker, &FilePicker::fileChosen, this, [this] {
        m_path = m_picker->path();
        controls::showText(m_fileName, m_path);
        say({});
    });
    connect(m_users, &LinkedSetNavigator::elementChanged, this,
            [this] { showDiaryOf(keys::kNoDiaryPath); });
    connect(m_ok, &QPushButton::clicked, this, &DiaryChooser::ok);
    connect(m_cancel, &QPushButton::clicked, this, &DiaryChooser::menuRequest);
    connect(m_fileOk, &QPushButton::clicked, this, &DiaryChooser::fileOk);
    connect(m_makeNew, &QPushButton::clicked, this, &DiaryChooser::makeNewFile);
    connect(m_help, &QPushButton::clicked, this, [this] { showHelp(true); });
    connect(m_helpOk, &QPushButton::clicked, this, [this] { showHelp(false); });
}

void DiaryChooser::setUser(const QString &user) {
    m_user = user;
    m_adminName =
        m_services.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold, keys::kNoAdminName);
    m_users->setHostIdent(keys::kAppDiary);
    m_users->setElement(user);
    showHelp(false);
    m_locked = m_services.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kLocked, keys::kNo);

    const bool admin = administrator();
    const bool own = !admin && admin::makesOwnDiary(m_user, m_adminName);
    for (QWidget *w : {static_cast<QWidget *>(m_users), static_cast<QWidget *>(m_userLabel)})
        w->setVisible(admin);
    for (QWidget *w : {static_cast<QWidget *>(m_makeNew), static_cast<QWidget *>(m_fileOk)})
        w->setVisible(admin || own);
    m_fileName->setReadOnly(!admin && !own);
    say({});

    if (selectedUser().isEmpty()) {
        emit menuRequest();
        return;
    }
    showDiaryOf(QString());
    // A newcomer on a desk without an administrator is offered a Diary of their own.
    if (own && m_path.isEmpty()) {
        controls::showText(m_fileName, admin::firstDiaryPath(QStandardPaths::writableLocation(
                                                                 QStandardPaths::DocumentsLocation),
                                                             m_user));
        say(QStringLiteral("No administrator is named yet: \"Make New File\" makes this file, "
                           "then \"File OK\" makes it your Diary."));
    }
}

QString DiaryChooser::selectedUser() const {
    return m_users->element();
}

QString DiaryChooser::message() const {
    return m_message->text();
}

bool DiaryChooser::administrator() const {
    return admin::isAdministrator(m_user, m_adminName);
}

void DiaryChooser::showDiaryOf(const QString &defaultPath) {
    const QString stored =
        m_services.store.get(keys::kAppDiary, selectedUser(), keys::kFileKey, defaultPath);
    say({});
    if (diaryFileAt(stored)) {
        m_picker->setPath(stored);
        m_path = stored;
    } else {
        m_path.clear();
    }
    controls::showText(m_fileName, m_path);
}

void DiaryChooser::say(const QString &text) {
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

// What the administrator typed, a bare file name taken inside the picker's open folder.
QString DiaryChooser::typedPath() const {
    return admin::diaryPathFrom(m_fileName->text(), m_picker->folder());
}

bool DiaryChooser::saveFileKey(const QString &path) {
    if (m_services.store.save(keys::kAppDiary, selectedUser(), keys::kFileKey, path))
        return true;
    say(SettingsStore::notSavedMessage(m_services.store.lastError()));
    return false;
}

void DiaryChooser::ok() {
    m_path = m_picker->path();
    // A locked desk keeps the choice of Diary files to the administrator; anyone else is told
    // so, rather than shown a panel that closes as if it had saved.
    if (!shell::newDiaryAvailable(m_locked, m_user, m_adminName)) {
        say(QStringLiteral("Not saved: the desk is locked, so only the administrator chooses "
                           "Diary files"));
        return;
    }
    // The picker shows a folder until a file is chosen: a folder is never saved as a Diary.
    const admin::DiaryCheck check = admin::checkDiaryPath(m_path);
    if (check != admin::DiaryCheck::Usable || !QFileInfo(m_path).isFile()) {
        const QString reason = check == admin::DiaryCheck::Usable
                                   ? QStringLiteral("there is no file there")
                                   : admin::diaryCheckReason(check);
        say(QStringLiteral("Not saved: %1: %2; choose a file in the file list")
                .arg(m_path, reason));
        return;
    }
    if (!saveFileKey(m_path))
        return;
    emit menuRequest();
}

bool DiaryChooser::mayChooseFiles() const {
    return administrator() || admin::makesOwnDiary(m_user, m_adminName);
}

void DiaryChooser::fileOk() {
    if (!mayChooseFiles())
        return;
    const QString path = typedPath();
    const admin::DiaryCheck check = admin::checkDiaryPath(path);
    if (check != admin::DiaryCheck::Usable) {
        say(QStringLiteral("Not saved: %1").arg(admin::diaryCheckReason(check)));
        return;
    }
    if (!saveFileKey(path))
        return;
    m_path = path;
    controls::showText(m_fileName, path);
    say(QFileInfo(path).isFile()
            ? QStringLiteral("%1's Diary is now %2").arg(selectedUser(), path)
            : QStringLiteral("Saved, but there is no file at %1 yet: \"Make New File\" makes it")
                  .arg(path));
}

void DiaryChooser::makeNewFile() {
    if (!mayChooseFiles())
        return;
    const QString path = typedPath();
    // The documents folder of a new account may not be there yet.
    if (QString why; !QFileInfo(QFileInfo(path).path()).exists() &&
                     !files::makeFolder(QFileInfo(path).path(), &why)) {
        say(QStringLiteral("Not made: %1").arg(why));
        return;
    }
    const admin::CreateResult made = admin::createEmptyDiary(path);
    switch (made.outcome) {
    case admin::CreateOutcome::Created:
        controls::showText(m_fileName, path);
        m_picker->refresh();
        m_picker->setPath(path);
        say(QStringLiteral("Made the empty file %1; \"File OK\" makes it %2's Diary")
                .arg(path, selectedUser()));
        return;
    case admin::CreateOutcome::Exists:
        controls::showText(m_fileName, path);
        say(QStringLiteral("%1 already exists and was left as it is; \"File OK\" chooses it")
                .arg(path));
        return;
    case admin::CreateOutcome::Refused:
    case admin::CreateOutcome::Failed:
        say(QStringLiteral("Not made: %1").arg(made.reason));
        return;
    }
}

void DiaryChooser::showHelp(bool show) {
    m_frame1->setVisible(!show);
    m_frame2->setVisible(show);
}

} // namespace vidorev
