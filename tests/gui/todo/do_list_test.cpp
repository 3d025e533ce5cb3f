#include "todo/do_list.h"

#include "calc_special/round_penny.h"
#include "clocks/ded_uzedova.h"
#include "clocks/task_clock.h"
#include "diary/diary_writer.h"
#include "platform/settings_keys.h"
#include "platform/version.h"
#include "shell/main_window.h"
#include "test_env.h"
#include "todo/do_element.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vidorev {
namespace {

const QString kUser = QStringLiteral("ann");

class DoListTest : public ::testing::Test {
protected:
    DoListTest() {
        m_diary = m_env.makeDiary(kUser, QStringLiteral("ann_diary.log"));
        m_env.store().save(keys::kAppDiary, kUser, keys::kCompat, Version::current().hostTag());
        m_window.show();
        m_window.handleFirstActivation();
        QApplication::setActiveWindow(&m_window);
    }
    QPushButton *button(QWidget *in, const char *name) const {
        return in->findChild<QPushButton *>(QLatin1String(name));
    }
    DoList *list() const { return m_window.findChild<DoList *>(QStringLiteral("DoList1")); }
    DedUzedova *tracker() const {
        return m_window.findChild<DedUzedova *>(QStringLiteral("DedUzedova1"));
    }
    void openList() { button(&m_window, "cmdDoList")->click(); }
    QStringList diary() const { return m_env.diaryLines(m_diary); }
    QString stored(const QString &section, const QString &key, const QString &dflt = "unset") {
        return m_env.store().get(keys::kAppDiary, section, key, dflt);
    }
    void type(int row, const QString &text) {
        QLineEdit *box = list()->row(row)->taskBox();
        box->setFocus();
        QTest::keyClicks(box, text);
    }
    // Types a new task and leaves its box for the next row's, which enters it.
    void add(int row, const QString &text) {
        type(row, text);
        list()->row(row + 1)->taskBox()->setFocus();
    }
    QLabel *status() const { return list()->findChild<QLabel *>("lblStatus"); }

