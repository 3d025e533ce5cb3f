#include "calc/calculator_panel.h"
#include "calc_special/loan_sheet_panel.h"
#include "test_env.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace vidorev::test {
namespace {

// A box by its name: entry components hold their text box as "Text1", plain boxes are their own.
QLineEdit *boxIn(QWidget *in, const char *name) {
    auto *w = in->findChild<QWidget *>(name);
    auto *inner = w->findChild<QLineEdit *>("Text1");
    return inner ? inner : qobject_cast<QLineEdit *>(w);
}

// What the user does in a box: go into it, replace its text by typing, and press Enter.
void enter(QWidget *in, const char *name, const char *keys) {
    QLineEdit *box = boxIn(in, name);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, keys);
    QTest::keyClick(box, Qt::Key_Return);
}

void showActive(QWidget &w) {
    w.resize(640, 640);
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

TEST(TaxPanel, TheStoredRateAndATypedAmountGiveTheOthersAndTheSentence) {
    TestEnv env;
    env.store().save(keys::kAppClock, keys::kSecCash, keys::kTaxPct, "0.07");
    CalculatorPanel calc(env.services());
    calc.setInitMe(true);
    showActive(calc);
    calc.findChild<QPushButton *>("cmdTax")->click();
    auto *tax = calc.findChild<QWidget *>("TaxWiz1");
    EXPECT_EQ(boxIn(tax, "PerCentBox1")->text(), "7");
    enter(tax, "pmcceCostBefore", "42.95");
    EXPECT_EQ(boxIn(tax, "RoundPenny1")->text(), "3");
    tax->findChild<QPushButton *>("cmdCopy")->click();
    EXPECT_EQ(QApplication::clipboard()->text(),
              "The tax on $42.95 at 7% is $3 for a total of $45.95.");
    // A total typed in works backwards; a new rate then works from the total.
    enter(tax, "pmcceAfterTax", "110");
    enter(tax, "PerCentBox1", "10");
    EXPECT_EQ(boxIn(tax, "pmcceCostBefore")->text(), "100");
}

TEST(LoanPanel, TermsTypedInGivePaymentTotalsAndPayoff) {
    LoanSheetPanel loan;
    showActive(loan);
    // An amount counts once it is entered, not while it is typed.
    QLineEdit *principal = boxIn(&loan, "Principal");
    principal->setFocus();
    QTest::keyClicks(principal, "1000");
    EXPECT_EQ(boxIn(&loan, "PayAmount")->text(), "0");
    QTest::keyClick(principal, Qt::Key_Return);
    EXPECT_EQ(boxIn(&loan, "PayAmount")->text(), "51.83"); // 21.9 % over 24 payments
    enter(&loan, "EarlyPay", "12");
    EXPECT_EQ(boxIn(&loan, "UnEarn")->text(), "67.92");
    // A count that is no number is 24 once the box is left.
    enter(&loan, "Periods", "many");
    EXPECT_EQ(boxIn(&loan, "Periods")->text(), "24");
}

} // namespace
} // namespace vidorev::test
