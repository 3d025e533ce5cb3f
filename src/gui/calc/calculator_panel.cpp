#include "calc/calculator_panel.h"

#include "widgets/controls.h"

#include "calc/algebra_pad.h"
#include "calc/arithmetic_keypad.h"
#include "calc/binary_pad.h"
#include "calc/calculator_strip.h"
#include "calc/decimal_readout.h"
#include "calc/extension_pad.h"
#include "calc/hex_readout.h"
#include "calc/hyperbolic_pad.h"
#include "calc/operand_stack_view.h"
#include "calc/roman_readout.h"
#include "calc/trig_pad.h"
#include "calc/type_in_pad.h"
#include "calc_special/electronics_sheets.h"
#include "calc_special/loan_sheet_panel.h"
#include "calc_special/tax_sheet_panel.h"
#include "platform/settings_keys.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidorev {

using calc::Pad;
using calc::Source;

namespace {
const QString kDefaultSelection = QStringLiteral("Math");
const QString kDefaultPad = QStringLiteral("Math");

const struct {
    const char *name, *caption;
    Pad pad;
} kPadButtons[] = {{"cmdMono", "Algebra", Pad::Math},
                   {"cmdTrigPad", "Trig", Pad::Trig},
                   {"cmdHyperPad", "Hyper", Pad::Hyper},
                   {"cmdBinaPad", "Binary", Pad::Binary},
                   {"cmdExtendPad", "$", Pad::Xtend}};
} // namespace

