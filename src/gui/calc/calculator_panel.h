#pragma once

#include "calc/calc_host_rules.h"
#include "platform/services.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace vidorev {

class DecimalReadout;
class BinaryPad;
class CalculatorStrip;
class LoanSheetPanel;
class HexReadout;
class HyperbolicPad;
class AlgebraPad;
class ArithmeticKeypad;
class RomanReadout;
class OperandStackView;
class TaxSheetPanel;
class TrigPad;
class ElectronicsSheets;
class TypeInPad;
class ExtensionPad;

// The calculators' panel: the selector strip, the arithmetic calculator with its pads and
// readouts, the help page and the special calculators. It is the switchboard of the arithmetic
// calculator: every new value is copied into the components that take it.
class CalculatorPanel : public QWidget {
    Q_OBJECT
public:
    explicit CalculatorPanel(Services services, QWidget *parent = nullptr);

    bool initMe() const { return m_initMe; }
    // Reads the stored selection and shows it; the main window writes true before each showing.
    void setInitMe(bool init);
    // The electronics calculator's memo.
    QString memo() const;
    void setMemo(const QString &memo);

    QString selection() const { return m_selection; }
    QString pad() const { return m_pad; }
    double currentValue() const { return m_current; }
    QString lastKey() const { return m_lastKey; }

signals:
    void memoReady();

private:
    QWidget *buildArithmetic();
    void showRoutine();
    void calculatorSelected();
    void padSelected(calc::Pad pad);
    void fanOut(calc::Source source, double value);
    void typeInChanged();
    void openParen();
    void closeParen();
    void showFault(const QString &text);

    Services m_services;
    bool m_initMe = false;
    double m_current = 0.0;
    QString m_selection;
    QString m_pad;
    QString m_lastKey;

    CalculatorStrip *m_calculatorStrip = nullptr;
    QGroupBox *m_frame1 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    ArithmeticKeypad *m_paren = nullptr;
    OperandStackView *m_stack = nullptr;
    TypeInPad *m_typeIn = nullptr;
    AlgebraPad *m_mono = nullptr;
    TrigPad *m_trig = nullptr;
    HyperbolicPad *m_hyper = nullptr;
    BinaryPad *m_binary = nullptr;
    ExtensionPad *m_xtend = nullptr;
    DecimalReadout *m_arab = nullptr;
    HexReadout *m_hex = nullptr;
    RomanReadout *m_roman = nullptr;
    std::array<QPushButton *, 5> m_padButtons{};
    ElectronicsSheets *m_tron = nullptr;
    TaxSheetPanel *m_tax = nullptr;
    LoanSheetPanel *m_loan = nullptr;
};

} // namespace vidorev
