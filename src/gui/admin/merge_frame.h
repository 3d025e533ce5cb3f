#pragma once

#include "platform/services.h"

#include <QGroupBox>

#include <functional>

class QLabel;
class QVBoxLayout;

namespace vidorev {

class FilePicker;

// The log merge frame ("LogShuffle"): a file picker opened at the folder of the last merge,
// beside the merge panel itself. Leaving it keeps the merge panel's path as "MergeDir".
class MergeFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit MergeFrame(Services services, QWidget *parent = nullptr);

    // Opens the picker at the stored "MergeDir".
    void load();

    // Puts the merge panel into the frame. path reads its path box, setPath writes it (each
    // choice in the picker does). Until a panel is placed, the picker's last choice is the path.
    void embedMergePanel(QWidget *panel, std::function<QString()> path,
                         std::function<void(const QString &)> setPath);
    QString mergePath() const;

signals:
    // Left by its button; "MergeDir" has been saved.
    void done();

private:
    void setMergePath(const QString &path);

    Services m_services;
    QString m_path;
    std::function<QString()> m_panelPath;
    std::function<void(const QString &)> m_setPanelPath;
    FilePicker *m_picker = nullptr; // FileHooker2
    QVBoxLayout *m_panelSlot = nullptr;
    QLabel *m_message = nullptr;
};

} // namespace vidorev
