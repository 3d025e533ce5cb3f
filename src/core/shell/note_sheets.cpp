#include "shell/note_sheets.h"

#include "platform/settings_keys.h"
#include "platform/settings_store.h"

namespace vidorev::shell {

QString NoteSheet::setIdent(const QString &ident) {
    m_ident = ident;
    return m_store.get(keys::kAppDiary, m_ident, keys::kNote);
}

bool NoteSheet::save(const QString &text) {
    if (!keepsText())
        return true;
    return m_store.save(keys::kAppDiary, m_ident, keys::kNote, text);
}

QString NoteSheet::lastError() const {
    return m_store.lastError();
}

std::vector<ArchivedNote> notesToArchive(const QString &user, const QStringList &sheetTexts) {
    std::vector<ArchivedNote> notes;
    for (int k = 0; k < sheetTexts.size(); ++k)
        if (!sheetTexts[k].isEmpty())
            notes.push_back({keys::noteSheetSection(user, k + 1), sheetTexts[k]});
    return notes;
}

} // namespace vidorev::shell
