#include "admin/about_page.h"
#include "admin/admin_rules.h"
#include "admin/billing_frame.h"
#include "admin/diary_chooser.h"
#include "admin/options_panel.h"
#include "diary/diary_writer.h"
#include "platform/settings_keys.h"
#include "platform/version.h"
#include "shell/main_window.h"
#include "test_env.h"
#include "todo/linked_set_navigator.h"
#include "widgets/file_picker.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vidorev {
namespace {

using test::TestEnv;

template <typename T = QWidget> T *child(QWidget *in, const char *name) {
    T *w = in->findChild<T *>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void click(QWidget *in, const char *name) {
    QTest::mouseClick(child<QPushButton>(in, name), Qt::LeftButton);
}

// Picks a file in a picker as a user does: open its folder, select it in the file list.
void pick(FilePicker *picker, const QString &path) {
    picker->setPath(QFileInfo(path).absolutePath());
    picker->waitForListing();
    auto *files = picker->findChild<QListWidget *>(QStringLiteral("File1"));
    const auto found = files->findItems(QFileInfo(path).fileName(), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << path.toStdString();
    files->setCurrentItem(found.front());
}

QByteArray contents(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

class DiaryChooserTest : public ::testing::Test {
protected:
    DiaryChooserTest() {
        env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold, "boss");
        panel.show();
    }
    QString fileKey(const QString &user) {
        return env.store().get(keys::kAppDiary, user, keys::kFileKey, "unset");
    }
    QString makeFile(const QString &name, const QByteArray &bytes) {
        QFile f(env.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return QDir::toNativeSeparators(f.fileName());
    }
    FilePicker *picker() { return child<FilePicker>(&panel, "FileHooker1"); }
    QLineEdit *fileName() {
        return child(&panel, "Frame1")->findChild<QLineEdit *>("Text1", Qt::FindDirectChildrenOnly);
    }

    TestEnv env;
    DiaryChooser panel{env.services()};
    QSignalSpy done{&panel, &DiaryChooser::menuRequest};
};

TEST_F(DiaryChooserTest, AnOrdinaryUserSeesNoAdministratorControls) {
    const char *adminOnly[] = {"ListSpider1", "Command3", "Command5", "Label2"};
    panel.setUser("ann");
    for (const char *name : adminOnly)
        EXPECT_FALSE(child(&panel, name)->isVisible()) << name;
    EXPECT_TRUE(fileName()->isReadOnly());
    panel.setUser("boss");
    for (const char *name : adminOnly)
        EXPECT_TRUE(child(&panel, name)->isVisible()) << name;
    EXPECT_FALSE(fileName()->isReadOnly());
}

TEST_F(DiaryChooserTest, OkKeepsAChosenFileOnALockedDeskOnlyForTheAdministrator) {
    const QString diary = makeFile("ann-diary.log", "");
    panel.setUser("ann");
    click(&panel, "Command1"); // nothing chosen yet: the picker shows a folder
    EXPECT_EQ(fileKey("ann"), "unset");
    EXPECT_EQ(done.count(), 0);
    EXPECT_TRUE(panel.message().contains("choose a file")) << panel.message().toStdString();

    env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kLocked, keys::kYes);
    for (const char *user : {"ann", "boss"}) {
        panel.setUser(user);
        pick(picker(), diary);
        EXPECT_EQ(fileName()->text(), diary);
        click(&panel, "Command1");
        EXPECT_EQ(panel.message().contains("locked"), QByteArray(user) == "ann") << user;
    }
    EXPECT_EQ(fileKey("ann"), "unset"); // said, not closed as if saved
    EXPECT_EQ(fileKey("boss"), diary);
    EXPECT_EQ(done.count(), 1);

    env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kLocked, keys::kNo);
    panel.setUser("ann");
    pick(picker(), diary);
    click(&panel, "Command1");
    EXPECT_EQ(fileKey("ann"), diary);
    EXPECT_EQ(done.count(), 2);
}

TEST_F(DiaryChooserTest, MakeNewFileNeverReplacesAndFileOkNeverTakesAFolder) {
    const QByteArray lines = "[722][Start]<Fix printer> @ 9:00:00 AM 12-04-2026\r\n";
    const QString kept = makeFile("ann-diary.log", lines);
    panel.setUser("boss");
    picker()->setPath(env.dir());
    picker()->waitForListing();
    fileName()->setText(kept);
    click(&panel, "Command3");
    EXPECT_EQ(contents(kept), lines);
    EXPECT_TRUE(panel.message().contains("already exists")) << panel.message().toStdString();

    // A bare name lands in the picker's folder.
    fileName()->setText("bob-diary.log");
    click(&panel, "Command3");
    const QString made = QDir::toNativeSeparators(env.filePath("bob-diary.log"));
    EXPECT_EQ(fileName()->text(), made);
    EXPECT_EQ(contents(made), QByteArray());
    click(&panel, "Command5");
    EXPECT_EQ(fileKey("boss"), made);

    fileName()->setText(env.dir());
    click(&panel, "Command5");
    EXPECT_EQ(fileKey("boss"), made);
    EXPECT_TRUE(panel.message().contains("folder")) << panel.message().toStdString();
}

class OptionsPanelTest : public ::testing::Test {
protected:
    OptionsPanelTest() {
        env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold, "boss");
        panel.setUser("boss");
        panel.show();
    }
    QString admin(const QString &key) {
        return env.store().get(keys::kAppDiary, keys::kSecAdmin, key, "unset");
    }
    QLineEdit *box(const char *name, QWidget *in = nullptr) {
        return child<QLineEdit>(in ? in : panel.mainFrame(), name);
    }
    // The admin name's box, not the user list's box of the same name.
    QLineEdit *adminName() {
        return panel.mainFrame()->findChild<QLineEdit *>("Text1", Qt::FindDirectChildrenOnly);
    }

    TestEnv env;
    OptionsPanel panel{env.services()};
    QSignalSpy done{&panel, &OptionsPanel::menuRequest};
};

TEST_F(OptionsPanelTest, OkKeepsTheFourValuesAndTheCompanyNameIsKeptAsTyped) {
    EXPECT_EQ(panel.user(), "******");
    adminName()->setText("chief");
    child<QCheckBox>(panel.mainFrame(), "Check1")->setChecked(true);
    QLineEdit *taxRate = box("Text1", child(panel.mainFrame(), "Text3"));
    taxRate->setText("abc");
    box("Text4")->setText("5");
    QTest::keyClicks(box("txtCompanyName"), "Acme");
    EXPECT_EQ(admin(keys::kTittleName), "Acme");
    EXPECT_EQ(admin(keys::kKeyHold), "boss");

    // What is not a number is refused in the panel's message line, which stays open.
    click(panel.mainFrame(), "Command1");
    EXPECT_EQ(done.count(), 0);
    EXPECT_TRUE(panel.message().contains("Default Sales tax")) << panel.message().toStdString();
    EXPECT_EQ(admin(keys::kKeyHold), "boss");
    taxRate->setText("8.25%");
    click(panel.mainFrame(), "Command1");
    EXPECT_EQ(done.count(), 1);
    EXPECT_EQ(admin(keys::kKeyHold), "chief");
    EXPECT_EQ(admin(keys::kLocked), keys::kYes);
    EXPECT_DOUBLE_EQ(env.store().getDouble(keys::kAppClock, keys::kSecCash, keys::kTaxPct, 0),
                     0.0825);
    EXPECT_EQ(env.store().get(keys::kAppClock, keys::kSecLocal, keys::kTZone), "5");
}

TEST_F(OptionsPanelTest, EachButtonShowsItsFrameAloneAndItsOkComesBack) {
    struct Route {
        const char *button;
        const char *frame;
        const char *back;
    };
    const Route routes[] = {{"Command3", "Frame2", "cmdSoundOK"},
                            {"Command7", "Frame3", "Command8"},
                            {"Command9", "Frame4", "cmdBillingOK"},
                            {"cmdJoinLogs", "LogShuffle", "Command17"},
                            {"cmdHolidays", "fraHolidays", "cmdCloseHolidays"},
                            {"cmdPanic", "fraPanic", "cmdCancelPanic"}};
    for (const Route &r : routes) {
        click(panel.mainFrame(), r.button);
        for (QGroupBox *frame : panel.findChildren<QGroupBox *>(Qt::FindDirectChildrenOnly))
            EXPECT_EQ(frame->isVisible(), frame->objectName() == r.frame)
                << r.button << " " << frame->objectName().toStdString();
        click(child(&panel, r.frame), r.back);
        EXPECT_TRUE(panel.mainFrame()->isVisible()) << r.back;
    }
    EXPECT_EQ(done.count(), 0);
}

TEST_F(OptionsPanelTest, HolidaysAndSoundsAreEditedAndKept) {
    QWidget *holidays = child(&panel, "fraHolidays");
    box("txtHolidayMonth", holidays)->setText("7");
    box("txtHolidayDay", holidays)->setText("4");
    click(holidays, "cmdAddOtherDate");
    box("txtHolidayMonth", holidays)->setText("12");
    box("txtHolidayDay", holidays)->setText("25");
    click(holidays, "cmdAddHoliday");
    box("txtHolidayMonth", holidays)->setText("7");
    box("txtHolidayDay", holidays)->setText("4");
    click(holidays, "cmdRemoveDay");
    EXPECT_EQ(admin(keys::kHolidays), "unset"); // kept on leaving only
    click(holidays, "cmdCloseHolidays");
    EXPECT_EQ(admin(keys::kHolidays), ";12/25;");

    admin::saveSoundSelection(env.store(), 3, {"Bell", "/sounds/bell.wav"});
    env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kPingAlert, "/sounds/alert.wav");
    panel.setUser("boss");
    QWidget *sounds = child(&panel, "Frame2");
    // Opened at slot 0, the silence: shown with its number, and kept as it is.
    EXPECT_EQ(box("txtSoundNumber", sounds)->text(), "0");
    EXPECT_EQ(box("Text9", sounds)->text(), keys::kSilentSoundName);
    box("Text9", sounds)->setText("Chime");
    click(sounds, "cmdSaveSelection");
    EXPECT_EQ(admin::soundSlot(env.store(), 0).name, keys::kSilentSoundName);
    EXPECT_TRUE(child<QLabel>(sounds, "lblMessage")->text().contains("Slot 0"));
    child<QSlider>(sounds, "HScroll1")->setValue(3);
    EXPECT_EQ(box("Text9", sounds)->text(), "Bell");
    EXPECT_EQ(box("Text5", sounds)->text(), "/sounds/bell.wav");
    click(sounds, "cmdPlayIt");
    EXPECT_EQ(env.sound().played, QStringList{"/sounds/bell.wav"});
    click(sounds, "cmdAlertLoad");
    EXPECT_EQ(box("Text9", sounds)->text(), "Alert!");
    click(sounds, "cmdSaveSelection"); // slot 3 now plays the alert's file
    EXPECT_EQ(admin::soundSlot(env.store(), 3).file, "/sounds/alert.wav");
    EXPECT_EQ(admin::soundSlot(env.store(), 0).name, keys::kSilentSoundName);
    click(sounds, "cmdAddSound");
    EXPECT_EQ(child<QSlider>(sounds, "HScroll1")->maximum(), keys::kDefaultSoundCount + 1);
}

