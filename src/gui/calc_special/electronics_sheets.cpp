#include "calc_special/electronics_sheets.h"

#include "calc_special/money_box.h"
#include "platform/text_forms.h"
#include "widgets/calc_display.h"
#include "widgets/calc_entry.h"
#include "widgets/controls.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidorev {

using electronics::Outcome;
using electronics::Quantity;
using electronics::Winding;

namespace {

const char *const kSheets[] = {"Ohms", "Trans", "Bridge", "VT", "OA"};

// The read-outs that selecting a sheet clears, with their units.
const struct {
    const char *name, *units;
} kUnits[] = {{"RCalcDisplay1", "Volts"}, {"RCalcDisplay2", "Amps"}, {"RCalcDisplay3", "Watts"},
              {"CalcDisplay1", "Watts"},  {"CalcDisplay2", "Amps"},  {"CalcDisplay3", "Watts"},
              {"CalcDisplay4", "Amps"},   {"CalcDisplay5", "Volts"}, {"CalcDisplay6", "Watts"},
              {"CalcDisplay7", "Volts"},  {"CalcDisplay8", "Volts"}};

QLabel *note(const QString &text, QWidget *parent) {
    auto *l = new QLabel(text, parent);
    l->setWordWrap(true);
    return l;
}

QLabel *heading(const QString &text, QWidget *parent) {
    auto *l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

} // namespace

ElectronicsSheets::ElectronicsSheets(QWidget *parent)
    : QWidget(parent) {
    setAccessibleName(QStringLiteral("Electronics calculator"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_frames[0] = buildOhms();
    m_frames[1] = buildTrans();
    m_frames[2] = buildBridge();
    m_frames[3] = buildTubes();
    m_frames[4] = buildOpAmp();
    for (QGroupBox *f : m_frames) {
        layout->addWidget(f);
        f->hide();
    }
}

CalcEntry *ElectronicsSheets::addEntry(QGridLayout *grid, int row, int col, const QString &name,
                                       const QString &caption, const QString &tip,
                                       const QString &accessibleName) {
    QWidget *sheet = grid->parentWidget();
    auto *e = new CalcEntry(sheet);
    e->setObjectName(name);
    e->box()->setAccessibleName(accessibleName.isEmpty() ? caption : accessibleName);
    if (!tip.isEmpty())
        e->box()->setToolTip(tip);
    if (!caption.isEmpty()) {
        auto *label = new QLabel(caption, sheet);
        label->setBuddy(e->box());
        grid->addWidget(label, row, col);
    }
    grid->addWidget(e, row, col + 1);
    m_entries.insert(name, e);
    return e;
}

CalcDisplay *ElectronicsSheets::addDisplay(QGridLayout *grid, int row, int col, const QString &name,
                                           const QString &caption, const QString &tip) {
    QWidget *sheet = grid->parentWidget();
    auto *d = new CalcDisplay(sheet);
    d->setObjectName(name);
    auto *box = d->findChild<QLineEdit *>(QStringLiteral("ArabVal"));
    box->setAccessibleName(caption);
    if (!tip.isEmpty())
        box->setToolTip(tip);
    auto *label = new QLabel(caption, sheet);
    label->setBuddy(box);
    grid->addWidget(label, row, col);
    grid->addWidget(d, row, col + 1);
    m_displays.insert(name, d);
    return d;
}

CalcEntry *ElectronicsSheets::entry(const char *name) const {
    return m_entries.value(QString::fromLatin1(name));
}

CalcDisplay *ElectronicsSheets::display(const char *name) const {
    return m_displays.value(QString::fromLatin1(name));
}

double ElectronicsSheets::number(const char *name) const {
    const CalcEntry *e = entry(name);
    return e->text().trimmed().isEmpty() ? 0.0 : e->value();
}

// A result that could not be computed shows why where it would stand, and holds 0.
void ElectronicsSheets::showOutcome(CalcDisplay *d, const Outcome &o) {
    d->setValue(o.ok() ? o.value : 0.0);
    if (!o.ok())
        d->setText(calc::faultText(o.fault));
}

void ElectronicsSheets::showOutcome(CalcEntry *e, const Outcome &o) {
    e->setValue(o.ok() ? o.value : 0.0);
    if (!o.ok())
        e->setText(calc::faultText(o.fault));
}

void ElectronicsSheets::copy(const QString &sentence) {
    m_memo = sentence;
    QGuiApplication::clipboard()->setText(sentence);
    emit memoReady();
}

void ElectronicsSheets::setActFunct(const QString &function) {
    m_actFunct = function;
    for (const auto &u : kUnits) {
        CalcDisplay *d = display(u.name);
        d->setLabel(QString::fromLatin1(u.units));
        d->setValue(0.0);
    }
    for (int i = 0; i < 5; ++i)
        m_frames[i]->setVisible(function == QLatin1String(kSheets[i]));
}

// --- Ohm's law ------------------------------------------------------------------------------

QGroupBox *ElectronicsSheets::buildOhms() {
    QGroupBox *f = controls::frame(QStringLiteral("frmResist"), QStringLiteral("Ohms"), this);
    auto *grid = new QGridLayout(f);
    grid->addWidget(heading(QStringLiteral("Ohms Law Calcs"), f), 0, 0, 1, 4);
    const struct {
        const char *name, *caption;
        int row;
    } entries[] = {{"CalcEntry1", "Total Resistance", 1},
                   {"CalcEntry2", "R tap to Ground", 2},
                   {"CalcEntry3", "Volts at top", 3},
                   {"CalcEntry10", "Load resistance", 4}};
    for (const auto &e : entries)
        connect(
            addEntry(grid, e.row, 0, QString::fromLatin1(e.name), QString::fromLatin1(e.caption)),
            &CalcEntry::change, this, &ElectronicsSheets::runOhms);
    grid->addWidget(
        note(QStringLiteral("\"Load\" defaults to an open circuit. Add the load last."), f), 5, 0,
        1, 2);
    addDisplay(grid, 1, 2, QStringLiteral("RCalcDisplay1"), QStringLiteral("Volts at Tap"));
    addDisplay(grid, 2, 2, QStringLiteral("RCalcDisplay2"), QStringLiteral("Current"));
    addDisplay(grid, 3, 2, QStringLiteral("RCalcDisplay3"), QStringLiteral("Power"));
    addDisplay(grid, 4, 2, QStringLiteral("CalcDisplay2"), QStringLiteral("Load current"));
    addDisplay(grid, 5, 2, QStringLiteral("CalcDisplay3"), QStringLiteral("Load power"));
    auto *copyButton =
        controls::button(QStringLiteral("cmdCopyOhms"), QStringLiteral("Copy"), QString(), f);
    grid->addWidget(copyButton, 6, 3, Qt::AlignRight);
    connect(copyButton, &QPushButton::clicked, this, &ElectronicsSheets::copyOhms);
    return f;
}

void ElectronicsSheets::runOhms() {
    const electronics::OhmsResult r = electronics::ohmsLaw(
        {number("CalcEntry1"), number("CalcEntry2"), number("CalcEntry3"), number("CalcEntry10")});
    showOutcome(display("RCalcDisplay1"), r.tapVolts);
    showOutcome(display("RCalcDisplay2"), r.current);
    showOutcome(display("RCalcDisplay3"), r.power);
    showOutcome(display("CalcDisplay2"), r.loadCurrent);
    showOutcome(display("CalcDisplay3"), r.loadPower);
}

void ElectronicsSheets::copyOhms() {
    const QString sentence = electronics::ohmsSentence(
        {number("CalcEntry1"), number("CalcEntry2"), number("CalcEntry3"), number("CalcEntry10")},
        {display("RCalcDisplay2")->text(), display("RCalcDisplay3")->text(),
         display("RCalcDisplay1")->text(), display("CalcDisplay2")->text(),
         display("CalcDisplay3")->text()});
    if (!sentence.isEmpty())
        copy(sentence);
}

// --- Transformer ----------------------------------------------------------------------------

namespace {
const struct {
    const char *name, *side, *quantity;
    Winding winding;
    Quantity q;
} kTransEntries[] = {
    {"CalcEntry4", "Primary", "Ohms", Winding::Primary, Quantity::Impedance},
    {"CalcEntry5", "Primary", "Volts", Winding::Primary, Quantity::Voltage},
    {"CalcEntry6", "Primary", "Amps", Winding::Primary, Quantity::Current},
    {"CalcEntry7", "Secondary", "Ohms", Winding::Secondary, Quantity::Impedance},
    {"CalcEntry8", "Secondary", "Volts", Winding::Secondary, Quantity::Voltage},
    {"CalcEntry9", "Secondary", "Amps", Winding::Secondary, Quantity::Current},
};
} // namespace

QGroupBox *ElectronicsSheets::buildTrans() {
    QGroupBox *f = controls::frame(QStringLiteral("frmTrans"), QStringLiteral("Trans"), this);
    auto *grid = new QGridLayout(f);
    grid->addWidget(heading(QStringLiteral("Transformer analysis"), f), 0, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Primary"), f), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Secondary"), f), 1, 3);
    for (int i = 0; i < 6; ++i) {
        const auto &t = kTransEntries[i];
        const QString side = QString::fromLatin1(t.side),
                      quantity = QString::fromLatin1(t.quantity);
        // The primary column carries the row's caption; both are named by side for a reader.
        CalcEntry *e = addEntry(grid, 2 + i % 3, i < 3 ? 0 : 2, QString::fromLatin1(t.name),
                                i < 3 ? quantity : QString(), QString(), side + u' ' + quantity);
        connect(e, &CalcEntry::change, this,
                [this, w = t.winding, q = t.q] { transCommitted(w, q); });
    }
    m_ratioBox = new QLineEdit(f);
    m_ratioBox->setObjectName(QStringLiteral("Text1"));
    m_ratioBox->setAccessibleName(QStringLiteral("Turns ratio"));
    auto *ratioLabel = new QLabel(QStringLiteral("Turns ratio"), f);
    ratioLabel->setBuddy(m_ratioBox);
    grid->addWidget(ratioLabel, 5, 0);
    grid->addWidget(m_ratioBox, 5, 1);
    addDisplay(grid, 5, 2, QStringLiteral("CalcDisplay1"), QStringLiteral("Power"));
    m_reset = new QCheckBox(QStringLiteral("Reset"), f);
    m_reset->setObjectName(QStringLiteral("Check1"));
    m_reset->setAccessibleName(QStringLiteral("Reset"));
    connect(m_reset, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            resetTrans();
    });
    grid->addWidget(m_reset, 6, 0);
    auto *copyButton =
        controls::button(QStringLiteral("cmdCopyTrans"), QStringLiteral("Copy"), QString(), f);
    connect(copyButton, &QPushButton::clicked, this, &ElectronicsSheets::copyTrans);
    grid->addWidget(copyButton, 6, 3, Qt::AlignRight);
    grid->addWidget(note(QStringLiteral("Two voltages or two resistances, or two currents, sets "
                                        "the ratio."),
                         f),
                    7, 0, 1, 4);
    return f;
}

