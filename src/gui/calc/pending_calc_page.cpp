#include "calc/pending_calc_page.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vidorev {

PendingCalcPage::PendingCalcPage(const QString &objectName, const QString &calculatorName,
                                 QWidget *parent)
    : QWidget(parent)
    , m_name(calculatorName) {
    setObjectName(objectName);
    setAccessibleName(calculatorName);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("lblCalculator"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    refreshCaption();
}

void PendingCalcPage::setActFunct(const QString &function) {
    m_actFunct = function;
    refreshCaption();
}

void PendingCalcPage::refreshCaption() {
    static const struct {
        const char *value, *name;
    } functions[] = {{"Ohms", "Ohms"},
                     {"Trans", "Transformer"},
                     {"Bridge", "Bridge"},
                     {"OA", "Op-amp"},
                     {"VT", "Vacuum tube"}};
    QString title = m_name;
    for (const auto &f : functions)
        if (m_actFunct == QLatin1String(f.value))
            title += QStringLiteral(": ") + QString::fromLatin1(f.name);
    m_label->setText(title + QStringLiteral("\n\nThis calculator is not part of this build yet."));
}

} // namespace vidorev
