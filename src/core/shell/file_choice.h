#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The file picker's rules: where a path leads, what the lists show and how the selection moves.
// Paths are kept with "/" inside and handed out with the native separator.
namespace vidorev::shell {

// A folder and a file name with exactly one separator between them, whether or not the folder
// already ends in one (a root folder does: "/", "C:/").
QString joinFolderAndName(const QString &folder, const QString &name);

// "*.jpg;*.gif" -> {"*.jpg", "*.gif"}; blanks between separators are dropped. An empty pattern
// and "*.*" take every file, named with an extension or not.
QStringList splitPatterns(const QString &pattern);
// Wildcards "*" and "?"; letters match regardless of case.
bool matchesPatterns(const QString &fileName, const QStringList &patterns);

// Names in list order: case-insensitive, the exact spelling breaking ties.
void sortNames(QStringList &names);

enum class FileMove { Prior, Next, First, Last };
struct MoveResult {
    int index;    // the selection after the move (-1: none)
    bool listEnd; // the move reached, or could not leave, an end of the list
    bool operator==(const MoveResult &) const = default;
};
MoveResult moveSelection(FileMove move, int index, int count);

// A drive: the root of the file system or a mounted volume, by its root folder ("/" form).
struct Drive {
    QString root;
    QString label; // the volume's name, may be empty
};
// The readable roots and mounted volumes: the file-system roots first, then by root folder.
QList<Drive> drives();
// The drive among roots whose root folder holds folder, the deepest one; -1 when none does.
int driveFor(const QString &folder, const QStringList &roots);

struct FolderEntry {
    QString path; // "/" form
    QString name; // as shown: the root's own path, else the folder's name
    int depth;    // 0 for the root
    bool open;    // the open folder or one of the folders above it
};

// What one reading of a folder found, names as listed (unsorted, every file). Reading may block
// for as long as the file system does (a network share that stopped answering), so a window
// reads on a thread of its own and hands the result to FileChoice::openListing.
struct FolderListing {
    QString folder;      // absolute, "/" form
    QStringList chain;   // the folders from the root down to folder
    QStringList folders; // the sub-folders' names
    QStringList files;
    QString error; // "Cannot read the folder /srv/x: Permission denied"; empty when it was read
};
// Reads folder; callable on any thread.
FolderListing readFolder(const QString &folder);
using FolderReader = std::function<FolderListing(const QString &folder)>;

// What reading a path found: the existing file or folder it names and its folder's listing.
struct PathListing {
    QString path; // absolute, "/" form; empty when nothing is there
    bool isFolder = false;
    FolderListing listing;
};
// Reads path and the folder that holds it (or that it is) with read; callable on any thread.
PathListing readPath(const QString &path, const FolderReader &read = readFolder);
// Reads folder, or when it is gone the nearest folder above it still there; any thread.
FolderListing readOpenFolder(const QString &folder, const FolderReader &read = readFolder);

// The picker's state: the open folder, its sub-folders and matching files, the selected file and
// the chosen path. Reads the file system only when told to.
class FileChoice {
public:
    // Opens the current folder, every file shown.
    FileChoice();

    // An existing file: opens its folder and selects it. An existing folder: opens it. Anything
    // else leaves everything as it was and returns false.
    bool setPath(const QString &path);
    // Opens a path read by readPath, as setPath does.
    bool openPath(const PathListing &path);
    // The chosen file (or preset folder), native separators.
    QString path() const;

    // Filters the listing already read; refresh() reads the folder again.
    void setPattern(const QString &pattern);
    QString pattern() const { return m_pattern; }

    // Lists folder without choosing a file. False, leaving everything as it was, when it cannot
    // be read (not a folder, gone, no permission): error() says why.
    bool openFolder(const QString &folder);
    // Opens a folder read by readFolder, as openFolder does.
    bool openListing(const FolderListing &listing);
    // Why the last folder asked for cannot be read, with the system's reason ("Cannot read the
    // folder /srv/x: Permission denied"); empty when it was read. A path that does not exist,
    // given to setPath, changes nothing and says nothing.
    QString error() const { return m_error; }
    QString folder() const { return m_folder; }
    // The folders from the root down to the open one, then the open folder's sub-folders.
    const QList<FolderEntry> &folders() const { return m_folders; }
    int openFolderRow() const;
    const QStringList &files() const { return m_files; }

    // Selects the file at index (of files()) and makes it the chosen path; false when out of range.
    bool choose(int index);
    int index() const { return m_index; }
    // Moves the selection; a change of selection chooses that file.
    MoveResult move(FileMove move);
    // An empty list is at both ends: there is nothing to step to.
    bool startOfList() const { return m_files.isEmpty() || m_index == 0; }
    bool endOfList() const { return m_files.isEmpty() || m_index == m_files.size() - 1; }

    // Reads the open folder again, keeping the selected file where it is still listed.
    void refresh();
    // Shows a listing read by readOpenFolder, as refresh does.
    void reopen(const FolderListing &listing);

private:
    void list();

    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
    QStringList m_patterns;
    QString m_folder;
    FolderListing m_listing;
    QList<FolderEntry> m_folders;
    QStringList m_files;
    int m_index = -1;
    QString m_error;
};

} // namespace vidorev::shell