void ElectronicsSheets::transCommitted(Winding side, Quantity quantity) {
    electronics::TransState s;
    for (const auto &t : kTransEntries) {
        electronics::TransSide &ts = t.winding == Winding::Primary ? s.primary : s.secondary;
        Outcome &o = t.q == Quantity::Impedance ? ts.z : t.q == Quantity::Voltage ? ts.v : ts.i;
        o = calc::checked(number(t.name));
    }
    // The ratio in force: the one computed, while its text stands, or one typed in.
    std::optional<double> n;
    if (!m_ratioText.isEmpty() && m_ratioBox->text() == m_ratioText)
        n = m_ratio;
    else
        n = electronics::parseRatio(m_ratioBox->text());
    if (!n) {
        if (const auto ratio = electronics::ratioFromPair(s, quantity)) {
            m_ratio = *ratio;
            m_ratioText = electronics::ratioText(*ratio);
            m_ratioBox->setText(m_ratioText);
        }
        return;
    }
    s = electronics::transformerCommit(s, side, quantity, *n);
    for (const auto &t : kTransEntries) {
        const electronics::TransSide &ts = t.winding == Winding::Primary ? s.primary : s.secondary;
        showOutcome(entry(t.name), t.q == Quantity::Impedance ? ts.z
                                   : t.q == Quantity::Voltage ? ts.v
                                                              : ts.i);
    }
    showOutcome(display("CalcDisplay1"), s.power);
}

