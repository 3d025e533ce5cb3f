#pragma once

#include "platform/services.h"
#include "todo/list_utility.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vidorev {

class FilePicker;

// The to-do utilities: choose one of the user's eight lists, rename it, rebuild or repair its
// chain, zero its times, save it to a task file, load task files into it, and move it to a
// storage file and back.
class TodoUtilities : public QWidget {
    Q_OBJECT
public:
    explicit TodoUtilities(Services services, QWidget *parent = nullptr);

    QString user() const { return m_user; }
    void setUser(const QString &user) { m_user = user; }
    // Reads true; writing sets the panel up for the user: no list chosen, the last path shown.
    bool init() const { return true; }
    void setInit(bool init);

    // The next slot a task file loads into (23: none until a list is chosen again).
    int pointer() const { return m_utility.pointer(); }
    QString listPrefix() const { return m_utility.prefix(); }

private:
    void chooseList(int index);
    void pathChanged(const QString &path);
    void updateFileButtons();
    void renameList();
    void refreshTitles();
    void showTitleBox();
    // Shows what became of an action in the message line (nothing when it went well).
    void report(const todo::ActionResult &result);
    void pointPickerAt(const QString &path);
    void initList();
    void repairLinks();
    void clearTimes();
    void saveFile();
    void loadFile();
    void moveToFile();
    void moveFromFile();
    void showHelp(bool show);

    Services m_services;
    ListUtility m_utility;
    QString m_user;
    QString m_path;
    int m_selected = -1; // 0 the user's own list, 1..7 a job list
    bool m_loading = false;

    QGroupBox *m_menu = nullptr; // frmMenu
    QLineEdit *m_pathBox = nullptr;
    FilePicker *m_picker = nullptr;
    std::array<QPushButton *, 8> m_lists{}; // cmdUserList, cmdList1..7
    QLineEdit *m_titleBox = nullptr;
    QPushButton *m_init = nullptr;
    QPushButton *m_fixLinks = nullptr;
    QPushButton *m_clearTime = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_load = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_restore = nullptr;
    QPushButton *m_help = nullptr;
    QLabel *m_status = nullptr;
    QGroupBox *m_helpFrame = nullptr; // frmHelp
};

} // namespace vidorev
