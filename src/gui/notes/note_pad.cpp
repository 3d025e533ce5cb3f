#include "notes/note_pad.h"

#include "notes/note_sheet_panel.h"
#include "platform/settings_keys.h"
#include "shell/note_sheets.h"
#include "widgets/controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidorev {

NotePad::NotePad(Services services, QWidget *parent)
    : QGroupBox(QStringLiteral("NotePad,  5 sheets"), parent) {
    setObjectName(QStringLiteral("Frame4"));
    setAccessibleName(title());
    auto *layout = new QVBoxLayout(this);
    for (int n = 1; n <= shell::kNoteSheetCount; ++n) {
        auto *sheet = new NoteSheetPanel(services);
        sheet->setObjectName(QStringLiteral("StickyDisplay%1").arg(n));
        controls::nameRow(sheet, QStringLiteral("Note %1").arg(n));
        m_sheets[std::size_t(n - 1)] = sheet;
        layout->addWidget(sheet);
    }
    auto *label =
        new QLabel(QStringLiteral("Private to user, paste from, copy to, Windows Clipboard"));
    label->setObjectName(QStringLiteral("Label1"));
    m_archive =
        controls::button(QStringLiteral("cmdNotes2Diary"), QStringLiteral("Archive to Diary"));
    auto *foot = new QHBoxLayout;
    foot->addWidget(label, 1);
    foot->addWidget(m_archive);
    layout->addLayout(foot);
    m_notice = new QLabel;
    m_notice->setObjectName(QStringLiteral("lblMessage"));
    m_notice->setWordWrap(true);
    m_notice->hide();
    layout->addWidget(m_notice);

    connect(m_archive, &QPushButton::clicked, this, &NotePad::archiveRequest);
}

void NotePad::setUser(const QString &user) {
    for (int n = 1; n <= shell::kNoteSheetCount; ++n)
        sheet(n)->setIdent(keys::noteSheetSection(user, n));
    showNotice(QString());
}

QStringList NotePad::texts() const {
    QStringList texts;
    for (const NoteSheetPanel *s : m_sheets)
        texts << s->text();
    return texts;
}

void NotePad::showNotice(const QString &message) {
    m_notice->setText(message);
    m_notice->setVisible(!message.isEmpty());
}

QString NotePad::notice() const {
    return m_notice->text();
}

} // namespace vidorev
