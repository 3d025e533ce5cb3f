#pragma once

#include "platform/services.h"
#include "shell/note_sheets.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vidorev {

// One note sheet: a line of text kept in the store as it is typed, with "Paste" from and
// "Copy" to the system clipboard.
class NoteSheetPanel : public QWidget {
    Q_OBJECT
public:
    explicit NoteSheetPanel(Services services, QWidget *parent = nullptr);

    QString ident() const { return m_sheet.ident(); }
    // Takes the sheet's section and shows the text saved there.
    void setIdent(const QString &ident);

    QString text() const;
    // Replaces the text, which is then saved as any edit is.
    void setText(const QString &text);

    // Why the last edit was not kept; empty when it was.
    QString message() const;

private:
    void edited(const QString &text);

    shell::NoteSheet m_sheet;
    bool m_loading = false;
    QLineEdit *m_box = nullptr;     // txtArabVal
    QPushButton *m_paste = nullptr; // Command2
    QPushButton *m_copy = nullptr;  // Command1
    QLabel *m_message = nullptr;
};

} // namespace vidorev
