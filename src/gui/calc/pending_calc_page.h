#pragma once

#include <QWidget>

class QLabel;

namespace vidorev {

// Stands where a special calculator (loan, tax, electronics) will be: it names the calculator
// and carries the surface the host uses, so the host's selection logic is real before they are.
class PendingCalcPage : public QWidget {
    Q_OBJECT
public:
    PendingCalcPage(const QString &objectName, const QString &calculatorName,
                    QWidget *parent = nullptr);

    // The electronics calculator's function: "Ohms", "Trans", "Bridge", "OA" or "VT".
    QString actFunct() const { return m_actFunct; }
    void setActFunct(const QString &function);
    QString memo() const { return m_memo; }
    void setMemo(const QString &memo) { m_memo = memo; }

signals:
    void memoReady();

private:
    void refreshCaption();

    QString m_name;
    QString m_actFunct;
    QString m_memo;
    QLabel *m_label = nullptr;
};

} // namespace vidorev
