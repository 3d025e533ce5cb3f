#include "clocks/ded_uzedova.h"

#include "calc_special/round_penny.h"
#include "clocks/task_clock.h"
#include "platform/settings_keys.h"
#include "platform/text_forms.h"
#include "test_env.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace vidorev {
namespace {

const QString kUser = QStringLiteral("ann");

// One clock row's controls, found by their names.
struct Row {
    explicit Row(TaskClock *clock)
        : name(clock->findChild<QLineEdit *>(QStringLiteral("Text1"), Qt::FindDirectChildrenOnly))
        , code(clock->findChild<QLineEdit *>(QStringLiteral("Text3"), Qt::FindDirectChildrenOnly))
        , hours(clock->findChild<RoundPenny *>(QStringLiteral("Text2")))
        , start(clock->findChild<QPushButton *>(QStringLiteral("Command1")))
        , stop(clock->findChild<QPushButton *>(QStringLiteral("Command2"))) {}
    QString hoursText() const { return hours->box()->text(); }
    QLineEdit *name;
    QLineEdit *code;
    RoundPenny *hours;
    QPushButton *start;
    QPushButton *stop;
};

class DedUzedovaTest : public ::testing::Test {
protected:
    DedUzedovaTest() {
        m_diary = m_env.makeDiary(kUser);
        m_tracker = std::make_unique<DedUzedova>(m_env.services());
        m_tracker->setObjectName(QStringLiteral("DedUzedova1"));
        m_tracker->setUser(kUser);
        m_tracker->show();
    }
    Row row(int n) const { return Row(m_tracker->clock(n)); }
    QString get(const QString &section, const QString &key) const {
        return m_env.store().get(keys::kAppDiary, section, key);
    }
    QWidget *child(const QString &name) const {
        return m_tracker->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
    }
    QPushButton *button(const QString &name) const {
        return m_tracker->findChild<QPushButton *>(name);
    }
    // Focus moves only within the active window.
    void activate() {
        QApplication::setActiveWindow(m_tracker.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_tracker.get()));
    }
    void name(int n, const QString &jobName, const QString &code) {
        QTest::keyClicks(row(n).name, jobName);
        QTest::keyClicks(row(n).code, code);
    }

    mutable test::TestEnv m_env;
    QString m_diary;
    std::unique_ptr<DedUzedova> m_tracker;
};

TEST_F(DedUzedovaTest, StartingASecondClockHaltsTheFirstOnScreen) {
    QSignalSpy timing(m_tracker.get(), &DedUzedova::timingChanged);
    name(1, QStringLiteral("Check timing"), QStringLiteral("722"));
    name(2, QStringLiteral("Phone"), QStringLiteral("9"));
    activate();
    row(1).start->click();
    EXPECT_TRUE(row(1).stop->hasFocus());
    m_env.clock().advanceSeconds(25 * 60);
    row(2).start->click();

    EXPECT_EQ(timing.count(), 2);
    EXPECT_EQ(get(kUser, keys::kStack), QStringLiteral(":annTC1:annTC2"));
    EXPECT_FALSE(row(1).start->isEnabled());
    EXPECT_FALSE(row(1).stop->isEnabled());
    EXPECT_TRUE(row(1).name->isReadOnly());
    EXPECT_EQ(row(1).hoursText(), QStringLiteral("0.41")); // 25 minutes, cut to cents
    EXPECT_TRUE(row(2).stop->isEnabled());
    EXPECT_TRUE(button(QStringLiteral("Command4"))->isEnabled()); // Annotate

    m_env.clock().advanceSeconds(5 * 60);
    row(2).stop->click();
    EXPECT_TRUE(row(1).stop->isEnabled());
    EXPECT_TRUE(row(2).start->isEnabled());
    EXPECT_FALSE(row(2).name->isReadOnly());
    const QStringList lines = m_env.diaryLines(m_diary);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("[9][Stop ]{5}<Phone> @ ")));
}

TEST_F(DedUzedovaTest, WithTheDiaryMissingAStartChangesNothingAndSaysWhy) {
    name(1, QStringLiteral("Check timing"), QStringLiteral("722"));
    QFile::remove(m_diary);
    QSignalSpy timing(m_tracker.get(), &DedUzedova::timingChanged);
    row(1).start->click();

    EXPECT_EQ(timing.count(), 0);
    EXPECT_EQ(get(kUser, keys::kStack), QString());
    EXPECT_EQ(get(QStringLiteral("annTC1"), keys::kStatus), QString());
    EXPECT_TRUE(row(1).start->isEnabled());
    EXPECT_FALSE(row(1).name->isReadOnly());
    EXPECT_TRUE(child(QStringLiteral("Frame2"))->isVisible());
    EXPECT_FALSE(child(QStringLiteral("Frame1"))->isVisible());
    const auto *problem = m_tracker->findChild<QLabel *>(QStringLiteral("lblDiaryProblem"));
    EXPECT_TRUE(problem->isVisible());
    EXPECT_TRUE(problem->text().contains(QStringLiteral("Diary file is missing")));

    // "OK" returns to the clocks; "Help" later shows the help without the old complaint.
    button(QStringLiteral("Command3"))->click();
    EXPECT_TRUE(child(QStringLiteral("Frame1"))->isVisible());
    button(QStringLiteral("Command2"))->click();
    EXPECT_TRUE(child(QStringLiteral("Frame2"))->isVisible());
    EXPECT_FALSE(problem->isVisible());
}

