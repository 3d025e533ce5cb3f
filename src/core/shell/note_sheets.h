#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace vidorev {
class SettingsStore;
}

// The note pad's rules: five sheets per user, each kept in a section of its own as it is typed,
// and archived into the Diary as Note records.
namespace vidorev::shell {

inline constexpr int kNoteSheetCount = 5;

// One note sheet's stored text. A sheet whose section was never given (shorter than two
// characters) keeps its text in memory only.
class NoteSheet {
public:
    explicit NoteSheet(SettingsStore &store)
        : m_store(store) {}

    // Takes the section and returns the text saved there ("" when none).
    QString setIdent(const QString &ident);
    QString ident() const { return m_ident; }
    bool keepsText() const { return m_ident.size() >= 2; }
    // Saves the text when the sheet keeps it; false when the store refused the write.
    bool save(const QString &text);
    QString lastError() const;

private:
    SettingsStore &m_store;
    QString m_ident;
};

struct ArchivedNote {
    QString tag; // user + "SD" + sheet number
    QString text;
    bool operator==(const ArchivedNote &) const = default;
};

// What "Archive to Diary" writes, in sheet order: one note per sheet that has text.
std::vector<ArchivedNote> notesToArchive(const QString &user, const QStringList &sheetTexts);

} // namespace vidorev::shell