void ElectronicsSheets::resetTrans() {
    for (const auto &t : kTransEntries)
        entry(t.name)->setValue(0.0);
    m_ratioBox->clear();
    m_ratioText.clear();
    m_ratio = 0.0;
    m_reset->setChecked(false);
    display("CalcDisplay1")->setValue(0.0);
}

void ElectronicsSheets::copyTrans() {
    if (m_ratioBox->text().isEmpty())
        return;
    copy(electronics::transformerSentence({entry("CalcEntry4")->text(), entry("CalcEntry5")->text(),
                                           entry("CalcEntry6")->text(), entry("CalcEntry7")->text(),
                                           entry("CalcEntry8")->text(), entry("CalcEntry9")->text(),
                                           m_ratioBox->text(), display("CalcDisplay1")->text()}));
}

// --- Bridge ---------------------------------------------------------------------------------

QGroupBox *ElectronicsSheets::buildBridge() {
    QGroupBox *f = controls::frame(QStringLiteral("frmBridge"), QStringLiteral("Bridge"), this);
    auto *grid = new QGridLayout(f);
    grid->addWidget(heading(QStringLiteral("Thevenin solution of a resistance bridge."), f), 0, 0,
                    1, 4);
    const struct {
        const char *name, *caption;
        int row, col;
    } entries[] = {{"CalcEntry11", "Volts in", 1, 0},
                   {"CalcEntry12", "R12 In to left", 2, 0},
                   {"CalcEntry15", "R15 Left to ground", 3, 0},
                   {"CalcEntry13", "R13 In to right", 2, 2},
                   {"CalcEntry16", "R16 Right to ground", 3, 2},
                   {"CalcEntry14", "R14 Load, left to right", 4, 0}};
    for (const auto &e : entries)
        connect(addEntry(grid, e.row, e.col, QString::fromLatin1(e.name),
                         QString::fromLatin1(e.caption)),
                &CalcEntry::change, this, &ElectronicsSheets::runBridge);
    addDisplay(grid, 5, 0, QStringLiteral("CalcDisplay4"), QStringLiteral("Load current"));
    addDisplay(grid, 6, 0, QStringLiteral("CalcDisplay5"), QStringLiteral("Load voltage"));
    addDisplay(grid, 7, 0, QStringLiteral("CalcDisplay6"), QStringLiteral("Load power"));
    addDisplay(grid, 5, 2, QStringLiteral("CalcDisplay7"), QStringLiteral("Left midpoint"));
    addDisplay(grid, 6, 2, QStringLiteral("CalcDisplay8"), QStringLiteral("Right midpoint"));
    grid->addWidget(
        note(QStringLiteral("Enter values for all resistors, and for applied voltage."), f), 8, 0,
        1, 4);
    return f;
}

