#include "diary/event_add.h"
#include "gui/desk.h"

#include <QPlainTextEdit>

namespace vidorev::test {
namespace {

class EventAddTest : public ::testing::Test {
protected:
    EventAddTest() {
        env.put("ann", keys::kCompat, "PLM0D1S0K5");
        panel.show();
    }
    template <class T = QPushButton> T *child(const char *name) {
        return panel.findChild<T *>(name);
    }
    QPlainTextEdit *text() { return child<QPlainTextEdit>("Text1"); }

    TestEnv env;
    QString diary = env.makeDiary("ann");
    DiaryWriter writer{env.store(), "PLM0D1S0K5", "1.0.0"};
    EventAdd panel{env.services(), writer};
    QSignalSpy closed{&panel, &EventAdd::eventClosed};
    const QString stamp = " @ 3:45:12 PM 12-04-2026";
};

TEST_F(EventAddTest, OkAppendsAnEventAndCloses) {
    panel.setUser("ann");
    text()->setPlainText("Met Bob @ noon\nline two"); // stays one record
    QTest::mouseClick(child("Command1"), Qt::LeftButton);
    EXPECT_EQ(env.diaryLines(diary), QStringList{"[Event] Met Bob at noon&lf;line two" + stamp});
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(text()->toPlainText().isEmpty());
}

TEST_F(EventAddTest, JobStampNeedsARunningClockAndEnterTriggersIt) {
    panel.setUser("ann");
    EXPECT_FALSE(child("Command4")->isEnabled());
    env.put("ann", keys::kStack, ":annTC1:annTC2");
    env.put("annTC2", keys::kJob, "722");
    env.put("annTC2", keys::kTaskName, "Fix printer");
    panel.setUser("ann");
    EXPECT_TRUE(child<QLineEdit>("Text2")->isVisible());
    text()->setPlainText("toner");
    // Money is never dropped nor written as a figure no reader can add: not an amount in the
    // locale, or an amount given to "OK" (an event has none), stays in its box with a word.
    QSignalSpy posted(&panel, &EventAdd::memoPosted);
    for (const char *typed : {"12,50", "12.50"}) {
        child<QLineEdit>("Text2")->setText(typed);
        QTest::mouseClick(child(typed[2] == ',' ? "Command4" : "Command1"), Qt::LeftButton);
        EXPECT_TRUE(env.diaryLines(diary).isEmpty());
        EXPECT_EQ(child<QLineEdit>("Text2")->text(), typed);
        EXPECT_TRUE(child<QLabel>("lblStatus")
                        ->text()
                        .contains(typed[2] == ',' ? "not an amount" : "has no amount"));
    }
    EXPECT_EQ(posted.count() + closed.count(), 0);
    QTest::keyClick(child<QLineEdit>("Text2"), Qt::Key_Return);
    text()->setPlainText("toner");
    QTest::keyClick(text(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(env.diaryLines(diary),
              (QStringList{"[722] {$12.50$} [Memo ]<Fix printer> toner" + stamp,
                           "[722][Memo ]<Fix printer> toner" + stamp}));
    // "Cancel" empties both boxes.
    child<QLineEdit>("Text2")->setText("3");
    QTest::mouseClick(child("Command3"), Qt::LeftButton);
    EXPECT_TRUE(child<QLineEdit>("Text2")->text().isEmpty());
    EXPECT_TRUE(text()->toPlainText().isEmpty());
}

TEST_F(EventAddTest, AMissingDiaryShowsTheMessageAndKeepsThePanelOpen) {
    panel.setUser("nobody"); // "FileKey" unset
    text()->setPlainText("lost?");
    QTest::mouseClick(child("Command1"), Qt::LeftButton);
    EXPECT_EQ(child<QLabel>("lblStatus")->text(),
              "*** BAD LOGFILE SPECIFICATION, EVENT NOT SAVED ***");
    EXPECT_EQ(text()->toPlainText(), "lost?"); // kept as typed
    EXPECT_EQ(closed.count(), 0);
    QTest::mouseClick(child("Command3"), Qt::LeftButton);
    EXPECT_EQ(closed.count(), 1);
}

} // namespace
} // namespace vidorev::test