TEST_F(DedUzedovaTest, EditingAnIdleClockZeroesItsHoursButLoadingDoesNot) {
    m_env.store().save(keys::kAppDiary, QStringLiteral("annTC3"), keys::kSoFar,
                       QStringLiteral("90"));
    m_tracker->setUser(kUser);
    EXPECT_EQ(row(3).hoursText(), QStringLiteral("1.5"));
    EXPECT_EQ(get(QStringLiteral("annTC3"), keys::kSoFar), QStringLiteral("90"));
    QTest::keyClicks(row(3).code, QStringLiteral("7"));
    EXPECT_EQ(row(3).hoursText(), QStringLiteral("0"));
    EXPECT_EQ(get(QStringLiteral("annTC3"), keys::kSoFar), QStringLiteral("0"));
    EXPECT_EQ(get(QStringLiteral("annTC3"), keys::kJob), QStringLiteral("7"));
}

TEST_F(DedUzedovaTest, EnterStartsAnIdleClockAndDoesNothingOnARunningOne) {
    QTest::keyClicks(row(1).name, QStringLiteral("Check timing"));
    QTest::keyClick(row(1).name, Qt::Key_Return);
    EXPECT_EQ(get(QStringLiteral("annTC1"), keys::kStatus), QStringLiteral("Run"));
    row(1).name->setFocus();
    QTest::keyClick(row(1).name, Qt::Key_Return);
    EXPECT_EQ(m_env.diaryLines(m_diary).size(), 1);
    EXPECT_EQ(get(kUser, keys::kStack), QStringLiteral(":annTC1"));
}

TEST_F(DedUzedovaTest, TabAndEnterMoveBetweenNameAndCode) {
    activate();
    row(4).name->setFocus();
    QTest::keyClick(row(4).name, Qt::Key_Tab);
    EXPECT_TRUE(row(4).code->hasFocus());
    QTest::keyClick(row(4).code, Qt::Key_Tab);
    EXPECT_TRUE(row(4).name->hasFocus());
    row(4).code->setFocus();
    QTest::keyClick(row(4).code, Qt::Key_Return);
    EXPECT_TRUE(row(4).name->hasFocus());
    EXPECT_EQ(get(QStringLiteral("annTC4"), keys::kStatus),
              QString()); // Enter in Code starts nothing
}

TEST_F(DedUzedovaTest, ARunningClockSurvivesARestartAndCountsTheTimeAway) {
    name(1, QStringLiteral("Check timing"), QStringLiteral("722"));
    row(1).start->click();
    m_tracker.reset(); // the program closes

    m_env.clock().advanceSeconds(90 * 60);
    auto store = SettingsStore::open(m_env.store().path());
    test::RecordingSoundPlayer sound;
    DedUzedova tracker(Services{*store, m_env.clock(), sound});
    tracker.setUser(kUser);
    const Row again(tracker.clock(1));
    EXPECT_TRUE(again.stop->isEnabled());
    EXPECT_EQ(again.name->text(), QStringLiteral("Check timing"));
    again.stop->click();
    EXPECT_EQ(m_env.diaryLines(m_diary).last(),
              QStringLiteral("[722][Stop ]{90}<Check timing> @ ") +
                  text::diaryTime(m_env.clock().now().time()) +
                  QStringLiteral(" after 90 minutes"));
    EXPECT_EQ(again.hoursText(), QStringLiteral("1.5"));
}

TEST_F(DedUzedovaTest, UserNameSetsUpTheTrackerOnlyFromThreeCharacters) {
    const auto *label = m_tracker->findChild<QLabel *>(QStringLiteral("Label8"));
    EXPECT_EQ(label->text(), kUser);
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(get(kUser + QStringLiteral("TC%1").arg(n), keys::kContainer),
                  QStringLiteral("DedUzedova1"));
    m_tracker->setUser(QStringLiteral("al"));
    EXPECT_EQ(label->text(), kUser);
    // ann's clocks stay in view but cannot be started under another user's name.
    EXPECT_FALSE(row(1).start->isEnabled());
    EXPECT_FALSE(button(QStringLiteral("Command4"))->isEnabled());
    EXPECT_EQ(get(QStringLiteral("alTC1"), keys::kContainer), QString());
}

TEST_F(DedUzedovaTest, AClockHaltedElsewhereShowsHaltedWhenThePanelIsShownAgain) {
    name(1, QStringLiteral("Check timing"), QStringLiteral("722"));
    row(1).start->click();
    m_tracker->hide();
    // A to-do task clock starts on the same stack while the tracker is hidden.
    RunningJobs jobs(m_env.store(), m_env.clock());
    ASSERT_EQ(jobs.start(kUser, QStringLiteral("annDoData5"), QStringLiteral("Shop"),
                         QStringLiteral("Call supplier"))
                  .result,
              PostResult::Posted);
    m_tracker->show();
    EXPECT_FALSE(row(1).stop->isEnabled());
    EXPECT_FALSE(row(1).start->isEnabled());
}

TEST(DedUzedova, ClocksWaitForAUser) {
    test::TestEnv env;
    env.makeDiary(kUser);
    DedUzedova tracker(env.services());
    tracker.show();
    EXPECT_FALSE(Row(tracker.clock(1)).start->isEnabled());
    tracker.setUser(kUser);
    EXPECT_TRUE(Row(tracker.clock(1)).start->isEnabled());
}

TEST_F(DedUzedovaTest, AnnotateAsksTheHost) {
    QSignalSpy annotate(m_tracker.get(), &DedUzedova::annotateRequest);
    name(1, QStringLiteral("Check timing"), QStringLiteral("722"));
    row(1).start->click();
    button(QStringLiteral("Command4"))->click();
    EXPECT_EQ(annotate.count(), 1);
}

} // namespace
} // namespace vidorev