TEST_F(OptionsPanelTest, PanicShowsItsBackupAndKeepsTheAdministrator) {
    env.makeDiary("ann", "ann-diary.log");
    panel.setUser("boss");
    adminName()->setText("chief"); // the survivors are taken as the boxes show them
    click(panel.mainFrame(), "cmdPanic");
    QWidget *frame = child(&panel, "fraPanic");
    click(frame, "cmdDeleteUsers");
    // The backup runs off the window's thread: meanwhile the frame shows how far it got, and
    // neither button can start a second wipe or leave the frame.
    EXPECT_TRUE(panel.panicRunning());
    EXPECT_TRUE(child(frame, "prgBackup")->isVisible());
    for (const char *button : {"cmdDeleteUsers", "cmdCancelPanic"})
        EXPECT_FALSE(child(frame, button)->isEnabled()) << button;
    panel.setUser("boss"); // the host shows the panel again
    EXPECT_TRUE(frame->isVisible());
    for (int i = 0; i < 500 && panel.panicRunning(); ++i)
        QTest::qWait(10);
    ASSERT_FALSE(panel.panicRunning());
    EXPECT_TRUE(child(frame, "cmdCancelPanic")->isEnabled());
    const QString shown = child<QLabel>(frame, "lblBackup")->text();
    const QStringList backups = QDir(env.dir()).entryList({"settings-backup-*.json"});
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(env.filePath(backups.front()))))
        << shown.toStdString();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(admin(keys::kKeyHold), "chief");
    EXPECT_EQ(admin(keys::kLocked), keys::kNo);
    EXPECT_EQ(env.store().get(keys::kAppDiary, "ann", keys::kFileKey, "gone"), "gone");
}

