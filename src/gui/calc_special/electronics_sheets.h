#pragma once

#include "calc_special/electronics.h"

#include <QHash>
#include <QWidget>

#include <optional>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace vidorev {

class CalcDisplay;
class CalcEntry;
class MoneyBox;

// The electronics calculator: five worksheets (Ohm's law, transformer, bridge, tube stage,
// op-amp stage), one shown at a time. The sheets recompute whenever an entry line commits; the
// Ohm's-law and transformer sheets copy their result as one sentence, which becomes the memo.
class ElectronicsSheets : public QWidget {
    Q_OBJECT
public:
    explicit ElectronicsSheets(QWidget *parent = nullptr);

    QString actFunct() const { return m_actFunct; }
    // "Ohms", "Trans", "Bridge", "VT" or "OA" shows that sheet; anything else none.
    void setActFunct(const QString &function);
    QString memo() const { return m_memo; }
    void setMemo(const QString &memo) { m_memo = memo; }

signals:
    void memoReady(); // a sentence was copied

private:
    QGroupBox *buildOhms();
    QGroupBox *buildTrans();
    QGroupBox *buildBridge();
    QGroupBox *buildTubes();
    QGroupBox *buildOpAmp();
    // A captioned entry line or read-out placed on a sheet's grid; accessibleName defaults to
    // the caption.
    CalcEntry *addEntry(QGridLayout *grid, int row, int col, const QString &name,
                        const QString &caption, const QString &tip = QString(),
                        const QString &accessibleName = QString());
    CalcDisplay *addDisplay(QGridLayout *grid, int row, int col, const QString &name,
                            const QString &caption, const QString &tip = QString());
    CalcEntry *entry(const char *name) const;
    CalcDisplay *display(const char *name) const;
    // The entry's number; 0 while its line is empty.
    double number(const char *name) const;
    void showOutcome(CalcDisplay *d, const electronics::Outcome &o);
    void showOutcome(CalcEntry *e, const electronics::Outcome &o);
    void copy(const QString &sentence);

    void runOhms();
    void copyOhms();
    void transCommitted(electronics::Winding side, electronics::Quantity quantity);
    void resetTrans();
    void copyTrans();
    void runBridge();
    void runTubes();
    void runOpAmp();

    QString m_actFunct;
    QString m_memo;
    QHash<QString, CalcEntry *> m_entries;
    QHash<QString, CalcDisplay *> m_displays;
    QGroupBox *m_frames[5] = {};

    QLineEdit *m_ratioBox = nullptr;
    QCheckBox *m_reset = nullptr;
    // The ratio as computed, kept whole while its text is shown.
    double m_ratio = 0.0;
    QString m_ratioText;

    QLineEdit *m_transCond = nullptr;
    QLabel *m_plateCurrentLabel = nullptr;
    MoneyBox *m_penny = nullptr;
    double m_plateCurrent = 0.0;
    double m_plateLoad = 0.0;

    QLabel *m_clipPos = nullptr;
    QLabel *m_clipNeg = nullptr;
    QLabel *m_inDCaption = nullptr;
    QLabel *m_inACaption = nullptr;
    // The op-amp read-outs' values, faults included.
    electronics::Outcome m_ampDc, m_ampAc;
};

} // namespace vidorev
