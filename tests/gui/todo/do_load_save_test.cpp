#include "todo/do_load_save.h"

#include "diary/diary_writer.h"
#include "platform/settings_keys.h"
#include "platform/version.h"
#include "shell/main_window.h"
#include "test_env.h"
#include "widgets/file_hooker.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vidorev {
namespace {

class DoLoadSaveTest : public ::testing::Test {
protected:
    DoLoadSaveTest() {
        m_diary = m_env.makeDiary(QStringLiteral("ann"), QStringLiteral("ann_diary.log"));
        m_env.store().save(keys::kAppDiary, "ann", keys::kCompat, Version::current().hostTag());
        m_env.store().save(keys::kAppDiary, "annJob1DoData", "0Task", "722");
        m_window.show();
        m_window.handleFirstActivation();
        QApplication::setActiveWindow(&m_window);
        button("cmd2DoLS", &m_window)->click();
    }
    DoLoadSave *panel() const { return m_window.findChild<DoLoadSave *>("DoLoadSave1"); }
    QPushButton *button(const char *name, QWidget *in = nullptr) const {
        return (in ? in : panel())->findChild<QPushButton *>(QLatin1String(name));
    }
    QLineEdit *box(const char *name) const {
        return panel()->findChild<QLineEdit *>(QLatin1String(name));
    }
    void typePath(const QString &path) {
        box("Text1")->clear();
        QTest::keyClicks(box("Text1"), path);
    }
    QString stored(const QString &section, const QString &key) {
        return m_env.store().get(keys::kAppDiary, section, key, "unset");
    }
    // Which of load, save, move from and move to are offered, in that order.
    QString fileButtons() const {
        QString on;
        for (const char *name : {"cmdLoad", "cmdSave", "cmdRestore", "cmdBack"})
            on += button(name)->isEnabled() ? u'1' : u'0';
        return on;
    }
    QLabel *status() const { return panel()->findChild<QLabel *>("lblStatus"); }

    test::TestEnv m_env;
    QString m_diary;
    DiaryWriter m_writer{m_env.store(), Version::current().hostTag(), Version::current().full()};
    MainWindow m_window{m_env.services(), m_writer, QStringLiteral("/Uann")};
};

TEST_F(DoLoadSaveTest, ChoosingAListAndAPathOffersOnlyTheActionsThatCanRun) {
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(m_window.mode(), 5);
    EXPECT_EQ(button("cmdUserList")->text(), "ann");
    EXPECT_EQ(button("cmdList1")->text(), "722");
    EXPECT_EQ(stored("annDoData", "0Task"), "ann");
    EXPECT_FALSE(button("cmdInit")->isEnabled());
    EXPECT_FALSE(box("txtListTitle")->isEnabled());

    typePath(m_env.filePath("plan.2do"));
    EXPECT_EQ(fileButtons(), "0000"); // no list chosen yet
    button("cmdList1")->click();
    EXPECT_FALSE(button("cmdList1")->isEnabled());
    EXPECT_TRUE(button("cmdInit")->isEnabled());
    EXPECT_EQ(box("txtListTitle")->text(), "722");
    EXPECT_EQ(fileButtons(), "1100");
    typePath(m_env.filePath("plan.2DO"));
    EXPECT_EQ(fileButtons(), "0000");
    typePath(m_env.filePath("stash.2ds"));
    EXPECT_EQ(fileButtons(), "0001");
    EXPECT_EQ(stored("annDoData", "StashPath"), m_env.filePath("stash.2ds"));

    // The path comes back when the panel is opened again, and a file chosen in the picker
    // lands in the path box.
    button("cmdMainMenu", &m_window)->click();
    button("cmd2DoLS", &m_window)->click();
    EXPECT_EQ(box("Text1")->text(), m_env.filePath("stash.2ds"));
    EXPECT_EQ(panel()->listPrefix(), QString());
    auto *picker = panel()->findChild<FileHooker *>("FileHooker1");
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->pattern(), "*.2d*");
    QFile(m_env.filePath("tasks.2do")).open(QIODevice::WriteOnly);
    picker->setPath(m_env.dir());
    picker->moveFirst();
    EXPECT_EQ(box("Text1")->text(), m_env.filePath("tasks.2do"));
}

TEST_F(DoLoadSaveTest, RenamingAJobListStoresItsTitle) {
    button("cmdList1")->click();
    box("txtListTitle")->setFocus();
    box("txtListTitle")->selectAll();
    QTest::keyClicks(box("txtListTitle"), "Garden");
    QTest::keyClick(box("txtListTitle"), Qt::Key_Return);
    EXPECT_EQ(stored("annJob1DoData", "0Task"), "Garden");
    EXPECT_EQ(button("cmdList1")->text(), "Garden");
}

TEST_F(DoLoadSaveTest, SaveLoadAndMoveWorkFromThePanelAndFailuresAreSaid) {
    m_env.store().save(keys::kAppDiary, "annJob1DoData", "3Task", "Call Bob");
    button("cmdList1")->click();
    typePath(m_env.filePath("plan.2do"));
    button("cmdSave")->click();
    QFile saved(m_env.filePath("plan.2do"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("Call Bob\r\n"));
    EXPECT_EQ(panel()->pointer(), 23);

    button("cmdList2")->click();
    button("cmdLoad")->click();
    EXPECT_EQ(stored("annJob2DoData", "1Task"), "Call Bob");
    EXPECT_EQ(m_env.diaryLines(m_diary).size(), 1);

    // A storage file in a folder that is not there: said, and the list stays.
    typePath(m_env.filePath("gone/stash.2ds"));
    button("cmdBack")->click();
    EXPECT_TRUE(status()->isVisible());
    EXPECT_TRUE(status()->text().contains("stash.2ds")) << status()->text().toStdString();
    EXPECT_EQ(stored("annJob2DoData", "1Task"), "Call Bob");

    typePath(m_env.filePath("stash.2ds"));
    button("cmdBack")->click();
    EXPECT_FALSE(status()->isVisible());
    EXPECT_EQ(stored("annJob2DoData", "1Task"), "");
    EXPECT_EQ(fileButtons(), "0010");
    button("cmdRestore")->click();
    EXPECT_EQ(stored("annJob2DoData", "1Task"), "Call Bob");
    EXPECT_EQ(fileButtons(), "0001");
}

TEST_F(DoLoadSaveTest, HelpShowsTheCluesInPlaceOfTheMenu) {
    button("cmdHelp")->click();
    EXPECT_TRUE(panel()->findChild<QGroupBox *>("frmHelp")->isVisible());
    EXPECT_FALSE(panel()->findChild<QGroupBox *>("frmMenu")->isVisible());
    button("cmdGotClue")->click();
    EXPECT_FALSE(panel()->findChild<QGroupBox *>("frmHelp")->isVisible());
    EXPECT_TRUE(panel()->findChild<QGroupBox *>("frmMenu")->isVisible());
}

} // namespace
} // namespace vidorev