// "Remove User" acts on the user whose name the box shows, whatever the administrator's name.
TEST_F(OptionsPanelTest, RemoveUserRemovesOnlyTheUserOnShow) {
    LinkedSetNavigator users(env.services());
    users.setHostIdent(keys::kAppDiary);
    users.setElement("ann");
    users.setElement("bob");
    env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold, "b");
    env.store().save(keys::kAppDiary, "b", keys::kFileKey, "/tmp/b.log");
    panel.setUser("b");
    auto *list = child(panel.mainFrame(), "UserList");
    EXPECT_EQ(child<QLineEdit>(list, "Text1")->text(), "bob");
    click(list, "cmdUnLink");
    EXPECT_EQ(env.store().get(keys::kAppDiary, "b", keys::kFileKey), "/tmp/b.log");
    EXPECT_EQ(env.store().get(keys::kAppDiary, "bob", keys::kPrior, "gone"), "gone");
    EXPECT_EQ(env.store().get(keys::kAppDiary, keys::kSecUserListHead, keys::kTop), "ann");
    EXPECT_EQ(child<QLineEdit>(list, "Text1")->text(), "ann");
    EXPECT_TRUE(panel.message().isEmpty());

    // No name on show (a list whose head was lost): nothing removed, and the panel says so.
    for (const QString &key : {keys::kTop, keys::kName})
        env.store().remove(keys::kAppDiary, keys::kSecUserListHead, key);
    panel.setUser("b");
    EXPECT_EQ(child<QLineEdit>(list, "Text1")->text(), "");
    const auto before = env.store().entries().size();
    click(list, "cmdUnLink");
    EXPECT_EQ(env.store().entries().size(), before);
    EXPECT_TRUE(panel.message().contains("nothing was removed")) << panel.message().toStdString();
}

