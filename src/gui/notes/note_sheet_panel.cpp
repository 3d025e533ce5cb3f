#include "notes/note_sheet_panel.h"

#include "widgets/controls.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidorev {

NoteSheetPanel::NoteSheetPanel(Services services, QWidget *parent)
    : QWidget(parent)
    , m_sheet(services.store) {
    m_box = new QLineEdit;
    m_box->setObjectName(QStringLiteral("txtArabVal"));
    m_box->setToolTip(QStringLiteral("NoteSpace"));
    m_box->setAccessibleName(QStringLiteral("Note"));
    // In a numbered sheet the box is called by the sheet's number alone ("Note 2").
    controls::setRowPart(m_box, QString());
    m_paste = controls::button(QStringLiteral("Command2"), QStringLiteral("Paste"));
    m_copy = controls::button(QStringLiteral("Command1"), QStringLiteral("Copy"));
    m_message = new QLabel;
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->hide();

    auto *row = new QHBoxLayout;
    row->addWidget(m_paste);
    row->addWidget(m_box, 1);
    row->addWidget(m_copy);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row);
    layout->addWidget(m_message);
    setFocusProxy(m_box);

    // Every change is kept, whether typed, pasted or set through the accessibility interface.
    connect(m_box, &QLineEdit::textChanged, this, &NoteSheetPanel::edited);
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(m_box->text()); });
    connect(m_paste, &QPushButton::clicked, this,
            [this] { m_box->setText(QGuiApplication::clipboard()->text()); });
}

void NoteSheetPanel::setIdent(const QString &ident) {
    const QString saved = m_sheet.setIdent(ident);
    m_loading = true;
    m_box->setText(saved);
    m_loading = false;
    m_message->clear();
    m_message->hide();
}

QString NoteSheetPanel::text() const {
    return m_box->text();
}

void NoteSheetPanel::setText(const QString &text) {
    m_box->setText(text);
}

QString NoteSheetPanel::message() const {
    return m_message->text();
}

void NoteSheetPanel::edited(const QString &text) {
    if (m_loading)
        return;
    if (m_sheet.save(text)) {
        m_message->clear();
        m_message->hide();
        return;
    }
    m_message->setText(SettingsStore::notSavedMessage(m_sheet.lastError()));
    m_message->show();
}

} // namespace vidorev
