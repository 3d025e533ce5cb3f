#include "diary_log/log_merge_panel.h"

#include "gui/desk.h"

#include <QGroupBox>

namespace vidorev::test {
namespace {

const QByteArray kTwo = "b @ 10:00:00 AM 12-04-2026\nd @ 12:00:00 PM 12-04-2026\n";
const QByteArray kMerged = "a @ 9:00:00 AM 12-04-2026\r\nb @ 10:00:00 AM 12-04-2026\r\n"
                           "c @ 11:00:00 AM 12-04-2026\r\nd @ 12:00:00 PM 12-04-2026\r\n";

class LogMergePanelTest : public ::testing::Test {
protected:
    LogMergePanelTest() { m_panel.show(); }
    QPushButton *button(const char *name) const { return m_panel.findChild<QPushButton *>(name); }
    bool asking() const { return m_panel.findChild<QGroupBox *>("frmReplace")->isVisible(); }
    // Chooses the three files the way a user does: path into the box, then its button.
    void choose(const QString &out) {
        for (const auto &[path, lock] :
             {std::pair{m_one, "Lock1"}, {m_two, "Lock2"}, {out, "Lock3"}}) {
            m_panel.setPath(path);
            button(lock)->click();
        }
    }
    void mergeAndWait(const char *press) {
        QSignalSpy ended(&m_panel, &LogMergePanel::mergeEnded);
        button(press)->click();
        EXPECT_TRUE(m_panel.isRunning());
        button(press)->click(); // a second press while it runs does nothing
        ASSERT_TRUE(ended.wait(5000));
        QCoreApplication::processEvents();
        EXPECT_EQ(ended.size(), 1);
    }

    TestEnv m_env;
    LogMergePanel m_panel{m_env.services()};
    QString m_one = writeFile(m_env.filePath("one.log"),
                              "a @ 9:00:00 AM 12-04-2026\r\nc @ 11:00:00 AM 12-04-2026\r\n");
    QString m_two = writeFile(m_env.filePath("two.log"), kTwo);
    QString m_out = m_env.filePath("joined.log");
};

TEST_F(LogMergePanelTest, MergesTheChosenFilesOffTheWindowThreadAndPings) {
    m_env.put(keys::kSecAdmin, keys::kPingAlert, "/snd/ping.wav");
    choose("a.lo");
    button("Execute")->click(); // an output path too short to be a choice
    EXPECT_FALSE(m_panel.isRunning());
    m_panel.setPath(m_out);
    button("Lock3")->click();
    mergeAndWait("Execute");
    EXPECT_EQ(fileBytes(m_out), kMerged);
    EXPECT_EQ(m_panel.message(), "Merged 4 lines into " + m_out);
    EXPECT_EQ(m_env.sound().played, QStringList{"/snd/ping.wav"});
}

TEST_F(LogMergePanelTest, AsksInItsOwnFrameBeforeReplacingAnOutput) {
    writeFile(m_out, "keep me\r\n");
    choose(m_out);
    button("Execute")->click();
    ASSERT_TRUE(asking());
    EXPECT_TRUE(m_panel.findChild<QLabel *>("lblReplace")->text().contains(m_out));
    button("cmdCancel")->click();
    EXPECT_FALSE(asking());
    EXPECT_EQ(fileBytes(m_out), "keep me\r\n");
    button("Execute")->click();
    mergeAndWait("cmdReplace");
    EXPECT_FALSE(asking());
    EXPECT_EQ(fileBytes(m_out), kMerged);
}

TEST_F(LogMergePanelTest, RefusesAnOutputThatIsAnInputAndSaysWhy) {
    choose(m_two);
    button("Execute")->click();
    EXPECT_FALSE(asking() || m_panel.isRunning());
    EXPECT_TRUE(m_panel.message().contains("one of the inputs")) << m_panel.message().toStdString();
    EXPECT_EQ(fileBytes(m_two), kTwo);
    // The chosen paths cannot be typed over.
    m_panel.findChild<QLineEdit *>("txtOutFile")->setText("elsewhere");
    EXPECT_EQ(m_panel.findChild<QLineEdit *>("txtOutFile")->text(), m_two);
}

} // namespace
} // namespace vidorev::test