TEST_F(OptionsPanelTest, TheReportUserIsOneWithADiary) {
    auto *billing = panel.billingFrame();
    EXPECT_EQ(billing->reportUser(), ""); // boss has no Diary
    const QString diary = env.makeDiary("boss", "boss-diary.log");
    panel.setUser("boss");
    EXPECT_EQ(billing->reportUser(), "boss");
    EXPECT_EQ(billing->reportDiary(), diary);
}

class DeskTest : public ::testing::Test {
protected:
    std::unique_ptr<MainWindow> start(const QString &user) {
        auto w = std::make_unique<MainWindow>(env.services(), writer, "/U" + user);
        w->show();
        w->handleFirstActivation();
        return w;
    }
    TestEnv env;
    DiaryWriter writer{env.store(), "PLM0D1S0K5", "1.0.0"};
};

TEST_F(DeskTest, AFreshDeskLetsAUserMakeTheirDiaryButNotAdminister) {
    auto w = start("ann");
    QWidget *menu = child(w.get(), "MainMenu");
    EXPECT_FALSE(child<QPushButton>(menu, "cmdAdmin")->isEnabled());
    ASSERT_TRUE(child<QPushButton>(menu, "Command1")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(menu, "Command4")->isEnabled());
    click(menu, "Command1");
    auto *hat = child<DiaryChooser>(w.get(), "AdminHat1");
    ASSERT_TRUE(hat->isVisible());
    // No administrator yet: the user makes their own Diary, offered in the documents folder.
    auto *name = child(hat, "Frame1")->findChild<QLineEdit *>("Text1", Qt::FindDirectChildrenOnly);
    EXPECT_TRUE(name->text().endsWith(QDir::toNativeSeparators("/ann-diary.log")));
    EXPECT_FALSE(name->isReadOnly());
    const QString diary = QDir::toNativeSeparators(env.filePath("ann-diary.log"));
    name->setText(diary);
    click(hat, "Command3"); // Make New File
    EXPECT_EQ(QFileInfo(diary).permissions() &
                  ~(QFile::ReadUser | QFile::WriteUser | QFile::ReadOwner | QFile::WriteOwner),
              QFile::Permissions());
    click(hat, "Command1");
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(child<QPushButton>(menu, "Command4")->isEnabled()); // AddEvent: a Diary

    click(menu, "Command7");
    EXPECT_EQ(child<AboutPage>(w.get(), "AboutPage1")->versionText(),
              "Vidorev version " + Version::current().full());
}

} // namespace
} // namespace vidorev
