#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace vidorev {

namespace diary {
class JobCollector;
}

// Shows one job collector: code, task, start, stop, cash, minutes and memo, and whether the job
// runs. The boxes are read-only; the check box sets the collector's hold.
class JobCollectorView : public QWidget {
    Q_OBJECT
public:
    explicit JobCollectorView(QWidget *parent = nullptr);

    // The collector shown (none: empty boxes). It must outlive this panel or be replaced.
    void setCollector(diary::JobCollector *collector);
    diary::JobCollector *collector() const { return m_collector; }
    // Shows the collector as it is now.
    void refresh();

private:
    diary::JobCollector *m_collector = nullptr;
    QLineEdit *m_boxes[7] = {};
    QCheckBox *m_running = nullptr;
};

} // namespace vidorev