void ElectronicsSheets::runBridge() {
    const electronics::BridgeResult r =
        electronics::bridge({number("CalcEntry11"), number("CalcEntry12"), number("CalcEntry15"),
                             number("CalcEntry13"), number("CalcEntry16"), number("CalcEntry14")});
    showOutcome(display("CalcDisplay4"), r.loadCurrent);
    showOutcome(display("CalcDisplay5"), r.loadVoltage);
    showOutcome(display("CalcDisplay6"), r.loadPower);
    showOutcome(display("CalcDisplay7"), r.leftNode);
    showOutcome(display("CalcDisplay8"), r.rightNode);
}

// --- Tube stage -----------------------------------------------------------------------------

QGroupBox *ElectronicsSheets::buildTubes() {
    QGroupBox *f = controls::frame(QStringLiteral("frmTubes"), QStringLiteral("Tubes"), this);
    auto *grid = new QGridLayout(f);
    grid->addWidget(heading(QStringLiteral("Tubes"), f), 0, 0, 1, 4);
    const struct {
        const char *name, *caption, *tip, *accessible;
        int row, col;
    } entries[] = {
        {"ceGridV", "Grid Signal ACV", "P-P or RMS, but don't mix..", "", 1, 0},
        {"ceCathV", "Cathode Volts", "This is the Bias to find gain", "", 2, 0},
        {"ceCathR", "Ohms", "With bias, gives ma. plate current", "Cathode Ohms", 3, 0},
        {"cePlateSupply", "Plate Supply", "Voltage at decopling", "", 1, 2},
        {"cePlateR", "Plate Ohms", "Resistance from decouple voltage to plate", "", 2, 2},
        {"ceVTLoad1", "", "", "Plate load 1", 5, 2},
        {"ceVTLoad2", "", "", "Plate load 2", 6, 2},
        {"ceVTLoad3", "", "", "Plate load 3", 7, 2},
    };
    for (const auto &e : entries)
        connect(addEntry(grid, e.row, e.col, QString::fromLatin1(e.name),
                         QString::fromLatin1(e.caption), QString::fromLatin1(e.tip),
                         QString::fromLatin1(e.accessible)),
                &CalcEntry::change, this, &ElectronicsSheets::runTubes);
    grid->addWidget(note(QStringLiteral("AC Coupled plate loads Series totals of parallel"), f), 4,
                    2, 1, 2);

    m_transCond = new QLineEdit(f);
    m_transCond->setObjectName(QStringLiteral("txtTransCond"));
    m_transCond->setToolTip(QStringLiteral("Gain factor"));
    m_transCond->setAccessibleName(QStringLiteral("Ma/V (Milli-Mhos)"));
    m_transCond->setReadOnly(true);
    controls::keepReadOnly(m_transCond);
    auto *gmLabel = new QLabel(QStringLiteral("Ma/V (Milli-Mhos)"), f);
    gmLabel->setBuddy(m_transCond);
    grid->addWidget(gmLabel, 4, 0);
    grid->addWidget(m_transCond, 4, 1);
    m_plateCurrentLabel = new QLabel(f);
    m_plateCurrentLabel->setObjectName(QStringLiteral("Label37"));
    grid->addWidget(m_plateCurrentLabel, 3, 2, 1, 2);
    addDisplay(grid, 5, 0, QStringLiteral("cdPlateDC"), QStringLiteral("Plate DCV"),
               QStringLiteral("Should be close if other values are good"));
    addDisplay(grid, 6, 0, QStringLiteral("cdPlateAC"), QStringLiteral("Expected Plate signal"),
               QStringLiteral("Best Guess"));
    // The money box the gain passes through; it cuts to cents and is not shown.
    m_penny = new MoneyBox(f);
    m_penny->setObjectName(QStringLiteral("RoundPenny1"));
    m_penny->hide();
    return f;
}