    test::TestEnv m_env;
    QString m_diary;
    DiaryWriter m_writer{m_env.store(), Version::current().hostTag(), Version::current().full()};
    MainWindow m_window{m_env.services(), m_writer, QStringLiteral("/Uann")};
    const QString m_stamp = QStringLiteral(" @ 3:45:12 PM 12-04-2026");
};

TEST_F(DoListTest, ANewUserSeesAnEmptyListOfTheirOwn) {
    openList();
    DoList *l = list();
    ASSERT_TRUE(l->isVisible());
    EXPECT_EQ(l->findChild<QGroupBox *>("Frame1")->title(), "To Do List for ann");
    EXPECT_EQ(button(l, "cmdUserDef")->text(), "ann");
    EXPECT_FALSE(button(l, "cmdUserDef")->isEnabled());
    EXPECT_TRUE(button(l, "cmdDoJob1")->isEnabled());
    for (int k = 1; k <= 22; ++k)
        EXPECT_TRUE(l->row(k)->text().isEmpty()) << k;
    EXPECT_EQ(l->page(), todo::Page::Top);
    EXPECT_FALSE(button(l, "cmdTopDo")->isEnabled());
    EXPECT_FALSE(button(l, "cmdBotDo")->isEnabled());
    EXPECT_TRUE(l->row(7)->isVisible());
    EXPECT_FALSE(l->row(8)->isVisible());
    EXPECT_EQ(m_window.mode(), 4);
}

TEST_F(DoListTest, LeavingANewTaskPostsOneNoteAndEnterMovesThePage) {
    m_env.store().save(keys::kAppDiary, "annJob1DoData", "0Task", "722");
    openList();
    button(list(), "cmdDoJob1")->click();
    add(1, "Call supplier");
    EXPECT_EQ(diary(), QStringList{"[DoList][Note ] <AddTask> (722) Call supplier" + m_stamp});
    EXPECT_TRUE(list()->row(1)->taskBox()->isReadOnly());
    list()->row(1)->taskBox()->setFocus();
    list()->row(3)->taskBox()->setFocus(); // leave again: nothing new
    EXPECT_EQ(diary().size(), 1);

    type(7, "Order paper");
    QTest::keyClick(list()->row(7)->taskBox(), Qt::Key_Return);
    EXPECT_EQ(list()->page(), todo::Page::Mid);
    EXPECT_TRUE(list()->row(8)->taskBox()->hasFocus());
    EXPECT_EQ(diary().size(), 2);
    EXPECT_EQ(stored("annJob1DoData", "Shift"), "Mid");
}

TEST_F(DoListTest, ATaskClockSharesTheStackWithTheJobClocks) {
    // Job clock 1 runs.
    button(&m_window, "cmdHotJobTrack")->click();
    QTest::keyClicks(tracker()->clock(1)->findChild<QLineEdit *>("Text1"), "Check timing");
    button(tracker()->clock(1), "Command1")->click();
    ASSERT_EQ(stored(kUser, "Stack"), ":annTC1");

    openList();
    add(5, "Call supplier");
    m_env.clock().advanceSeconds(25 * 60);
    button(list()->row(5), "cmdTime")->click();
    EXPECT_EQ(stored(kUser, "Stack"), ":annTC1:annDoData5");
    EXPECT_EQ(stored("annTC1", "Status"), "Halt");
    EXPECT_EQ(stored("annTC1", "SoFar"), "25");
    EXPECT_EQ(button(list()->row(5), "cmdTime")->text(), "#");
    EXPECT_EQ(stored("annDoData5", "List"), "ann");
    EXPECT_TRUE(diary().last().startsWith("[ann][Start]<Call supplier> @ "));

    // The "#" flag leads to the list and page of the task being timed.
    button(&m_window, "cmdMainMenu")->click();
    QPushButton *flag = button(&m_window, "cmdStatusFlag");
    EXPECT_EQ(flag->text(), "#");
    flag->click();
    EXPECT_TRUE(list()->isVisible());
    EXPECT_EQ(list()->listPrefix(), "ann");
    EXPECT_EQ(list()->page(), todo::Page::Top);

    // Finishing is refused while the clock runs; stopping resumes job clock 1.
    button(list()->row(5), "cmdOK")->click();
    EXPECT_EQ(list()->row(5)->text(), "Call supplier");
    m_env.clock().advanceSeconds(10 * 60);
    list()->row(5)->showTime(); // as each minute does: the running task shows its total
    EXPECT_EQ(list()->row(5)->findChild<RoundPenny *>("txtTime")->box()->text(), "0.16");
    button(list()->row(5), "cmdTime")->click();
    EXPECT_EQ(stored(kUser, "Stack"), ":annTC1");
    EXPECT_EQ(stored("annTC1", "Status"), "Run");
    EXPECT_TRUE(diary().last().startsWith("[ann][Stop ]{10}<Call supplier> @ "));
    EXPECT_EQ(list()->row(5)->charged(), " = 0.16 Hours");
}

TEST_F(DoListTest, FinishingPlaysTheCashSoundOnceAndFreesTheSlotForGood) {
    m_env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kPingCash, "/sounds/cash.wav");
    openList();
    add(1, "Fix printer");
    button(list()->row(1), "cmdOK")->click();
    EXPECT_EQ(m_env.sound().played, QStringList{"/sounds/cash.wav"});
    EXPECT_TRUE(list()->row(1)->text().isEmpty());
    EXPECT_FALSE(list()->row(1)->taskBox()->isReadOnly());
    EXPECT_EQ(diary().last(), "[DoList][Note ] <FinishTask> (ann) Fix printer" + m_stamp);
    add(2, "Toner");
    button(list()->row(2), "cmdLose")->click();
    EXPECT_EQ(m_env.sound().played.size(), 1);
    EXPECT_EQ(diary().last(), "[DoList][Note ] <DropTask> (ann) Toner" + m_stamp);
    // The freed rows have nothing left to finish or drop.
    const int lines = diary().size();
    button(list()->row(1), "cmdOK")->click();
    button(list()->row(2), "cmdLose")->click();
    EXPECT_EQ(diary().size(), lines);
    EXPECT_EQ(m_env.sound().played.size(), 1);
}

