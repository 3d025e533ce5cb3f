#pragma once

#include "platform/services.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vidorev {

class FilePicker;
class LinkedSetNavigator;

// "New Diary": a user picks the Diary file the store keeps as their "FileKey"; the administrator
// may do so for any user of the list, type a path, and make a new empty file.
class DiaryChooser : public QWidget {
    Q_OBJECT
public:
    explicit DiaryChooser(Services services, QWidget *parent = nullptr);

    // Loads the panel for user. Raises menuRequest() when no user can be selected.
    void setUser(const QString &user);

    // The user whose Diary is being set, and the path chosen for it.
    QString selectedUser() const;
    QString path() const { return m_path; }
    // What the panel last said ("" when nothing).
    QString message() const;

signals:
    void menuRequest();

private:
    bool administrator() const;
    // The administrator, or anyone on a desk that has none yet, makes and chooses Diary files.
    bool mayChooseFiles() const;
    void showDiaryOf(const QString &defaultPath);
    void say(const QString &text);
    QString typedPath() const;
    bool saveFileKey(const QString &path);
    void ok();
    void fileOk();
    void makeNewFile();
    void showHelp(bool show);

    Services m_services;
    QString m_user;
    QString m_adminName;
    QString m_locked;
    QString m_path;

    QGroupBox *m_frame1 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    LinkedSetNavigator *m_users = nullptr; // ListSpider1
    FilePicker *m_picker = nullptr;        // FileHooker1
    QLineEdit *m_fileName = nullptr;       // Text1
    QLabel *m_userLabel = nullptr;         // Label2
    QLabel *m_message = nullptr;
    QPushButton *m_ok = nullptr;      // Command1
    QPushButton *m_cancel = nullptr;  // Command2
    QPushButton *m_makeNew = nullptr; // Command3
    QPushButton *m_fileOk = nullptr;  // Command5
    QPushButton *m_help = nullptr;    // Command6
    QPushButton *m_helpOk = nullptr;  // Command7
};

} // namespace vidorev
