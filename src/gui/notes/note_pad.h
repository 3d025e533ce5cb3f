#pragma once

#include "platform/services.h"

#include <QGroupBox>
#include <QStringList>

#include <array>

class QLabel;
class QPushButton;

namespace vidorev {

class NoteSheetPanel;

// The note pad ("Frame4"): five note sheets of the user and "Archive to Diary", which the host
// carries out, since the Diary's writer is not the pad's.
class NotePad : public QGroupBox {
    Q_OBJECT
public:
    explicit NotePad(Services services, QWidget *parent = nullptr);

    // Gives the sheets the user's sections, user + "SD1" .. user + "SD5"; each shows its text.
    void setUser(const QString &user);
    NoteSheetPanel *sheet(int n) const { return m_sheets[std::size_t(n - 1)]; }
    QStringList texts() const;
    // Says how the last archiving went; empty when it went well.
    void showNotice(const QString &message);
    QString notice() const;

signals:
    void archiveRequest();

private:
    std::array<NoteSheetPanel *, 5> m_sheets{};
    QLabel *m_notice = nullptr;
    QPushButton *m_archive = nullptr; // cmdNotes2Diary
};

} // namespace vidorev