TEST_F(DoListTest, APopupOrAnotherWindowDoesNotAddAHalfTypedTask) {
    openList();
    type(1, "Call sup");
    for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(list()->row(1)->taskBox(), &out);
    }
    EXPECT_TRUE(diary().isEmpty());
    EXPECT_FALSE(list()->row(1)->taskBox()->isReadOnly());
}

// Without a Diary the new task's record is said to be lost, and its clock starts nothing.
TEST_F(DoListTest, WithoutADiaryTheListSaysSoAndAClockChangesNothing) {
    openList();
    QFile::remove(m_diary);
    add(1, "Call supplier");
    EXPECT_TRUE(status()->isVisible());
    EXPECT_TRUE(status()->text().contains("EVENT NOT SAVED")) << status()->text().toStdString();
    button(list()->row(1), "cmdTime")->click();
    EXPECT_EQ(stored(kUser, "Stack", ""), "");
    EXPECT_EQ(stored("annDoData1", "Status", "Stop"), "Stop");
    EXPECT_EQ(button(list()->row(1), "cmdTime")->text(), "");
    EXPECT_TRUE(status()->text().contains("Diary file is missing"));
}

TEST_F(DoListTest, AnnotateOpensTheMemoWithTheKeyboardInIt) {
    m_env.store().save(keys::kAppDiary, kUser, keys::kStack, ":annTC1");
    openList();
    button(list(), "cmdAnnotate")->click();
    QWidget *text = m_window.findChild<QWidget *>("EventAdd1")->findChild<QWidget *>("Text1");
    EXPECT_TRUE(text->isVisible());
    EXPECT_TRUE(text->hasFocus());
}

TEST_F(DoListTest, CopyListUsesThePlatformLineEnding) {
    m_env.store().save(keys::kAppDiary, "annJob1DoData", "0Task", "722");
    openList();
    button(list(), "cmdDoJob1")->click();
    type(1, "Call supplier");
    list()->row(3)->taskBox()->setFocus();
    add(3, "Order paper");
    button(list(), "cmdExport")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "To Do List 722\n1) Call supplier\n3) Order paper\n");
}

TEST_F(DoListTest, MovingATaskRedrawsTheRows) {
    openList();
    add(1, "first");
    add(2, "second");
    button(list()->row(1), "cmdDn")->click();
    EXPECT_EQ(list()->row(1)->text(), "second");
    EXPECT_EQ(list()->row(2)->text(), "first");
    if (qEnvironmentVariableIsSet("VIDOREV_SHOTS"))
        m_window.grab().save(qEnvironmentVariable("VIDOREV_SHOTS") + "/do_list.png");
}

TEST_F(DoListTest, APageOrListTheStoreRefusesIsNotTakenAndSaysWhy) {
    openList();
    type(7, "Order paper");
    QTest::keyClick(list()->row(7)->taskBox(), Qt::Key_Return); // on to the middle page
    for (const char *name : {"cmdTopDo", "cmdDoJob1"}) {
        status()->hide();
        {
            test::FullDisk full;
            button(list(), name)->click();
        }
        EXPECT_EQ(list()->page(), todo::Page::Mid) << name;
        EXPECT_EQ(list()->listPrefix(), kUser) << name;
        EXPECT_TRUE(status()->isVisible()) << name;
        EXPECT_TRUE(status()->text().startsWith("Not saved: ")) << status()->text().toStdString();
    }
    EXPECT_EQ(stored("annDoData", "Shift"), "Mid");
}

} // namespace
} // namespace vidorev