CalculatorPanel::CalculatorPanel(Services services, QWidget *parent)
    : QWidget(parent)
    , m_services(services) {
    setAccessibleName(QStringLiteral("Calculators"));
    // The arithmetic frame comes first in the focus chain: its entry line is the calculator's
    // home, where the keyboard lands when the panel is shown.
    QWidget *arithmetic = buildArithmetic();
    m_calculatorStrip = new CalculatorStrip(this);
    m_calculatorStrip->setObjectName(QStringLiteral("CalcSel"));

    m_frame2 = controls::frame(QStringLiteral("Frame2"), QStringLiteral("Calc Help"), this);
    auto *help = new QLabel(
        QStringLiteral(
            "The Calculator included as part of Vidorev Provides Algebraic entry, including "
            "parentheses.  You can paste values into the entry window, and then operate on "
            "those values. The entry window is coded to accept Roman Numerals or Hex-Entry as "
            "values.  The three \"Copy\" buttons place the contents of the associated display "
            "onto the Clipboard. The keyboard shortcuts indicated work only when typed into the "
            "entry window. The enhanced functions on the far right include both base-ten and "
            "Natural Logarithms, and the constants pi and e."),
        m_frame2);
    help->setObjectName(QStringLiteral("Label2"));
    help->setWordWrap(true);
    (new QVBoxLayout(m_frame2))->addWidget(help);

    m_tron = new ElectronicsSheets(this);
    m_tron->setObjectName(QStringLiteral("TVTron1"));
    m_tax = new TaxSheetPanel(m_services.store, this);
    m_tax->setObjectName(QStringLiteral("TaxWiz1"));
    m_loan = new LoanSheetPanel(this);
    m_loan->setObjectName(QStringLiteral("CreditMath1"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_calculatorStrip);
    for (QWidget *page :
         {arithmetic, static_cast<QWidget *>(m_frame2), static_cast<QWidget *>(m_tron),
          static_cast<QWidget *>(m_tax), static_cast<QWidget *>(m_loan)}) {
        layout->addWidget(page);
        page->hide();
    }
    layout->addStretch();
    setTabOrder(m_padButtons.back(), m_calculatorStrip);

    connect(m_calculatorStrip, &CalculatorStrip::selected, this,
            &CalculatorPanel::calculatorSelected);
    connect(m_tron, &ElectronicsSheets::memoReady, this, &CalculatorPanel::memoReady);
}

QWidget *CalculatorPanel::buildArithmetic() {
    m_frame1 = controls::frame(QStringLiteral("Frame1"), QStringLiteral("Calc"), this);

    auto *typeLabel = new QLabel(
        QStringLiteral("Type or paste numbers below. \"123\" works, so does \"xxv\" or \"0x6a7\""),
        m_frame1);
    typeLabel->setObjectName(QStringLiteral("Label1"));
    m_typeIn = new TypeInPad(m_frame1);
    m_typeIn->setObjectName(QStringLiteral("TypeInPad1"));
    m_typeIn->line()->setAccessibleName(typeLabel->text());
    typeLabel->setBuddy(m_typeIn->line());
    m_frame1->setFocusProxy(m_typeIn);

    m_paren = new ArithmeticKeypad(m_frame1);
    m_paren->setObjectName(QStringLiteral("ParenBase1"));
    m_mono = new AlgebraPad(m_frame1);
    m_mono->setObjectName(QStringLiteral("MonoFunct1"));
    m_trig = new TrigPad(m_frame1);
    m_trig->setObjectName(QStringLiteral("TrigFunct1"));
    m_hyper = new HyperbolicPad(m_frame1);
    m_hyper->setObjectName(QStringLiteral("HypTrig1"));
    m_binary = new BinaryPad(m_frame1);
    m_binary->setObjectName(QStringLiteral("BinFunct1"));
    m_xtend = new ExtensionPad(m_frame1);
    m_xtend->setObjectName(QStringLiteral("pmCalcXtend1"));
    m_stack = new OperandStackView(m_frame1);
    m_stack->setObjectName(QStringLiteral("Stack1"));

    auto *padRow = new QHBoxLayout;
    for (std::size_t i = 0; i < m_padButtons.size(); ++i) {
        auto *b =
            controls::button(QString::fromLatin1(kPadButtons[i].name),
                             QString::fromLatin1(kPadButtons[i].caption), QString(), m_frame1);
        const Pad pad = kPadButtons[i].pad;
        connect(b, &QPushButton::clicked, this, [this, pad] { padSelected(pad); });
        padRow->addWidget(b);
        m_padButtons[i] = b;
    }

    m_arab = new DecimalReadout(m_frame1);
    m_arab->setObjectName(QStringLiteral("Arab2Display1"));
    auto *hexLabel = new QLabel(QStringLiteral("Hexadecimal"), m_frame1);
    hexLabel->setObjectName(QStringLiteral("Label3"));
    m_hex = new HexReadout(m_frame1);
    m_hex->setObjectName(QStringLiteral("HexDisplay1"));
    m_roman = new RomanReadout(m_frame1);
    m_roman->setObjectName(QStringLiteral("Roman2Display1"));

    auto *grid = new QGridLayout(m_frame1);
    grid->addWidget(typeLabel, 0, 0, 1, 3);
    grid->addWidget(m_typeIn, 1, 0, 1, 3);
    grid->addWidget(m_paren, 2, 0);
    // The five pads share one place; the show routine shows one of them.
    for (QWidget *pad : {static_cast<QWidget *>(m_mono), static_cast<QWidget *>(m_trig),
                         static_cast<QWidget *>(m_hyper), static_cast<QWidget *>(m_binary),
                         static_cast<QWidget *>(m_xtend)}) {
        grid->addWidget(pad, 2, 1);
        pad->hide();
    }
    grid->addWidget(m_stack, 2, 2, Qt::AlignTop);
    grid->addLayout(padRow, 3, 0, 1, 3);
    grid->addWidget(m_arab, 4, 0, 1, 3);
    grid->addWidget(hexLabel, 5, 0, 1, 3);
    grid->addWidget(m_hex, 6, 0, 1, 3);
    grid->addWidget(m_roman, 7, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    connect(m_paren, &ArithmeticKeypad::change, this,
            [this] { fanOut(Source::ArithmeticKeypad, m_paren->acc()); });
    connect(m_paren, &ArithmeticKeypad::push, this, &CalculatorPanel::openParen);
    connect(m_paren, &ArithmeticKeypad::pop, this, &CalculatorPanel::closeParen);
    connect(m_typeIn, &TypeInPad::change, this, &CalculatorPanel::typeInChanged);
    connect(m_mono, &AlgebraPad::change, this, [this] { fanOut(Source::Mono, m_mono->value()); });
    connect(m_trig, &TrigPad::change, this, [this] { fanOut(Source::Trig, m_trig->value()); });
    connect(m_hyper, &HyperbolicPad::change, this,
            [this] { fanOut(Source::Hyper, m_hyper->value()); });
    connect(m_binary, &BinaryPad::change, this,
            [this] { fanOut(Source::Binary, m_binary->value()); });
    connect(m_xtend, &ExtensionPad::change, this,
            [this] { fanOut(Source::Xtend, m_xtend->value()); });

    connect(m_paren, &ArithmeticKeypad::failed, this, [this] { showFault(m_paren->faultText()); });
    connect(m_typeIn, &TypeInPad::failed, this, [this] { showFault(m_typeIn->faultText()); });
    connect(m_mono, &AlgebraPad::failed, this, [this] { showFault(m_mono->faultText()); });
    connect(m_trig, &TrigPad::failed, this, [this] { showFault(m_trig->faultText()); });
    connect(m_hyper, &HyperbolicPad::failed, this, [this] { showFault(m_hyper->faultText()); });
    connect(m_xtend, &ExtensionPad::failed, this, [this] { showFault(m_xtend->faultText()); });
    return m_frame1;
}

void CalculatorPanel::setInitMe(bool init) {
    m_initMe = init;
    m_frame1->setTitle(QStringLiteral("Math"));
    m_frame1->setAccessibleName(m_frame1->title());
    m_selection =
        m_services.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kCalcSel, kDefaultSelection);
    m_calculatorStrip->setActive(m_selection);
    showRoutine();
}

QString CalculatorPanel::memo() const {
    return m_tron->memo();
}

void CalculatorPanel::setMemo(const QString &memo) {
    m_tron->setMemo(memo);
}

void CalculatorPanel::showRoutine() {
    m_pad = m_services.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kCalcPad, kDefaultPad);
    const calc::CalcView view = calc::calcView(m_selection, m_pad);
    for (QWidget *w : {static_cast<QWidget *>(m_frame1), static_cast<QWidget *>(m_mono),
                       static_cast<QWidget *>(m_trig), static_cast<QWidget *>(m_hyper),
                       static_cast<QWidget *>(m_binary), static_cast<QWidget *>(m_xtend),
                       static_cast<QWidget *>(m_frame2), static_cast<QWidget *>(m_tron),
                       static_cast<QWidget *>(m_tax), static_cast<QWidget *>(m_loan)})
        w->hide();
    m_tron->setActFunct(m_selection);

    m_frame1->setVisible(view.arithmetic);
    switch (view.pad) {
    case Pad::Math:
        m_mono->show();
        break;
    case Pad::Trig:
        m_trig->show();
        break;
    case Pad::Hyper:
        m_hyper->show();
        break;
    case Pad::Binary:
        m_binary->show();
        break;
    case Pad::Xtend:
        m_xtend->show();
        break;
    case Pad::None:
        break;
    }
    if (view.setPadButtons)
        for (std::size_t i = 0; i < m_padButtons.size(); ++i)
            m_padButtons[i]->setEnabled(kPadButtons[i].pad != view.pad);
    m_frame2->setVisible(view.help);
    m_tron->setVisible(view.special == calc::SpecialPage::Electronics);
    if (view.special == calc::SpecialPage::Tax) {
        m_tax->setUser(QString());
        m_tax->show();
    }
    m_loan->setVisible(view.special == calc::SpecialPage::Loan);
}

