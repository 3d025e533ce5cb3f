#include "admin/merge_frame.h"

#include "platform/settings_keys.h"
#include "widgets/controls.h"
#include "widgets/file_picker.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidorev {

MergeFrame::MergeFrame(Services services, QWidget *parent)
    : QGroupBox(QStringLiteral("Merge entries from two LogFiles into a new one, ordered in time"),
                parent)
    , m_services(services) {
    setObjectName(QStringLiteral("LogShuffle"));
    setAccessibleName(title());
    m_picker = new FilePicker;
    m_picker->setObjectName(QStringLiteral("FileHooker2"));
    m_panelSlot = new QVBoxLayout;
    QPushButton *back = controls::button(QStringLiteral("Command17"), QStringLiteral("OK"));
    m_message = new QLabel;
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setStyleSheet(QStringLiteral("color: #a00000"));
    m_message->hide();

    auto *row = new QHBoxLayout;
    row->addWidget(m_picker, 1);
    row->addLayout(m_panelSlot, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addWidget(m_message);
    layout->addWidget(back, 0, Qt::AlignRight);

    connect(m_picker, &FilePicker::fileChosen, this, [this] { setMergePath(m_picker->path()); });
    connect(back, &QPushButton::clicked, this, [this] {
        const bool saved =
            m_services.store.save(keys::kAppDiary, keys::kSecAdmin, keys::kMergeDir, mergePath());
        m_message->setText(saved ? QString()
                                 : SettingsStore::notSavedMessage(m_services.store.lastError()));
        m_message->setVisible(!saved);
        if (saved)
            emit done();
    });
}

void MergeFrame::load() {
    const QString dir = m_services.store.get(keys::kAppDiary, keys::kSecAdmin, keys::kMergeDir);
    m_picker->setPath(dir);
    setMergePath(dir);
    m_message->hide();
}

void MergeFrame::embedMergePanel(QWidget *panel, std::function<QString()> path,
                                 std::function<void(const QString &)> setPath) {
    m_panelSlot->addWidget(panel);
    m_panelPath = std::move(path);
    m_setPanelPath = std::move(setPath);
}

QString MergeFrame::mergePath() const {
    return m_panelPath ? m_panelPath() : m_path;
}

void MergeFrame::setMergePath(const QString &path) {
    m_path = path;
    if (m_setPanelPath)
        m_setPanelPath(path);
}

} // namespace vidorev
