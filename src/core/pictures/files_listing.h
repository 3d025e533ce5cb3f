#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// "Files.lst": a listing of a folder's pictures, or of all its files, written beside them.
namespace vidorev {
namespace files {
class ReplaceFile;
}
} // namespace vidorev

namespace vidorev::pictures {

inline const QString kListingName = QStringLiteral("Files.lst");
// What the lists show: browsing, a picture listing and an all-files listing. Letters match
// regardless of case.
inline const QString kBrowsePattern = QStringLiteral("*.jpg;*.jpeg;*.png;*.wmf;*.emf;*.gif;*.bmp");
inline const QString kPictureListPattern = QStringLiteral("*.jpg;*.gif;*.bmp");
inline const QString kAllFilesPattern = QStringLiteral("*.*");

enum class ListingKind { Pictures, AllFiles };

// A picture's size as read from its header.
struct PictureSize {
    bool ok = false;
    int width = 0;
    int height = 0;
    QString error; // why it could not be read, when !ok
};
using PictureProbe = std::function<PictureSize(const QString &path)>;

// The remembered file position, when it names a file of a list of count: else nothing (-1).
int rememberedSelection(int remembered, int count);
// Where a picture listing starts: at the remembered file, or the first when it names none.
int listingStart(int remembered, int count);

struct ListedFile {
    QString name;
    QString path; // native separators
    bool present = false;
    qint64 size = 0;
    QDateTime created;
    PictureSize picture; // picture listings only
    bool listed = false; // a line was written for it
};

// One listing run, a file at a time, so its caller can show progress and stop it. The listing is
// written to a temporary file that replaces "Files.lst" only when the run finishes: a stopped or
// failed run leaves the old listing as it was. A "Files.lst" that is a symbolic link is refused,
// never written through; the listing is readable by whoever may list the folder.
class ListingRun {
public:
    ListingRun(ListingKind kind, const QString &folder, const QStringList &files, int start,
               PictureProbe probe = {}, const QLocale &locale = QLocale());
    ~ListingRun();

    // Writes the header. False when there is nothing to list (error() empty: nothing is written)
    // or the listing cannot be written (error() says why).
    bool open();
    bool atEnd() const { return m_next >= m_files.size(); }
    // Lists the next file.
    ListedFile step();
    // Writes the footer and puts the listing in place; false with error() when it cannot.
    bool finish();
    // Drops what was written.
    void cancel();

    QString error() const { return m_error; }
    QString listingPath() const;
    int position() const { return int(m_next - m_start); }
    int length() const { return int(m_files.size() - m_start); }
    int fileCount() const { return m_count; }
    qint64 byteTotal() const { return m_bytes; }
    // Files that were missing or could not be read as pictures.
    QStringList unreadable() const { return m_unreadable; }

private:
    void line(const QString &text);
    bool flush();

    ListingKind m_kind;
    QString m_folder;
    QStringList m_files;
    qsizetype m_start = 0;
    qsizetype m_next = 0;
    PictureProbe m_probe;
    QLocale m_locale;
    std::unique_ptr<files::ReplaceFile> m_out;
    QByteArray m_buffer;
    int m_count = 0;
    qint64 m_bytes = 0;
    QStringList m_unreadable;
    QString m_error;
};

} // namespace vidorev::pictures
