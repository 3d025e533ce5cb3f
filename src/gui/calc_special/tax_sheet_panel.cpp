#include "calc_special/tax_sheet_panel.h"

#include "calc_special/money_box.h"
#include "calc_special/money_text.h"
#include "calc_special/percent_box.h"
#include "calc_special/sales_tax.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"
#include "widgets/calc_entry.h"
#include "widgets/controls.h"

#include <QClipboard>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidorev {

namespace {

QLabel *caption(const QString &text, QWidget *box, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setBuddy(box);
    return label;
}

} // namespace

TaxSheetPanel::TaxSheetPanel(SettingsStore &store, QWidget *parent)
    : QWidget(parent)
    , m_store(store) {
    setAccessibleName(QStringLiteral("Tax calculator"));
    m_frame1 = controls::frame(QStringLiteral("Frame1"), QStringLiteral("Tax Calculations"), this);

    m_rate = new PercentBox(m_frame1);
    m_rate->setObjectName(QStringLiteral("PerCentBox1"));
    m_rate->box()->setAccessibleName(QStringLiteral("Based on a tax rate of"));
    m_cost = new CalcEntry(m_frame1);
    m_cost->setObjectName(QStringLiteral("pmcceCostBefore"));
    m_cost->box()->setAccessibleName(QStringLiteral("Cost before tax"));
    m_tax = new MoneyBox(m_frame1);
    m_tax->setObjectName(QStringLiteral("RoundPenny1"));
    m_tax->setLocked(true);
    m_tax->box()->setAccessibleName(QStringLiteral("Amount of tax"));
    m_afterTax = new CalcEntry(m_frame1);
    m_afterTax->setObjectName(QStringLiteral("pmcceAfterTax"));
    m_afterTax->box()->setAccessibleName(QStringLiteral("After tax total"));
    auto *copyButton = controls::button(QStringLiteral("cmdCopy"), QStringLiteral("Copy"),
                                        QStringLiteral("Copy to Clipboard as text"), m_frame1);
    auto *help = controls::button(QStringLiteral("Command4"), QStringLiteral("Help"), QString(),
                                  m_frame1, QStringLiteral("Help on the Tax Calculator"));

    auto *grid = new QGridLayout(m_frame1);
    grid->addWidget(caption(QStringLiteral("Based on a tax rate of"), m_rate, m_frame1), 0, 0);
    grid->addWidget(m_rate, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("percent"), m_frame1), 0, 2);
    grid->addWidget(caption(QStringLiteral("Cost before tax"), m_cost, m_frame1), 1, 0);
    grid->addWidget(m_cost, 1, 1);
    grid->addWidget(caption(QStringLiteral("Amount of tax"), m_tax, m_frame1), 2, 0);
    grid->addWidget(m_tax, 2, 1);
    grid->addWidget(caption(QStringLiteral("After tax total"), m_afterTax, m_frame1), 3, 0);
    grid->addWidget(m_afterTax, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(copyButton);
    buttons->addWidget(help);
    buttons->addStretch();
    grid->addLayout(buttons, 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    m_frame2 = controls::frame(QStringLiteral("Frame2"),
                               QStringLiteral("Help on the Tax Calculator"), this);
    QPushButton *ok = controls::fillHelpFrame(
        m_frame2,
        QStringLiteral(
            "You can edit the rate and the one value that you have. To find the tax on $42.95 "
            "at 7%, place \"7\" in the tax rate box, 42.95 in the Cost before tax box, and both "
            "the tax amount and after-tax amount display, $3, and, $45.95. If you know the "
            "after-tax, and want the before, enter the after tax."));
    ok->setObjectName(QStringLiteral("Command5"));
    m_frame2->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_frame1);
    layout->addWidget(m_frame2);

    // A new rate, typed or written, works again from the box the user works in.
    connect(m_rate, &PercentBox::valueChanged, this, &TaxSheetPanel::recompute);
    for (CalcEntry *entry : {m_cost, m_afterTax}) {
        entry->box()->installEventFilter(this);
        connect(entry, &CalcEntry::change, this, [this, entry] { committed(entry); });
    }
    connect(copyButton, &QPushButton::clicked, this, &TaxSheetPanel::copy);
    connect(help, &QPushButton::clicked, this, [this] { showHelp(true); });
    connect(ok, &QPushButton::clicked, this, [this] { showHelp(false); });
}

void TaxSheetPanel::setUser(const QString &) {
    m_costDrives = true;
    m_rate->setText(
        m_store.getDouble(keys::kAppClock, keys::kSecCash, keys::kTaxPct, keys::kDefaultTaxPct));
    showHelp(false);
}

void TaxSheetPanel::recompute() {
    const double rate = m_rate->text();
    const special::TaxSheet sheet = m_costDrives ? special::taxFromCost(rate, m_cost->text())
                                                 : special::taxFromTotal(rate, m_afterTax->text());
    m_taxCents = sheet.taxCents;
    if (sheet.taxCents)
        m_tax->setCents(*sheet.taxCents);
    else
        controls::showText(m_tax->box(), sheet.tax);
    // The box worked in keeps the text typed, unless it was no number.
    m_cost->setText(sheet.cost);
    m_afterTax->setText(sheet.afterTax);
}

void TaxSheetPanel::committed(CalcEntry *entry) {
    m_costDrives = entry == m_cost;
    recompute();
}

bool TaxSheetPanel::eventFilter(QObject *watched, QEvent *event) {
    CalcEntry *entry = watched == m_cost->box()       ? m_cost
                       : watched == m_afterTax->box() ? m_afterTax
                                                      : nullptr;
    if (entry) {
        bool commit = event->type() == QEvent::FocusOut;
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            commit = key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        if (event->type() == QEvent::FocusIn)
            m_costDrives = entry == m_cost;
        // The entry line commits numbers itself; what is no number is committed here, as 0.
        else if (commit && !money::parseNumber(entry->text()))
            committed(entry);
    }
    return QWidget::eventFilter(watched, event);
}

void TaxSheetPanel::copy() {
    QGuiApplication::clipboard()->setText(
        special::taxSentence(m_rate->text(), m_cost->text(), m_taxCents, m_afterTax->text()));
}

void TaxSheetPanel::showHelp(bool help) {
    m_frame1->setVisible(!help);
    m_frame2->setVisible(help);
}

} // namespace vidorev
