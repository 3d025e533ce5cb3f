#include "notes/scratch_pad.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vidorev {

ScratchPad::ScratchPad(QWidget *parent)
    : QGroupBox(QStringLiteral("ScratchPad  Type, paste, copy, cut.  Not saved when you exit "),
                parent) {
    setObjectName(QStringLiteral("frmScratch"));
    setAccessibleName(title());
    auto *layout = new QVBoxLayout(this);
    for (int n = 1; n <= 4; ++n) {
        auto *box = new QPlainTextEdit;
        const QString name = QStringLiteral("Text%1").arg(n + 3);
        box->setObjectName(name);
        box->setAccessibleName(name);
        // Tab moves on to the next box, so the keyboard alone goes through the pad.
        box->setTabChangesFocus(true);
        m_boxes[std::size_t(n - 1)] = box;
        layout->addWidget(box);
    }
}

} // namespace vidorev
