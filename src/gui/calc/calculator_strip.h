#pragma once

#include <QWidget>

#include <vector>

class QPushButton;

namespace vidorev {

// The strip of calculator buttons. The current selection's button is disabled.
class CalculatorStrip : public QWidget {
    Q_OBJECT
public:
    explicit CalculatorStrip(QWidget *parent = nullptr);

    // The selection value of the button pressed last.
    QString nextUp() const { return m_nextUp; }
    QString active() const { return m_active; }
    // Enables every button, then disables the one whose selection value this is.
    void setActive(const QString &selection);

signals:
    void selected();

private:
    struct Choice {
        QPushButton *button;
        QString value;
    };
    std::vector<Choice> m_choices;
    QPushButton *m_help = nullptr;
    QString m_nextUp;
    QString m_active;
};

} // namespace vidorev
