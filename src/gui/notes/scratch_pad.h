#pragma once

#include <QGroupBox>

#include <array>

class QPlainTextEdit;

namespace vidorev {

// The scratch pad ("frmScratch"): four boxes for typing, pasting, copying and cutting, kept in
// memory only while the program runs.
class ScratchPad : public QGroupBox {
    Q_OBJECT
public:
    explicit ScratchPad(QWidget *parent = nullptr);

    // Box n of 1..4 ("Text4" .. "Text7").
    QPlainTextEdit *box(int n) const { return m_boxes[std::size_t(n - 1)]; }

private:
    std::array<QPlainTextEdit *, 4> m_boxes{};
};

} // namespace vidorev
