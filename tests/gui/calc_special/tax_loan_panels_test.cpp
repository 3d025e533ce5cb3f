#include "calc/tv_calc.h"
#include "calc_special/credit_math.h"
#include "platform/settings_keys.h"
#include "test_env.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vidorev {
namespace {

QLineEdit *boxIn(QWidget *in, const char *name) {
    QWidget *w = in->findChild<QWidget *>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    if (!w)
        return nullptr;
    // Entry components hold their text box as "Text1"; plain boxes are their own.
    auto *inner = w->findChild<QLineEdit *>(QStringLiteral("Text1"));
    return inner ? inner : qobject_cast<QLineEdit *>(w);
}

// What the user does in a box: go into it, replace its text by typing, and press Enter.
void enter(QLineEdit *box, const QString &keys) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, keys);
    QTest::keyClick(box, Qt::Key_Return);
}

// Shown in the window, with the keyboard focus to go round.
void showActive(QWidget &w) {
    w.resize(640, 640);
    w.show();
    QApplication::setActiveWindow(&w);
    (void)QTest::qWaitForWindowActive(&w);
}

class TaxPanel : public ::testing::Test {
protected:
    TaxPanel() {
        env.store().save(keys::kAppClock, keys::kSecCash, keys::kTaxPct, QStringLiteral("0.07"));
        calc.setInitMe(true);
        showActive(calc);
        calc.findChild<QPushButton *>(QStringLiteral("cmdTax"))->click();
        tax = calc.findChild<QWidget *>(QStringLiteral("TaxWiz1"));
    }
    QString text(const char *name) { return boxIn(tax, name)->text(); }

    test::TestEnv env;
    TVCalc calc{env.services()};
    QWidget *tax = nullptr;
};

TEST_F(TaxPanel, TheStoredRateAndATypedCostGiveTaxTotalAndTheSentence) {
    ASSERT_TRUE(tax->isVisible());
    EXPECT_EQ(text("PerCentBox1"), QStringLiteral("7"));
    enter(boxIn(tax, "pmcceCostBefore"), QStringLiteral("42.95"));
    EXPECT_EQ(text("RoundPenny1"), QStringLiteral("3"));
    EXPECT_EQ(text("pmcceAfterTax"), QStringLiteral("45.95"));
    tax->findChild<QPushButton *>(QStringLiteral("cmdCopy"))->click();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("The tax on $42.95 at 7% is $3 for a total of $45.95."));

    // A total typed in works backwards; a new rate then works from the total.
    enter(boxIn(tax, "pmcceAfterTax"), QStringLiteral("110"));
    EXPECT_EQ(text("pmcceCostBefore"), QStringLiteral("102.81"));
    enter(boxIn(tax, "PerCentBox1"), QStringLiteral("10"));
    EXPECT_EQ(text("RoundPenny1"), QStringLiteral("10"));
    EXPECT_EQ(text("pmcceCostBefore"), QStringLiteral("100"));

    // What is no number counts as 0; at -100 % no total tells its cost.
    enter(boxIn(tax, "pmcceCostBefore"), QStringLiteral("x"));
    EXPECT_EQ(text("pmcceCostBefore"), QStringLiteral("0"));
    EXPECT_EQ(text("pmcceAfterTax"), QStringLiteral("0"));
    enter(boxIn(tax, "PerCentBox1"), QStringLiteral("-100"));
    enter(boxIn(tax, "pmcceAfterTax"), QStringLiteral("50"));
    EXPECT_EQ(text("RoundPenny1"), QStringLiteral("Error: division by zero"));
    EXPECT_EQ(text("pmcceCostBefore"), QStringLiteral("Error: division by zero"));
}

TEST(LoanPanel, TermsTypedInGivePaymentTotalsAndPayoff) {
    CreditMath loan;
    showActive(loan);
    QLineEdit *principal = boxIn(&loan, "Principal");
    EXPECT_EQ(boxIn(&loan, "APR")->text(), QStringLiteral("21.9"));
    EXPECT_EQ(boxIn(&loan, "Periods")->text(), QStringLiteral("24"));

    // An amount counts once it is entered, not while it is typed.
    principal->setFocus();
    QTest::keyClicks(principal, QStringLiteral("1000"));
    EXPECT_EQ(boxIn(&loan, "PayAmount")->text(), QStringLiteral("0"));
    QTest::keyClick(principal, Qt::Key_Return);
    EXPECT_EQ(boxIn(&loan, "PayAmount")->text(), QStringLiteral("51.83"));
    EXPECT_EQ(boxIn(&loan, "TotalPay")->text(), QStringLiteral("1243.92"));
    EXPECT_EQ(boxIn(&loan, "Cost")->text(), QStringLiteral("243.92"));

    enter(boxIn(&loan, "EarlyPay"), QStringLiteral("12"));
    EXPECT_EQ(boxIn(&loan, "PayOff")->text(), QStringLiteral("554.04"));
    EXPECT_EQ(boxIn(&loan, "txtTotalPayoff")->text(), QStringLiteral("605.87"));
    EXPECT_EQ(boxIn(&loan, "UnEarn")->text(), QStringLiteral("67.92"));

    // No payments: the error where the results would be, and no payoff.
    enter(boxIn(&loan, "Periods"), QStringLiteral("0"));
    EXPECT_EQ(boxIn(&loan, "PayAmount")->text(), QStringLiteral("Error: division by zero"));
    EXPECT_EQ(boxIn(&loan, "TotalPay")->text(), QStringLiteral("Error: division by zero"));
    EXPECT_EQ(boxIn(&loan, "PayOff")->text(), QStringLiteral("0"));
    // A count that is no number is 24 once the box is left.
    enter(boxIn(&loan, "Periods"), QStringLiteral("many"));
    EXPECT_EQ(boxIn(&loan, "Periods")->text(), QStringLiteral("24"));
    EXPECT_EQ(boxIn(&loan, "PayAmount")->text(), QStringLiteral("51.83"));
}

} // namespace
} // namespace vidorev
