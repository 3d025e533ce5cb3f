#include "calc/tv_calc.h"
#include "calc_special/tv_tron.h"
#include "diary/diary_writer.h"
#include "platform/settings_keys.h"
#include "shell/main_window.h"
#include "test_env.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vidorev;

namespace {

class CalcInMainWindow : public ::testing::Test {
protected:
    CalcInMainWindow()
        : writer(env.store(), QStringLiteral("Vidorev 1.0.0"), QStringLiteral("1.0.0"))
        , window(env.services(), writer, QString()) {
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
        window.handleFirstActivation();
    }

    template <typename T = QWidget> T *child(const char *name) {
        T *found = window.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void setUser(const QString &user) { child<QLineEdit>("txtUserId")->setText(user); }
    void openCalculator() { child<QPushButton>("cmdCalculator")->click(); }
    // The electronics calculator raises the memo; the host passes it on.
    void sendMemo(const QString &memo) {
        auto *calc = child<TVCalc>("TVCalc1");
        calc->setMemo(memo);
        emit calc->findChild<TVTron *>(QStringLiteral("TVTron1"))->memoReady();
    }

    test::TestEnv env;
    DiaryWriter writer;
    MainWindow window;
};

TEST_F(CalcInMainWindow, CalculateShowsTheCalculatorWithTheEntryLineFocused) {
    env.makeDiary(QStringLiteral("ann"));
    setUser(QStringLiteral("ann"));
    openCalculator();
    EXPECT_TRUE(child("TVCalc1")->isVisible());
    EXPECT_EQ(window.mode(), 5);
    EXPECT_EQ(QApplication::focusWidget(),
              child("TypeInPad1")->findChild<QLineEdit *>(QStringLiteral("Text1")));
    // The keyboard works from there at once.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2+3*4="));
    EXPECT_EQ(child<TVCalc>("TVCalc1")->currentValue(), 20);
}

TEST_F(CalcInMainWindow, EveryShowingReadsTheStoredSelection) {
    openCalculator();
    QWidget *frame1 = child("TVCalc1")->findChild<QWidget *>(QStringLiteral("Frame1"));
    EXPECT_TRUE(frame1->isVisible());
    child<QPushButton>("cmdMainMenu")->click();
    env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kCalcSel, QStringLiteral("Loan"));
    openCalculator();
    EXPECT_TRUE(child("CreditMath1")->isVisible());
    EXPECT_FALSE(frame1->isVisible());
}

TEST_F(CalcInMainWindow, MemoGoesToTheCurrentUsersDiaryTaggedCalc) {
    const QString annDiary = env.makeDiary(QStringLiteral("ann"), QStringLiteral("ann.log"));
    const QString bobDiary = env.makeDiary(QStringLiteral("bob"), QStringLiteral("bob.log"));
    setUser(QStringLiteral("bob"));
    child<QPushButton>("Command4")->click(); // the memo writer now has bob
    child<QPushButton>("cmdMainMenu")->click();
    setUser(QStringLiteral("ann"));
    openCalculator();
    sendMemo(QStringLiteral("R = 47 Ohms"));
    const QStringList lines = env.diaryLines(annDiary);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.first().contains(QStringLiteral("Calc")));
    EXPECT_TRUE(lines.first().contains(QStringLiteral("R = 47 Ohms")));
    EXPECT_TRUE(env.diaryLines(bobDiary).isEmpty());
}

TEST_F(CalcInMainWindow, NoMemoWithoutADiary) {
    setUser(QStringLiteral("carol")); // no Diary
    openCalculator();
    sendMemo(QStringLiteral("lost?"));
    EXPECT_TRUE(child("TVCalc1")->isVisible()); // nothing else happened
    EXPECT_EQ(window.mode(), 6);
}

} // namespace
