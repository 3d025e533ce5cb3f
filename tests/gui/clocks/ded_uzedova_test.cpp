#include "clocks/ded_uzedova.h"

#include "calc_special/round_penny.h"
#include "clocks/job_tracker.h"
#include "clocks/task_clock.h"
#include "diary/diary_writer.h"
#include "diary/event_add.h"
#include "platform/settings_keys.h"
#include "platform/text_forms.h"
#include "platform/version.h"
#include "shell/main_window.h"
#include "test_env.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

// The job tracker as the program shows it, on its host window.
namespace vidorev {
namespace {

const QString kUser = QStringLiteral("ann");

// One job clock row's controls, found by their names.
struct ClockRow {
    explicit ClockRow(TaskClock *clock)
        : name(clock->findChild<QLineEdit *>(QStringLiteral("Text1"), Qt::FindDirectChildrenOnly))
        , code(clock->findChild<QLineEdit *>(QStringLiteral("Text3"), Qt::FindDirectChildrenOnly))
        , hours(clock->findChild<RoundPenny *>(QStringLiteral("Text2"))->box())
        , start(clock->findChild<QPushButton *>(QStringLiteral("Command1")))
        , stop(clock->findChild<QPushButton *>(QStringLiteral("Command2"))) {}
    void type(const QString &jobName, const QString &jobCode) const {
        QTest::keyClicks(name, jobName);
        QTest::keyClicks(code, jobCode);
    }
    QLineEdit *name, *code, *hours;
    QPushButton *start, *stop;
};

// The program started for the user "ann" with an empty Diary, the job tracker on screen.
class DedUzedovaTest : public ::testing::Test {
protected:
    DedUzedovaTest() {
        m_diary = m_env.makeDiary(kUser);
        open();
        find(QStringLiteral("cmdHotJobTrack"))->click();
    }
    // Starts the program afresh on the same store.
    void open() {
        m_window.reset();
        m_window =
            std::make_unique<MainWindow>(m_env.services(), m_writer, QStringLiteral("/Uann"));
        m_window->handleFirstActivation();
        m_window->show();
        // Focus moves only within the active window.
        QApplication::setActiveWindow(m_window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }
    template <typename T = QPushButton> T *find(const QString &name) const {
        return m_window->findChild<T *>(name);
    }
    DedUzedova *tracker() const { return find<DedUzedova>(QStringLiteral("DedUzedova1")); }
    template <typename T = QPushButton> T *child(const QString &name) const {
        return tracker()->findChild<T *>(name);
    }
    ClockRow row(int n) const { return ClockRow(tracker()->clock(n)); }
    QString flag() const { return find(QStringLiteral("cmdStatusFlag"))->text(); }
    QString get(const QString &section, const QString &key) const {
        return m_env.store().get(keys::kAppDiary, section, key);
    }

    mutable test::TestEnv m_env;
    QString m_diary;
    DiaryWriter m_writer{m_env.store(), Version::current().hostTag(), Version::current().full()};
    std::unique_ptr<MainWindow> m_window;
};

TEST_F(DedUzedovaTest, StartingASecondClockHaltsTheFirstAndTheHostFollowsTheRunningOne) {
    ASSERT_TRUE(tracker()->isVisible());
    row(1).type(QStringLiteral("Check timing"), QStringLiteral("722"));
    row(2).type(QStringLiteral("Phone"), QStringLiteral("9"));
    row(1).start->click();
    EXPECT_EQ(flag(), QStringLiteral("#"));
    m_env.clock().advanceSeconds(25 * 60);
    tracker()->clock(1)->showTime(); // as each minute does: a running clock shows its total
    EXPECT_EQ(row(1).hours->text(), QStringLiteral("0.41")); // 25 minutes, cut to cents
    const auto *state = tracker()->clock(1)->findChild<QLabel *>(QStringLiteral("lblState"));
    EXPECT_EQ(state->text(), QString());
    row(2).start->click();
    EXPECT_FALSE(row(1).stop->isEnabled());
    EXPECT_TRUE(row(1).name->isReadOnly());
    EXPECT_EQ(row(1).hours->text(), QStringLiteral("0.41"));
    EXPECT_EQ(state->text(), QStringLiteral("paused"));
    EXPECT_EQ(row(1).hours->accessibleDescription(),
              QStringLiteral("Paused while another clock runs"));

    // Annotate opens the memo panel; its JobStamp names the running job and returns here.
    child(QStringLiteral("Command4"))->click();
    auto *memo = find<EventAdd>(QStringLiteral("EventAdd1"));
    ASSERT_TRUE(memo->isVisible());
    QTest::keyClicks(memo->findChild<QPlainTextEdit *>(QStringLiteral("Text1")),
                     QStringLiteral("toner"));
    memo->findChild<QPushButton *>(QStringLiteral("Command4"))->click(); // JobStamp
    EXPECT_TRUE(tracker()->isVisible());
    EXPECT_TRUE(
        m_env.diaryLines(m_diary).at(2).startsWith(QStringLiteral("[9][Memo ]<Phone> toner @ ")));

    m_env.clock().advanceSeconds(5 * 60);
    row(2).stop->click();
    EXPECT_TRUE(row(1).stop->isEnabled());
    EXPECT_TRUE(row(2).start->isEnabled());
    EXPECT_EQ(flag(), QStringLiteral("#")); // clock 1 runs again

    find(QStringLiteral("cmdMainMenu"))->click();
    EXPECT_FALSE(tracker()->isVisible());
    find(QStringLiteral("cmdStatusFlag"))->click();
    EXPECT_TRUE(tracker()->isVisible());
    EXPECT_EQ(m_window->mode(), 2);
    row(1).stop->click();
    EXPECT_EQ(flag(), QString());
}

TEST_F(DedUzedovaTest, AClockLeftRunningCountsTheTimeTheProgramWasClosed) {
    row(1).type(QStringLiteral("Check timing"), QStringLiteral("722"));
    row(1).start->click();
    m_env.clock().advanceSeconds(90 * 60);
    open();

    EXPECT_EQ(flag(), QStringLiteral("#"));
    find(QStringLiteral("cmdStatusFlag"))->click(); // loads the tracker for the user
    EXPECT_TRUE(row(1).stop->isEnabled());
    row(1).stop->click();
    EXPECT_EQ(m_env.diaryLines(m_diary).last(),
              QStringLiteral("[722][Stop ]{90}<Check timing> @ %1 after 90 minutes")
                  .arg(text::diaryTime(m_env.clock().now().time())));
}

TEST_F(DedUzedovaTest, WithTheDiaryMissingAStartChangesNothingAndSaysWhy) {
    row(1).type(QStringLiteral("Check timing"), QStringLiteral("722"));
    QFile::remove(m_diary);
    row(1).start->click();
    EXPECT_EQ(get(kUser, keys::kStack), QString());
    EXPECT_TRUE(row(1).start->isEnabled());
    const auto *problem = child<QLabel>(QStringLiteral("lblDiaryProblem"));
    EXPECT_TRUE(problem->isVisible());
    EXPECT_TRUE(problem->text().contains(QStringLiteral("Diary file is missing")));
}

TEST_F(DedUzedovaTest, EditingAnIdleClockZeroesItsHoursButLoadingDoesNot) {
    for (const auto &[key, value] : {std::pair{keys::kSoFar, "90"}, {keys::kJob, "722"}})
        m_env.store().save(keys::kAppDiary, QStringLiteral("annTC3"), key,
                           QString::fromUtf8(value));
    m_env.store().save(keys::kAppDiary, QStringLiteral("annTC4"), keys::kSoFar,
                       QStringLiteral("69"));
    tracker()->setUser(kUser);
    EXPECT_EQ(row(3).hours->text(), QStringLiteral("1.5"));
    EXPECT_EQ(row(4).hours->text(), QStringLiteral("1.15")); // exactly, not a cent low
    EXPECT_EQ(get(QStringLiteral("annTC3"), keys::kSoFar), QStringLiteral("90"));
    QTest::keyClicks(row(3).code, QStringLiteral("7"));
    EXPECT_EQ(row(3).hours->text(), QStringLiteral("0"));
}

TEST_F(DedUzedovaTest, EnterInTheNameStartsAnIdleClockAndTabOrEnterSwapNameAndCode) {
    const ClockRow r = row(1);
    r.code->setFocus();
    QTest::keyClick(r.code, Qt::Key_Return); // Enter in Code starts nothing
    EXPECT_TRUE(r.name->hasFocus());
    QTest::keyClick(r.name, Qt::Key_Tab);
    EXPECT_TRUE(r.code->hasFocus());
    QTest::keyClick(r.code, Qt::Key_Tab); // on through the row, not back: no keyboard trap
    EXPECT_FALSE(r.name->hasFocus() || r.code->hasFocus());
    EXPECT_EQ(get(kUser, keys::kStack), QString());

    QTest::keyClicks(r.name, QStringLiteral("Check timing"));
    QTest::keyClick(r.name, Qt::Key_Return);
    EXPECT_TRUE(r.stop->hasFocus());
    r.name->setFocus();
    QTest::keyClick(r.name, Qt::Key_Return); // running: Enter does nothing
    EXPECT_EQ(get(kUser, keys::kStack), QStringLiteral(":annTC1"));
    EXPECT_EQ(m_env.diaryLines(m_diary).size(), 1);
}

TEST_F(DedUzedovaTest, NoClockWorksWithoutAUserOfThreeCharactersFreeOfColons) {
    DedUzedova fresh(m_env.services());
    EXPECT_FALSE(ClockRow(fresh.clock(1)).start->isEnabled());
    for (const QString &user : {QStringLiteral("al"), QStringLiteral("j:oe")}) {
        SCOPED_TRACE(user.toStdString());
        tracker()->setUser(user);
        EXPECT_EQ(child<QLabel>(QStringLiteral("Label8"))->text(), kUser);
        // ann's clocks cannot be started under another user's name; the help frame says why.
        EXPECT_FALSE(row(1).start->isEnabled());
        EXPECT_TRUE(child<QWidget>(QStringLiteral("Frame2"))->isVisible());
        EXPECT_EQ(child<QLabel>(QStringLiteral("lblDiaryProblem"))->text(),
                  job_tracker::userRefusal(user));
        EXPECT_EQ(get(user + QStringLiteral("TC1"), keys::kContainer), QString());
    }
    EXPECT_EQ(get(QStringLiteral("annTC5"), keys::kContainer), QStringLiteral("DedUzedova1"));
}

TEST_F(DedUzedovaTest, AClockHaltedElsewhereShowsHaltedWhenThePanelIsShownAgain) {
    row(1).type(QStringLiteral("Check timing"), QStringLiteral("722"));
    row(1).start->click();
    tracker()->hide();
    // A to-do task clock starts on the same stack while the tracker is hidden.
    RunningJobs(m_env.store(), m_env.clock())
        .start(kUser, QStringLiteral("annDoData5"), QStringLiteral("Shop"), QStringLiteral("Call"));
    tracker()->show();
    EXPECT_FALSE(row(1).stop->isEnabled());
}

} // namespace
} // namespace vidorev
