#pragma once

#include <QWidget>

#include <optional>

class QGroupBox;

namespace vidorev {

class CalcEntry;
class PercentBox;
class MoneyBox;
class SettingsStore;

// The sales-tax calculator: the rate and either the cost before tax or the total after it give
// the tax and the other amount. With a negative rate it works out discounts the same way.
class TaxSheetPanel : public QWidget {
    Q_OBJECT
public:
    explicit TaxSheetPanel(SettingsStore &store, QWidget *parent = nullptr);

    // Sets the calculator up for a showing: the stored default rate, the cost box driving, the
    // calculation rather than the help in view. The host writes it before each showing.
    void setUser(const QString &user);
    // Whether the cost box is the one the user works in (else the after-tax box).
    bool costDrives() const { return m_costDrives; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Works out the tax and the other amount from the box the user works in.
    void recompute();
    // A value was committed in one of the amount boxes, which becomes the one worked in.
    void committed(CalcEntry *entry);
    void copy();
    void showHelp(bool help);

    SettingsStore &m_store;
    bool m_costDrives = true;
    std::optional<qint64> m_taxCents;
    QGroupBox *m_frame1 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    PercentBox *m_rate = nullptr;
    CalcEntry *m_cost = nullptr;
    MoneyBox *m_tax = nullptr;
    CalcEntry *m_afterTax = nullptr;
};

} // namespace vidorev
