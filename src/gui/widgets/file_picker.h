#pragma once

#include "shell/file_choice.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QTimer;
class QLabel;
class QListWidget;
class QTreeWidget;

namespace vidorev {

namespace widgets {
class LatestRun;
}

// The file picker panels embed: a drive list ("Drive1"), a folder list ("Dir1") and a file list
// ("File1"), linked so that a drive shows its folders and a folder its files. The host presets
// path() and pattern(), steps with the moves, and reads path() when fileChosen() comes.
// A folder or drive the user opens is read on a thread of its own: the lists keep the folder
// that was open, and stay usable, until it has been read; a share that does not answer leaves
// the window answering, and a newer choice supersedes the one still being read.
class FilePicker : public QWidget {
    Q_OBJECT
public:
    explicit FilePicker(QWidget *parent = nullptr);

    // The chosen file's full path, native separators; a path the host set counts from then on.
    QString path() const;
    // Opens the picker at an existing file (selected, without fileChosen) or folder; anything
    // else leaves the picker as it was. The path is read off the window's thread: then runs
    // once it has been opened (or found missing), unless a newer choice came first.
    void setPath(const QString &path, std::function<void()> then = {});

    // The file list's filter: "*.*" (every file, the default), "*.2d*", or several separated by
    // ";" ("*.jpg;*.gif").
    QString pattern() const;
    void setPattern(const QString &pattern);

    // Each change of selection chooses that file (fileChosen()); listEnd() follows when the move
    // reached, or could not leave, an end of the list.
    void movePrior();
    void moveLast();
    void moveFirst();
    void moveNext();
    bool endOfList() const;
    bool startOfList() const;

    // Reads the drives, the open folder and its files again (after a file was written there),
    // off the window's thread.
    void refresh();

    // The open folder ("/" form), the drive that holds it (native form) and the file list.
    QString folder() const;
    QString drive() const;
    const QStringList &files() const;
    int fileIndex() const;
    // Why the last folder asked for could not be read ("" when it was); the picker shows it
    // under its lists and stays where it was, so the folder is neither shown empty nor opened.
    QString folderError() const;

    // A folder is being read; for one the user opened, folderChanged() comes when it has been.
    bool reading() const;
    // Waits for the folder being read (tests).
    void waitForListing();
    // How folders are read (tests stand in one that blocks); runs off the window's thread.
    void setFolderReader(shell::FolderReader reader);

signals:
    void fileChosen();
    // The user opened another folder or drive.
    void folderChanged();
    void listEnd();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void move(shell::FileMove move);
    void showDrives(const QList<shell::Drive> &drives);
    void showLists();
    void driveChosen(int row);
    void folderOpened(int row);
    void fileSelected(int row);
    using Apply = std::function<void()>;
    // Starts work on a thread of its own; what it returns runs on the window's thread. said:
    // the lists say at once that what is being read.
    void startReading(const QString &what, bool said,
                      std::function<Apply(const shell::FolderReader &)> work);
    void endReading();
    void openFolder(const QString &folder);
    void folderRead(const shell::FolderListing &listing);
    void showError();
    QStringList driveRoots() const;

    shell::FileChoice m_choice;
    QComboBox *m_drives;
    QTreeWidget *m_folders;
    QListWidget *m_files;
    QLabel *m_message;
    widgets::LatestRun *m_reads;
    shell::FolderReader m_reader = [](const QString &f) { return shell::readFolder(f); };
    QString m_readingFolder;   // the folder or path being read
    QString m_presetPath;      // a host's choice being read, native separators
    bool m_sayReading = false; // the lists say so at once (the user chose it)
    QTimer *m_slow;            // says the folder being read does not answer
    // Set while the picker fills its own lists, so their change handlers do not cascade.
    bool m_loading = false;
};

} // namespace vidorev
