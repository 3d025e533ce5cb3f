#include "diary/diary_writer.h"
#include "diary/event_add.h"
#include "platform/settings_keys.h"
#include "test_env.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace vidorev;
using test::TestEnv;

namespace {

class EventAddTest : public ::testing::Test {
protected:
    EventAddTest()
        : writer(env.store(), "PLM0D1S0K5", "1.0.0")
        , panel(env.services(), writer) {
        diary = env.makeDiary("ann");
        env.store().save(keys::kAppDiary, "ann", keys::kCompat, "PLM0D1S0K5");
        panel.show();
    }
    template <class T> T *child(const char *name) { return panel.findChild<T *>(name); }
    QStringList lines() const { return env.diaryLines(diary); }

    TestEnv env;
    DiaryWriter writer;
    EventAdd panel;
    QString diary;
    const QString stamp = QStringLiteral(" @ 3:45:12 PM 12-04-2026");
};

TEST_F(EventAddTest, EveryFocusableControlHasAnAccessibleName) {
    for (QWidget *w : panel.findChildren<QWidget *>())
        EXPECT_TRUE(!(w->focusPolicy() & Qt::TabFocus) || !w->accessibleName().isEmpty())
            << w->objectName().toStdString();
}

TEST_F(EventAddTest, OkAppendsAnEventAndCloses) {
    panel.setUser("ann");
    QSignalSpy closed(&panel, &EventAdd::eventClosed);
    // A two-line text stays one record.
    child<QPlainTextEdit>("Text1")->setPlainText("Met Bob @ noon\nline two");
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(lines(), QStringList{"[Event] Met Bob at noon&lf;line two" + stamp});
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(child<QPlainTextEdit>("Text1")->toPlainText().isEmpty());
}

TEST_F(EventAddTest, JobStampNeedsARunningClockAndEnterTriggersIt) {
    panel.setUser("ann");
    EXPECT_FALSE(child<QPushButton>("Command4")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>("Text2")->isVisible());

    env.store().save(keys::kAppDiary, "ann", keys::kStack, ":annTC1:annTC2");
    env.store().save(keys::kAppDiary, "annTC2", keys::kJob, "722");
    env.store().save(keys::kAppDiary, "annTC2", keys::kTaskName, "Fix printer");
    panel.setUser("ann");
    EXPECT_TRUE(child<QPushButton>("Command4")->isEnabled());
    EXPECT_TRUE(child<QLineEdit>("Text2")->isVisible());

    QSignalSpy posted(&panel, &EventAdd::memoPosted);
    QSignalSpy closed(&panel, &EventAdd::eventClosed);
    child<QPlainTextEdit>("Text1")->setPlainText("toner");
    // Money is never dropped nor written as a figure no reader can add: not an amount in the
    // locale, or an amount given to "OK" (an event has none), stays in its box with a word.
    for (const char *typed : {"12,50", "12.50"}) {
        child<QLineEdit>("Text2")->setText(typed);
        QTest::mouseClick(child<QPushButton>(typed[2] == ',' ? "Command4" : "Command1"),
                          Qt::LeftButton);
        EXPECT_TRUE(lines().isEmpty());
        EXPECT_EQ(child<QLineEdit>("Text2")->text(), typed);
        EXPECT_TRUE(child<QLabel>("lblStatus")
                        ->text()
                        .contains(typed[2] == ',' ? "not an amount" : "has no amount"));
    }
    EXPECT_EQ(posted.count() + closed.count(), 0);
    QTest::keyClick(child<QLineEdit>("Text2"), Qt::Key_Return);
    EXPECT_EQ(posted.count(), 1);
    EXPECT_EQ(panel.task(), "annTC2");

    child<QPlainTextEdit>("Text1")->setPlainText("toner");
    QTest::keyClick(child<QPlainTextEdit>("Text1"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(lines(), (QStringList{"[722] {$12.50$} [Memo ]<Fix printer> toner" + stamp,
                                    "[722][Memo ]<Fix printer> toner" + stamp}));
    // "Cancel" empties both boxes.
    child<QLineEdit>("Text2")->setText("3");
    QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_TRUE(child<QLineEdit>("Text2")->text().isEmpty());
    EXPECT_TRUE(child<QPlainTextEdit>("Text1")->toPlainText().isEmpty());
}

TEST_F(EventAddTest, AuxStringAppendsANoteTaggedWithAuxId) {
    panel.setUser("ann");
    QSignalSpy closed(&panel, &EventAdd::eventClosed);
    panel.setAuxId("Calc");
    panel.setAuxString("2+3*4 = 20 @ desk");
    EXPECT_EQ(lines(), QStringList{"[Calc][Note ] 2+3*4 = 20 at desk" + stamp});
    EXPECT_EQ(closed.count(), 0);
}

TEST_F(EventAddTest, AMissingDiaryShowsTheMessageAndKeepsThePanelOpen) {
    panel.setUser("nobody"); // "FileKey" unset
    QSignalSpy closed(&panel, &EventAdd::eventClosed);
    child<QPlainTextEdit>("Text1")->setPlainText("lost?");
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(child<QLabel>("lblStatus")->text(),
              "*** BAD LOGFILE SPECIFICATION, EVENT NOT SAVED ***");
    EXPECT_EQ(panel.message(), child<QLabel>("lblStatus")->text());
    EXPECT_EQ(child<QPlainTextEdit>("Text1")->toPlainText(), "lost?"); // kept as typed
    EXPECT_EQ(closed.count(), 0);
    QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(lines().isEmpty());
}

} // namespace
