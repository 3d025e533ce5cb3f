#include "diary_log/job_collector_view.h"

#include "diary_log/job_collector.h"
#include "widgets/controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace vidorev {

namespace {
const char *const kCaptions[7] = {"Num", "nam", "start", "stop", "cash", "Mins", "Memo"};
// Relative widths: the stamps and the memo are the long pieces.
const int kStretch[7] = {2, 3, 4, 3, 2, 2, 4};
} // namespace

JobCollectorView::JobCollectorView(QWidget *parent)
    : QWidget(parent) {
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(4);
    layout->setVerticalSpacing(0);
    for (int i = 0; i < 7; ++i) {
        const QString caption = QString::fromLatin1(kCaptions[i]);
        auto *label = new QLabel(caption, this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        box->setReadOnly(true);
        box->setAccessibleName(caption);
        box->setMinimumWidth(40);
        controls::keepReadOnly(box);
        label->setBuddy(box);
        layout->addWidget(label, 0, i);
        layout->addWidget(box, 1, i);
        layout->setColumnStretch(i, kStretch[i]);
        m_boxes[i] = box;
    }
    m_running = new QCheckBox(QStringLiteral("job running"), this);
    m_running->setObjectName(QStringLiteral("Check1"));
    m_running->setAccessibleName(m_running->text());
    layout->addWidget(m_running, 1, 7);
    connect(m_running, &QCheckBox::toggled, this, [this](bool on) {
        if (m_collector != nullptr)
            m_collector->setHold(on ? 1 : 0);
    });
    refresh();
}

void JobCollectorView::setCollector(diary::JobCollector *collector) {
    m_collector = collector;
    refresh();
}

void JobCollectorView::refresh() {
    const diary::JobCollector empty;
    const diary::JobCollector &c = m_collector != nullptr ? *m_collector : empty;
    const QString texts[7] = {QString::fromUtf8(c.custNum()),
                              QString::fromUtf8(c.jobName()),
                              QString::fromUtf8(c.start()),
                              QString::fromUtf8(c.stopTime()),
                              c.cash(),
                              QString::fromUtf8(c.elapsed()),
                              QString::fromUtf8(c.memo())};
    for (int i = 0; i < 7; ++i) {
        controls::showText(m_boxes[i], texts[i]);
        // A stamp wider than its box shows its beginning, the time.
        m_boxes[i]->setCursorPosition(0);
    }
    const QSignalBlocker quiet(m_running);
    m_running->setChecked(c.hold());
}

} // namespace vidorev
