#include "diary_log/join_log.h"

#include "platform/settings_keys.h"
#include "test_env.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace vidorev {
namespace {

class JoinLogTest : public ::testing::Test {
protected:
    JoinLogTest() {
        m_one = write("one.log", "a @ 9:00:00 AM 12-04-2026\r\nc @ 11:00:00 AM 12-04-2026\r\n");
        m_two = write("two.log", "b @ 10:00:00 AM 12-04-2026\nd @ 12:00:00 PM 12-04-2026\n");
        m_out = m_env.filePath("joined.log");
        m_panel.show();
    }
    QString write(const char *name, const QByteArray &bytes) {
        QFile f(m_env.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    QByteArray read(const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QPushButton *button(const char *name) const {
        return m_panel.findChild<QPushButton *>(QLatin1String(name));
    }
    QLineEdit *box(const char *name) const {
        return m_panel.findChild<QLineEdit *>(QLatin1String(name));
    }
    bool asking() const { return m_panel.findChild<QGroupBox *>("frmReplace")->isVisible(); }
    // Chooses the three files the way a user does: path into the box, then its button.
    void choose(const QString &one, const QString &two, const QString &out) {
        for (const auto &[path, lock] : {std::pair{one, "Lock1"}, {two, "Lock2"}, {out, "Lock3"}}) {
            m_panel.setPath(path);
            button(lock)->click();
        }
    }
    void mergeAndWait(const char *press) {
        QSignalSpy ended(&m_panel, &JoinLog::mergeEnded);
        button(press)->click();
        ASSERT_TRUE(ended.wait(5000));
    }

    test::TestEnv m_env;
    JoinLog m_panel{m_env.services()};
    QString m_one;
    QString m_two;
    QString m_out;
};

const QByteArray kMerged = "a @ 9:00:00 AM 12-04-2026\r\nb @ 10:00:00 AM 12-04-2026\r\n"
                           "c @ 11:00:00 AM 12-04-2026\r\nd @ 12:00:00 PM 12-04-2026\r\n";

TEST_F(JoinLogTest, MergesTheChosenFilesOffTheWindowThreadAndPings) {
    m_env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kPingAlert, "/snd/ping.wav");
    choose(m_one, m_two, "a.lo");
    EXPECT_EQ(box("txtInFile1")->text(), m_one);
    EXPECT_EQ(box("txtOutFile")->text(), "a.lo");
    EXPECT_EQ(m_panel.path(), "a.lo");
    button("Execute")->click(); // an output path too short to be a choice
    EXPECT_FALSE(m_panel.isRunning());
    EXPECT_TRUE(m_panel.message().isEmpty());

    m_panel.setPath(m_out);
    button("Lock3")->click();
    QSignalSpy ended(&m_panel, &JoinLog::mergeEnded);
    button("Execute")->click();
    EXPECT_TRUE(m_panel.isRunning());
    EXPECT_TRUE(button("Execute")->text().startsWith("Writing File"))
        << button("Execute")->text().toStdString();
    button("Execute")->click(); // a second press while it runs does nothing
    ASSERT_TRUE(ended.wait(5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(ended.size(), 1);
    EXPECT_FALSE(asking());
    EXPECT_EQ(read(m_out), kMerged);
    EXPECT_EQ(button("Execute")->text(), "Merge Files Now");
    EXPECT_EQ(m_panel.message(), "Merged 4 lines into " + m_out);
    EXPECT_EQ(m_env.sound().played, QStringList{"/snd/ping.wav"});
}

TEST_F(JoinLogTest, AsksInItsOwnFrameBeforeReplacingAnOutput) {
    m_env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kPingAlert, "x.w"); // too short
    write("joined.log", "keep me\r\n");
    choose(m_one, m_two, m_out);
    button("Execute")->click();
    ASSERT_TRUE(asking());
    EXPECT_FALSE(m_panel.isRunning());
    EXPECT_TRUE(m_panel.findChild<QLabel *>("lblReplace")->text().contains(m_out));
    button("cmdCancel")->click();
    EXPECT_FALSE(asking());
    EXPECT_EQ(read(m_out), "keep me\r\n");

    button("Execute")->click();
    ASSERT_TRUE(asking());
    mergeAndWait("cmdReplace");
    EXPECT_FALSE(asking());
    EXPECT_EQ(read(m_out), kMerged);
    EXPECT_TRUE(m_env.sound().played.isEmpty());
}

TEST_F(JoinLogTest, RefusesAnOutputThatIsAnInputAndSaysWhy) {
    choose(m_one, m_two, m_two);
    button("Execute")->click();
    EXPECT_FALSE(asking());
    EXPECT_FALSE(m_panel.isRunning());
    EXPECT_TRUE(m_panel.message().contains("one of the inputs")) << m_panel.message().toStdString();
    EXPECT_EQ(read(m_two), "b @ 10:00:00 AM 12-04-2026\nd @ 12:00:00 PM 12-04-2026\n");
    // The chosen paths cannot be typed over.
    box("txtOutFile")->setText("elsewhere");
    EXPECT_EQ(box("txtOutFile")->text(), m_two);
}

} // namespace
} // namespace vidorev
