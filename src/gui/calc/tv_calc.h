#pragma once

#include "calc/calc_host_rules.h"
#include "platform/services.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace vidorev {

class Arab2Display;
class BinFunct;
class CalcSel;
class CreditMath;
class HexDisplay;
class HypTrig;
class MonoFunct;
class ParenBase;
class Roman2Display;
class Stack;
class TaxWiz;
class TrigFunct;
class TVTron;
class TypeInPad;
class pmCalcXtend;

// The calculators' panel: the selector strip, the arithmetic calculator with its pads and
// readouts, the help page and the special calculators. It is the switchboard of the arithmetic
// calculator: every new value is copied into the components that take it.
class TVCalc : public QWidget {
    Q_OBJECT
public:
    explicit TVCalc(Services services, QWidget *parent = nullptr);

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

    CalcSel *m_calcSel = nullptr;
    QGroupBox *m_frame1 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    ParenBase *m_paren = nullptr;
    Stack *m_stack = nullptr;
    TypeInPad *m_typeIn = nullptr;
    MonoFunct *m_mono = nullptr;
    TrigFunct *m_trig = nullptr;
    HypTrig *m_hyper = nullptr;
    BinFunct *m_binary = nullptr;
    pmCalcXtend *m_xtend = nullptr;
    Arab2Display *m_arab = nullptr;
    HexDisplay *m_hex = nullptr;
    Roman2Display *m_roman = nullptr;
    std::array<QPushButton *, 5> m_padButtons{};
    TVTron *m_tron = nullptr;
    TaxWiz *m_tax = nullptr;
    CreditMath *m_loan = nullptr;
};

} // namespace vidorev
