#pragma once

#include "diary/diary_writer.h"
#include "shell/main_window.h"
#include "test_env.h"

// What every panel test uses beside the rules' test support: the common controls and Qt Test.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace vidorev::test {

// The program's main window on a test store, shown and active as a user starts it.
class Desk {
public:
    Desk();
    ~Desk();
    // A user with an empty Diary who has run this version before, so writes add no upgrade line.
    QString makeUser(const QString &user, const QString &diary = QStringLiteral("diary.log"));
    // Starts the window (again, on the same store) with a start line such as "/Uann".
    MainWindow &open(const QString &commandLine = {});

    template <typename T = QWidget> T *find(const QString &name, QWidget *in = nullptr) const {
        return (in ? in : static_cast<QWidget *>(window.get()))->findChild<T *>(name);
    }
    // The showing control of that name (pages reuse names), else the first, as a click would.
    QWidget *showing(const QString &name, QWidget *in = nullptr) const;
    void click(const QString &name, QWidget *in = nullptr) const;
    void setUser(const QString &user) const;

    TestEnv env;
    DiaryWriter writer;
    std::unique_ptr<MainWindow> window;
};

} // namespace vidorev::test
