#pragma once

#include <QColor>
#include <QWidget>

class QLineEdit;

namespace vidorev {

// What the percent and money boxes share: one text box, Text1, filling the whole component,
// a background colour, a lock, and the host's tool tip passed on to the text box.
class EntryBox : public QWidget {
    Q_OBJECT
public:
    QColor backColor() const;
    void setBackColor(const QColor &color);
    bool locked() const;
    void setLocked(bool locked);

    // The text box itself, for hosts that label it or test it.
    QLineEdit *box() const { return m_text; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    EntryBox(QPalette::ColorRole defaultBackground, QWidget *parent);
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    QLineEdit *m_text = nullptr;
};

} // namespace vidorev
