#pragma once

#include "shell/file_choice.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QTreeWidget;

namespace vidorev {

// The file picker panels embed: a drive list ("Drive1"), a folder list ("Dir1") and a file list
// ("File1"), linked so that a drive shows its folders and a folder its files. The host presets
// path() and pattern(), steps with the moves, and reads path() when fileChosen() comes.
class FilePicker : public QWidget {
    Q_OBJECT
public:
    explicit FilePicker(QWidget *parent = nullptr);

    // The chosen file's full path, native separators.
    QString path() const;
    // Opens the picker at an existing file (selected, without fileChosen) or folder; anything
    // else leaves the picker as it was.
    void setPath(const QString &path);

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

    // Reads the drives, the open folder and its files again (after a file was written there).
    void refresh();

    // The open folder ("/" form), the drive that holds it (native form) and the file list.
    QString folder() const;
    QString drive() const;
    const QStringList &files() const;
    int fileIndex() const;
    // Why the last folder asked for could not be read ("" when it was); the picker shows it
    // under its lists and stays where it was, so the folder is neither shown empty nor opened.
    QString folderError() const;

signals:
    void fileChosen();
    // The user opened another folder or drive.
    void folderChanged();
    void listEnd();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void move(shell::FileMove move);
    void showDrives();
    void showLists();
    void driveChosen(int row);
    void folderOpened(int row);
    void fileSelected(int row);
    void showError();
    QStringList driveRoots() const;

    shell::FileChoice m_choice;
    QComboBox *m_drives;
    QTreeWidget *m_folders;
    QListWidget *m_files;
    QLabel *m_message;
    // Set while the picker fills its own lists, so their change handlers do not cascade.
    bool m_loading = false;
};

} // namespace vidorev