void ElectronicsSheets::runTubes() {
    electronics::TubeInput in{number("ceGridV"),       number("ceCathV"),  number("ceCathR"),
                              number("cePlateSupply"), number("cePlateR"), {}};
    in.loads[0] = number("ceVTLoad1");
    in.loads[1] = number("ceVTLoad2");
    in.loads[2] = number("ceVTLoad3");
    const electronics::TubeResult r = electronics::tubeStage(in);
    const auto shown = [](const Outcome &o) {
        return o.ok() ? text::number(o.value) : calc::faultText(o.fault);
    };
    if (r.plateCurrent)
        m_plateCurrent = r.plateCurrent->ok() ? r.plateCurrent->value : 0.0;
    if (r.transCond) {
        m_penny->setText(r.transCond->ok() ? r.transCond->value : 0.0);
        controls::showText(m_transCond, shown(*r.transCond));
    }
    if (r.plateMilliamps)
        m_plateCurrentLabel->setText(shown(*r.plateMilliamps) + QStringLiteral(" ma"));
    if (r.plateDC)
        showOutcome(display("cdPlateDC"), *r.plateDC);
    if (r.plateLoad)
        m_plateLoad = r.plateLoad->ok() ? r.plateLoad->value : 0.0;
    if (r.plateAC)
        showOutcome(display("cdPlateAC"), *r.plateAC);
}

// --- Op-amp stage ---------------------------------------------------------------------------

