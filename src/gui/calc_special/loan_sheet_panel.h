#pragma once

#include <QWidget>

class QGroupBox;
class QLineEdit;

namespace vidorev {

class PercentBox;
class MoneyBox;

// The loan calculator: from the annual rate, the amount financed and the number of monthly
// payments, the payment, its total and the cost of the credit; for a payment at which the loan
// is paid off early, the balance, that month's total and the saving. It keeps no settings.
class LoanSheetPanel : public QWidget {
    Q_OBJECT
public:
    explicit LoanSheetPanel(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The amount box was committed: its number (or 0) becomes the amount financed.
    void amountEntered();
    // The number of payments box was committed: it shows the count it stands for.
    void paymentsEntered();
    void calculate();
    void showHelp(bool help);

    double m_amount = 0.0;
    bool m_writing = false; // the calculator is rewriting its own boxes
    QGroupBox *m_frame1 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    PercentBox *m_apr = nullptr;
    QLineEdit *m_principal = nullptr;
    QLineEdit *m_periods = nullptr;
    MoneyBox *m_payAmount = nullptr;
    QLineEdit *m_totalPay = nullptr;
    QLineEdit *m_cost = nullptr;
    QLineEdit *m_earlyPay = nullptr;
    MoneyBox *m_payOff = nullptr;
    QLineEdit *m_totalPayoff = nullptr;
    QLineEdit *m_unEarn = nullptr;
};

} // namespace vidorev