void CalculatorPanel::calculatorSelected() {
    m_selection = m_calculatorStrip->nextUp();
    m_calculatorStrip->setActive(m_selection);
    m_services.store.save(keys::kAppDiary, keys::kSecAdmin, keys::kCalcSel, m_selection);
    showRoutine();
}

void CalculatorPanel::padSelected(Pad pad) {
    m_pad = calc::padValue(pad);
    m_services.store.save(keys::kAppDiary, keys::kSecAdmin, keys::kCalcPad, m_pad);
    showRoutine();
}

void CalculatorPanel::fanOut(Source source, double value) {
    const calc::FanOut f = calc::fanOutFor(source);
    m_current = value;
    if (f.parenValue)
        m_paren->setValue(value);
    if (f.xtendValue)
        m_xtend->setValue(value);
    if (f.xtendAcc)
        m_xtend->setAcc(m_paren->acc());
    if (f.mono)
        m_mono->setValue(value);
    if (f.trig)
        m_trig->setValue(value);
    if (f.hyper)
        m_hyper->setValue(value);
    if (f.readouts) {
        m_arab->setValue(value);
        m_hex->setValue(value);
        m_roman->setValue(value);
    }
    if (f.binary == calc::BinaryWrite::HexValue)
        m_binary->setHexValue(m_hex->display());
    else if (f.binary == calc::BinaryWrite::Value)
        m_binary->setValue(value);
    if (f.clearTypeIn)
        m_typeIn->setValue(0.0);
}

void CalculatorPanel::typeInChanged() {
    const QString key = m_typeIn->conKey();
    m_lastKey = key;
    // An operator runs in the keypad and fans its result out before the extension pad hears it.
    m_paren->setTypeIn(key);
    m_xtend->setAcc(m_paren->acc());
    m_xtend->setTypeIn(key);
    if (key.isEmpty())
        fanOut(Source::TypeIn, m_typeIn->value());
}

void CalculatorPanel::openParen() {
    calc::openLevel(m_paren->engine(), m_stack->model());
}

void CalculatorPanel::closeParen() {
    calc::closeLevel(m_paren->engine(), m_stack->model());
    m_typeIn->setValue(0.0);
}

void CalculatorPanel::showFault(const QString &text) {
    m_arab->showFault(text);
    m_hex->showFault(text);
    m_roman->showFault(text);
}

} // namespace vidorev
