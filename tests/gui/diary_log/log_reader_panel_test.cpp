#include "calc_special/money_box.h"
#include "diary/diary_record.h"
#include "diary_log/log_browser.h"
#include "diary_log/log_reader_panel.h"
#include "platform/settings_keys.h"
#include "test_env.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace vidorev;

namespace {

class LogReaderPanelTest : public ::testing::Test {
protected:
    LogReaderPanelTest() {
        diary = env.makeDiary("ann");
        panel.show();
    }
    void write(const QStringList &lines) {
        QFile f(diary);
        ASSERT_TRUE(f.open(QIODevice::Append));
        for (const QString &line : lines)
            f.write(line.toUtf8() + "\r\n");
    }
    void unlock() { env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kLocked, keys::kNo); }
    template <class T = QWidget> T *child(const char *name) {
        T *w = panel.findChild<T *>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char *box) { return child<QLineEdit>(box)->text(); }
    void click(const char *button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
        panel.waitForReading();
    }

    test::TestEnv env;
    QString diary;
    LogReaderPanel panel{env.services()};
    const QDateTime t{QDate(2026, 12, 4), QTime(9, 0)};
};

TEST_F(LogReaderPanelTest, TheLockHidesTheFilterAndTotals) {
    const char *hidden[] = {"Text4", "Label1", "Text5", "Label2", "RoundPenny1"};
    // An unset lock is no lock, as the Options panel shows it; only "Yes" hides the totals.
    for (const QString &locked : {QString(), keys::kYes, keys::kNo}) {
        if (locked.isNull())
            env.store().remove(keys::kAppDiary, keys::kSecAdmin, keys::kLocked);
        else
            env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kLocked, locked);
        panel.setUser("ann");
        for (const char *name : hidden)
            EXPECT_EQ(child(name)->isVisible(), locked != keys::kYes) << name;
        EXPECT_TRUE(child("txtDateSel")->isVisible());
    }
    EXPECT_TRUE(child<MoneyBox>("RoundPenny1")->locked());
}

TEST_F(LogReaderPanelTest, EnterInTheTagBoxShowsThreeLinesAndTheTotalsRewindClears) {
    write({diary::startRecord("722", "Fix", t), diary::eventRecord("other", t),
           diary::stopRecord("722", "Fix", 20000, 20000, t),
           diary::memoRecord("722", "12.50", "Fix", "toner", t),
           diary::stopRecord("722", "Fix", 20000, 40000, t),
           diary::memoRecord("722", "nan", "Fix", "no amount", t)});
    unlock();
    panel.setUser("ann");
    QTest::keyClicks(child("Text4"), "722");
    QTest::keyClick(child("Text4"), Qt::Key_Return);
    panel.waitForReading();
    EXPECT_TRUE(text("Text1").startsWith("[722][Start]<Fix>"));
    EXPECT_TRUE(text("Text2").startsWith("[722][Stop ]{20000}"));
    EXPECT_TRUE(text("Text3").startsWith("[722] {$12.50$}"));
    EXPECT_EQ(text("Text5"), "12.5");
    click("Command2");
    // 40000 minutes, past what 16 bits hold.
    EXPECT_EQ(child<MoneyBox>("RoundPenny1")->box()->text(), "666.66");
    // An amount that cannot be real is named, not added.
    EXPECT_EQ(text("Text5"), "12.5");
    EXPECT_TRUE(child<QLabel>("lblBadLines")->isVisible());
    EXPECT_TRUE(child<QLabel>("lblBadLines")->text().contains("line 6, amount \"nan\""));

    click("cmdReRead");
    for (const char *box : {"Text1", "Text2", "Text3", "Text5"})
        EXPECT_TRUE(text(box).isEmpty()) << box;
    EXPECT_EQ(child<MoneyBox>("RoundPenny1")->box()->text(), "0");
    EXPECT_FALSE(child<QLabel>("lblBadLines")->isVisible());
    click("Command2"); // from the first line again
    EXPECT_TRUE(text("Text1").startsWith("[722][Start]<Fix>"));
}

// "|<<", and "Menu" then opening again, answer a date as the first walk did.
TEST_F(LogReaderPanelTest, StartingAgainShowsTheSameDay) {
    const QDateTime day(QDate(2026, 12, 4), QTime(8, 5));
    const QString start = diary::startRecord("722", "Fix", day);
    write({diary::stopRecord("722", "Fix", 40000, 40000, day.addDays(-30)), start,
           diary::stopRecord("722", "Fix", 20, 20, day.addSecs(20 * 60)),
           diary::startRecord("722", "Fix", day.addSecs(55 * 60)),
           diary::eventRecord("home", day.addSecs(9 * 3600))});
    unlock();
    panel.setUser("ann");
    QTest::keyClicks(child("txtDateSel"), "12-04-2026");
    for (const char *again : {"", "cmdReRead", "Command1"}) {
        if (*again)
            click(again);
        if (QByteArray(again) == "Command1")
            panel.setUser("ann"); // "Read log" from the menu
        QTest::keyClick(child("txtDateSel"), Qt::Key_Return);
        panel.waitForReading();
        EXPECT_EQ(text("Text1"), start) << again;
        EXPECT_EQ(child<MoneyBox>("RoundPenny1")->box()->text(), "0.33") << again;
    }
}

// A press reads on a thread of its own: the window answers, other presses meanwhile are
// ignored, and "Menu" stops it.
TEST_F(LogReaderPanelTest, LastThreeReadsOffTheWindowThread) {
    QStringList lines;
    for (int i = 0; i < 20000; ++i)
        lines << diary::stopRecord("722", "Fix", 1, i, t);
    lines << diary::eventRecord("the end", t);
    write(lines);
    panel.setUser("ann");
    QTest::keyClicks(child("txtDateSel"), "no such date");
    QTest::mouseClick(child<QPushButton>("Command4"), Qt::LeftButton);
    EXPECT_TRUE(panel.isReading());
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton); // ignored
    panel.waitForReading();
    EXPECT_FALSE(panel.isReading());
    EXPECT_TRUE(text("Text3").startsWith("[Event] the end"));

    QSignalSpy menu(&panel, &LogReaderPanel::menuRequest);
    panel.setUser("ann");
    QTest::mouseClick(child<QPushButton>("Command4"), Qt::LeftButton);
    click("Command1");
    EXPECT_FALSE(panel.isReading());
    EXPECT_EQ(menu.count(), 1);
    EXPECT_TRUE(text("Text3").isEmpty());
}

} // namespace
