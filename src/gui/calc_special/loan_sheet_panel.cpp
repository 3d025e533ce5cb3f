#include "calc_special/loan_sheet_panel.h"

#include "calc_special/loan_terms.h"
#include "calc_special/money_box.h"
#include "calc_special/money_text.h"
#include "calc_special/percent_box.h"
#include "platform/text_forms.h"
#include "widgets/controls.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidorev {

namespace {

QLineEdit *resultBox(const QString &name, const QString &accessibleName, QWidget *parent) {
    QLineEdit *box = controls::readOnlyBox(name, accessibleName, parent);
    // Shaded like the money boxes that show results.
    QPalette shaded = box->palette();
    shaded.setColor(QPalette::Base, shaded.color(QPalette::Button));
    box->setPalette(shaded);
    return box;
}

void showMoney(MoneyBox *box, std::optional<qint64> cents, const QString &text) {
    if (cents)
        box->setCents(*cents);
    else
        controls::showText(box->box(), text);
}

bool isCommit(QEvent *event) {
    if (event->type() == QEvent::FocusOut)
        return true;
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

LoanSheetPanel::LoanSheetPanel(QWidget *parent)
    : QWidget(parent) {
    setAccessibleName(QStringLiteral("Loan calculator"));
    m_frame1 =
        controls::frame(QStringLiteral("Frame1"), QStringLiteral("Interest Calculations"), this);
    m_apr = new PercentBox(m_frame1);
    m_apr->setObjectName(QStringLiteral("APR"));
    m_apr->box()->setAccessibleName(QStringLiteral("Annual percentage rate"));
    m_principal =
        controls::lineBox(QStringLiteral("Principal"), QStringLiteral("Amount Financed"), m_frame1);
    m_periods =
        controls::lineBox(QStringLiteral("Periods"), QStringLiteral("Monthly payments"), m_frame1);
    m_payAmount = new MoneyBox(m_frame1);
    m_payAmount->setObjectName(QStringLiteral("PayAmount"));
    m_payAmount->setLocked(true);
    m_payAmount->box()->setAccessibleName(QStringLiteral("Payment Amount"));
    m_totalPay =
        resultBox(QStringLiteral("TotalPay"), QStringLiteral("Total of Payments"), m_frame1);
    m_cost = resultBox(QStringLiteral("Cost"), QStringLiteral("Cost of credit"), m_frame1);
    m_earlyPay = controls::lineBox(QStringLiteral("EarlyPay"),
                                   QStringLiteral("If paid off at payment"), m_frame1);
    m_payOff = new MoneyBox(m_frame1);
    m_payOff->setObjectName(QStringLiteral("PayOff"));
    m_payOff->setLocked(true);
    m_payOff->box()->setAccessibleName(QStringLiteral("PayOff"));
    m_totalPayoff =
        resultBox(QStringLiteral("txtTotalPayoff"), QStringLiteral("totaling"), m_frame1);
    m_unEarn = resultBox(QStringLiteral("UnEarn"), QStringLiteral("and Saving"), m_frame1);
    auto *help = controls::button(QStringLiteral("Command2"), QStringLiteral("Help"), QString(),
                                  m_frame1, QStringLiteral("Help for Interest Calculator"));

    auto *grid = new QGridLayout(m_frame1);
    const struct {
        const char *caption;
        QWidget *box;
    } rows[] = {{"Annual percentage rate", m_apr},
                {"Amount Financed", m_principal},
                {"Monthly payments", m_periods},
                {"Payment Amount", m_payAmount},
                {"Total of Payments", m_totalPay},
                {"Cost of credit", m_cost},
                {"If paid off at payment", m_earlyPay},
                {"totaling", m_totalPayoff},
                {"and Saving", m_unEarn}};
    int row = 0;
    for (const auto &r : rows) {
        auto *label = new QLabel(QString::fromLatin1(r.caption), m_frame1);
        label->setBuddy(r.box);
        grid->addWidget(label, row, 0);
        grid->addWidget(r.box, row, 1);
        // The payoff amount stands beside the payment it belongs to.
        if (r.box == m_earlyPay)
            grid->addWidget(m_payOff, row, 2);
        ++row;
    }
    grid->addWidget(help, row, 0, 1, 3, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    m_frame2 = controls::frame(QStringLiteral("Frame2"),
                               QStringLiteral("Help for Interest Calculator"), this);
    QPushButton *back = controls::fillHelpFrame(
        m_frame2,
        QStringLiteral(
            "This function is to evaluate time payments and loans. Fill in the Interest rate "
            "box, the amount of the loan, and the number of payments.. a twenty year mortgage "
            "would be entered as \"240.\" The correct payment amount will be calculated as soon "
            "as you have three entries, and will re-calculate as you edit the values. The total "
            "of Payments box will show the result of paying that payment that many times, and "
            "the Cost of credit box will show you the difference between the Amount Financed "
            "and the Total of Payments. You can also calculate early payoff."));
    m_frame2->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_frame1);
    layout->addWidget(m_frame2);

    for (QWidget *box : {m_apr->box(), m_principal, m_periods})
        box->installEventFilter(this);
    connect(m_apr, &PercentBox::valueChanged, this, [this] {
        // A rate given whole (by a screen reader) counts as confirmed; a typed one on Enter.
        if (!m_writing && controls::wholeValueSet(m_apr->box()))
            calculate();
    });
    connect(m_principal, &QLineEdit::textChanged, this, [this] {
        if (!m_writing && controls::wholeValueSet(m_principal))
            amountEntered();
    });
    connect(m_periods, &QLineEdit::textChanged, this, [this] {
        if (m_writing)
            return;
        if (controls::wholeValueSet(m_periods))
            paymentsEntered();
        else
            calculate();
    });
    connect(m_earlyPay, &QLineEdit::textChanged, this, [this] {
        if (!m_writing)
            calculate();
    });
    connect(help, &QPushButton::clicked, this, [this] { showHelp(true); });
    connect(back, &QPushButton::clicked, this, [this] { showHelp(false); });

    // The terms it opens with: two years at 21.9 %.
    m_writing = true;
    m_periods->setText(QStringLiteral("24"));
    m_apr->setText(0.219);
    m_writing = false;
    calculate();
}

void LoanSheetPanel::amountEntered() {
    m_amount = money::parseNumber(m_principal->text()).value_or(0.0);
    m_writing = true;
    m_principal->setText(text::number(m_amount));
    m_writing = false;
    calculate();
}

void LoanSheetPanel::paymentsEntered() {
    m_writing = true;
    m_periods->setText(text::number(special::paymentCount(m_periods->text())));
    m_writing = false;
    calculate();
}

void LoanSheetPanel::calculate() {
    special::LoanTerms terms;
    terms.rate = m_apr->text();
    terms.amount = m_amount;
    terms.payments = special::paymentCount(m_periods->text());
    const special::LoanSheet sheet = special::loanSheet(terms, m_earlyPay->text());

    m_writing = true;
    m_apr->setText(terms.rate);
    showMoney(m_payAmount, sheet.paymentCents, sheet.payment);
    controls::showText(m_totalPay, sheet.total);
    controls::showText(m_cost, sheet.cost);
    showMoney(m_payOff, sheet.payoffCents, sheet.payoff);
    controls::showText(m_totalPayoff, sheet.payoffTotal);
    controls::showText(m_unEarn, sheet.saving);
    m_writing = false;
}

bool LoanSheetPanel::eventFilter(QObject *watched, QEvent *event) {
    if (isCommit(event)) {
        if (watched == m_apr->box())
            calculate();
        else if (watched == m_principal)
            amountEntered();
        else if (watched == m_periods)
            paymentsEntered();
    }
    return QWidget::eventFilter(watched, event);
}

void LoanSheetPanel::showHelp(bool help) {
    m_frame1->setVisible(!help);
    m_frame2->setVisible(help);
}

} // namespace vidorev