QGroupBox *ElectronicsSheets::buildOpAmp() {
    QGroupBox *f = controls::frame(QStringLiteral("frmOpAmp"), QStringLiteral("OpAmps"), this);
    auto *grid = new QGridLayout(f);
    grid->addWidget(heading(QStringLiteral("OpAmps"), f), 0, 0, 1, 5);
    const struct {
        const char *name, *caption;
        int row, col;
    } entries[] = {{"ceAmpHi", "Positive Supply", 1, 0},
                   {"ceAmpLo", "Negative Supply", 2, 0},
                   {"ceOpAmpInD", "Signal input DC", 3, 0},
                   {"ceOpAmpInA", "Signal input AC", 4, 0},
                   {"cePosSerial", "Resistance, Signal to dirrect input", 1, 3},
                   {"ceNegSerial", "Resistance, Signal to Inverting input", 2, 3},
                   {"ceAmpPosGnd", "Resistance, Pos input to ground", 3, 3},
                   {"ceAmpNegGnd", "Resistance, Neg input to ground", 4, 3},
                   {"ceOpAmpBack", "Feedback Ohms", 5, 3}};
    for (const auto &e : entries)
        connect(addEntry(grid, e.row, e.col, QString::fromLatin1(e.name),
                         QString::fromLatin1(e.caption)),
                &CalcEntry::change, this, &ElectronicsSheets::runOpAmp);
    m_inDCaption = new QLabel(QStringLiteral("DC"), f);
    m_inDCaption->setObjectName(QStringLiteral("lblOpAmpInD"));
    m_inACaption = new QLabel(QStringLiteral("AC"), f);
    m_inACaption->setObjectName(QStringLiteral("lblOpAmpInA"));
    grid->addWidget(m_inDCaption, 3, 2);
    grid->addWidget(m_inACaption, 4, 2);
    addDisplay(grid, 6, 0, QStringLiteral("pmcdAmpDC"), QStringLiteral("Output DC"));
    addDisplay(grid, 7, 0, QStringLiteral("pmcdAmpAC"), QStringLiteral("Output AC"));
    const QString clipTip = QStringLiteral("Output voltage swing reaches the supply voltage");
    m_clipPos = new QLabel(QStringLiteral("Clipping Positive"), f);
    m_clipPos->setObjectName(QStringLiteral("lblOpAmpPosClip"));
    m_clipNeg = new QLabel(QStringLiteral("Clipping Negative"), f);
    m_clipNeg->setObjectName(QStringLiteral("lblOpAmpNegClip"));
    for (QLabel *l : {m_clipPos, m_clipNeg}) {
        l->setToolTip(clipTip);
        l->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
        l->hide();
    }
    grid->addWidget(m_clipPos, 6, 3, 1, 2);
    grid->addWidget(m_clipNeg, 7, 3, 1, 2);
    grid->addWidget(note(QStringLiteral("Frequency response is not considered"), f), 8, 0, 1, 5);
    grid->addWidget(note(QStringLiteral("AC is calculated as P-P symetric. You can treat it as RMS "
                                        "for everything except clipping."),
                         f),
                    9, 0, 1, 5);
    return f;
}

void ElectronicsSheets::runOpAmp() {
    CalcDisplay *dc = display("pmcdAmpDC");
    CalcDisplay *ac = display("pmcdAmpAC");
    m_clipPos->hide();
    m_clipNeg->hide();
    dc->setLabel(QStringLiteral("Volts DC"));
    ac->setLabel(QStringLiteral("Volts AC"));
    m_inDCaption->setText(QStringLiteral("DC"));
    m_inACaption->setText(QStringLiteral("AC"));
    const auto line = [this](const char *name) {
        return electronics::Line{entry(name)->text().trimmed(), number(name)};
    };
    const electronics::OpAmpResult r = electronics::opAmp(
        {line("ceAmpHi"), line("ceAmpLo"), line("ceOpAmpInD"), line("ceOpAmpInA"),
         line("cePosSerial"), line("ceNegSerial"), line("ceAmpPosGnd"), line("ceAmpNegGnd"),
         line("ceOpAmpBack"), m_ampDc, m_ampAc});
    if (!r.run)
        return;
    for (const char *input : {"ceOpAmpInD", "ceOpAmpInA"})
        if (entry(input)->text().trimmed().isEmpty()) {
            entry(input)->setValue(0.0);
            entry(input)->setText(QStringLiteral("0"));
        }
    if (r.stage == electronics::OpAmpStage::Differential) {
        // Both inputs carry DC levels here, whether or not the stage could compute.
        m_inDCaption->setText(QStringLiteral("DC(+)"));
        m_inACaption->setText(QStringLiteral("DC(-)"));
        ac->setLabel(QStringLiteral("(N/A)"));
    }
    m_ampDc = r.dc;
    m_ampAc = r.ac;
    showOutcome(dc, r.dc);
    showOutcome(ac, r.ac);
    m_clipPos->setVisible(r.clipPositive);
    m_clipNeg->setVisible(r.clipNegative);
}

} // namespace vidorev
