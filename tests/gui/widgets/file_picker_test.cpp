#include "widgets/file_picker.h"

#include "test_env.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <future>
#include <sys/stat.h>

namespace vidorev {
namespace {

// A folder with three pictures, a note and a sub-folder, and a picker opened on it.
class FilePickerTest : public ::testing::Test {
protected:
    FilePickerTest() {
        for (const char *name : {"b.jpg", "a.GIF", "c.jpg", "notes.txt", "sub/inner.jpg"}) {
            QDir(m_dir.path()).mkpath(QFileInfo(m_dir.filePath(name)).path());
            QFile f(m_dir.filePath(QLatin1String(name)));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        }
        m_picker.setPath(m_dir.path());
        m_picker.waitForListing();
    }
    QStringList shownFiles() {
        QStringList out;
        for (int i = 0; i < files()->count(); ++i)
            out << files()->item(i)->text();
        return out;
    }
    QListWidget *files() { return m_picker.findChild<QListWidget *>(QStringLiteral("File1")); }
    QTreeWidget *folders() { return m_picker.findChild<QTreeWidget *>(QStringLiteral("Dir1")); }
    QComboBox *drives() { return m_picker.findChild<QComboBox *>(QStringLiteral("Drive1")); }
    QString native(const QString &name) { return QDir::toNativeSeparators(m_dir.filePath(name)); }

    QTemporaryDir m_dir;
    FilePicker m_picker;
};

TEST_F(FilePickerTest, MovesChooseThenReportTheEnd) {
    QStringList order;
    QObject::connect(&m_picker, &FilePicker::fileChosen, [&] { order << m_picker.path(); });
    QObject::connect(&m_picker, &FilePicker::listEnd, [&] { order << QStringLiteral("end"); });
    m_picker.setPattern(QStringLiteral("*.jpg;*.gif"));
    EXPECT_EQ(shownFiles(), (QStringList{"a.GIF", "b.jpg", "c.jpg"}));
    m_picker.setPath(m_dir.filePath(QStringLiteral("b.jpg"))); // the second of three
    m_picker.waitForListing();
    EXPECT_TRUE(order.isEmpty()); // a preset is no choice
    m_picker.moveFirst();
    EXPECT_EQ(order, (QStringList{native("a.GIF"), "end"}));
    EXPECT_TRUE(m_picker.startOfList());
    order.clear();
    m_picker.moveLast();
    m_picker.moveNext();
    EXPECT_EQ(order, (QStringList{native("c.jpg"), "end", "end"}));
    EXPECT_TRUE(m_picker.endOfList());
    EXPECT_EQ(files()->currentRow(), 2);
}

TEST_F(FilePickerTest, APresetPathOpensItsFolderWithoutCascading) {
    QSignalSpy chosen(&m_picker, &FilePicker::fileChosen);
    m_picker.setPath(m_dir.filePath(QStringLiteral("sub/inner.jpg")));
    m_picker.waitForListing();
    EXPECT_EQ(shownFiles(), (QStringList{"inner.jpg"}));
    EXPECT_EQ(files()->currentRow(), 0);
    EXPECT_EQ(m_picker.path(), native("sub/inner.jpg"));
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_EQ(folders()->currentItem()->text(0), "sub");
    EXPECT_GE(drives()->currentIndex(), 0);

    m_picker.setPath(m_dir.filePath(QStringLiteral("missing.jpg")));
    m_picker.waitForListing();
    EXPECT_EQ(m_picker.path(), native("sub/inner.jpg"));
    EXPECT_EQ(shownFiles(), (QStringList{"inner.jpg"}));
}

TEST_F(FilePickerTest, KeyboardAloneOpensFoldersAndChoosesFiles) {
    m_picker.show();
    QApplication::setActiveWindow(&m_picker);
    drives()->setFocus();
    EXPECT_EQ(drives()->accessibleName(), "Drive");
    for (const char *next : {"Folder", "File"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->accessibleName(), next);
    }

    QTest::keyClick(folders(), Qt::Key_End); // the last row: the sub-folder
    QCoreApplication::processEvents();
    EXPECT_EQ(shownFiles().size(), 4); // moving to a folder does not open it
    QTest::keyClick(folders(), Qt::Key_Return);
    m_picker.waitForListing();
    EXPECT_EQ(shownFiles(), (QStringList{"inner.jpg"}));
    QTest::keyClick(folders(), Qt::Key_Backspace);
    m_picker.waitForListing();
    EXPECT_EQ(shownFiles().size(), 4);

    QSignalSpy chosen(&m_picker, &FilePicker::fileChosen);
    files()->setFocus();
    QTest::keyClick(files(), Qt::Key_Down);
    QTest::keyClick(files(), Qt::Key_Down);
    EXPECT_EQ(chosen.count(), 2);
    EXPECT_EQ(m_picker.path(), native("b.jpg"));
}

// What a screen reader does to pick an item: select it, without moving the keyboard's place.
void selectByScreenReader(QWidget *view, const QString &name) {
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(view);
    ASSERT_NE(list, nullptr);
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface *cell = list->child(i);
        if (cell->text(QAccessible::Name) == name && cell->actionInterface()) {
            cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            QCoreApplication::processEvents();
            return;
        }
    }
    ADD_FAILURE() << "no item " << name.toStdString();
}

TEST_F(FilePickerTest, AFolderThatCannotBeReadIsSaidAndNotOpened) {
    m_picker.show();
    const QString locked = m_dir.filePath(QStringLiteral("locked"));
    QDir().mkpath(locked);
    ::chmod(QFile::encodeName(locked).constData(), 0);
    m_picker.refresh();
    m_picker.waitForListing();
    QSignalSpy changed(&m_picker, &FilePicker::folderChanged);
    auto *message = m_picker.findChild<QLabel *>(QStringLiteral("lblFolderMessage"));
    m_picker.setFolderReader([](const QString &folder) {
        const test::ObeyPermissions asAUser; // on the reading thread
        return shell::readFolder(folder);
    });
    selectByScreenReader(folders(), QStringLiteral("locked"));
    m_picker.waitForListing();
    ::chmod(QFile::encodeName(locked).constData(), 0700);
    EXPECT_TRUE(message->isVisible());
    EXPECT_EQ(message->text(), QStringLiteral("Cannot read the folder %1: Permission denied")
                                   .arg(QDir::toNativeSeparators(locked)));
    EXPECT_EQ(shownFiles().size(), 4); // still the folder that was open
    EXPECT_EQ(changed.count(), 0);     // so no host remembers the other
    selectByScreenReader(folders(), QStringLiteral("sub"));
    m_picker.waitForListing();
    EXPECT_FALSE(message->isVisible());
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(FilePickerTest, AFolderThatDoesNotAnswerLeavesTheWindowAnswering) {
    std::promise<void> gate; // a share that hangs: reading "sub" waits until the test lets it go
    m_picker.setFolderReader([answers = gate.get_future().share()](const QString &folder) {
        if (folder.endsWith(QStringLiteral("/sub")))
            answers.wait();
        return shell::readFolder(folder);
    });
    m_picker.show();
    QSignalSpy changed(&m_picker, &FilePicker::folderChanged);
    auto *message = m_picker.findChild<QLabel *>(QStringLiteral("lblFolderMessage"));
    selectByScreenReader(folders(), QStringLiteral("sub")); // returns while "sub" hangs
    EXPECT_EQ(message->text(), QStringLiteral("Reading %1...").arg(native("sub")));
    selectByScreenReader(files(), QStringLiteral("a.GIF")); // the open folder stays usable
    EXPECT_EQ(m_picker.path(), native("a.GIF"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return message->text().contains("is not answering"); }));

    // Another drive chosen meanwhile is read and opened; the hung folder is left behind.
    ASSERT_EQ(drives()->itemText(0), QDir::toNativeSeparators(QDir::rootPath()));
    drives()->setCurrentIndex(-1);
    drives()->setCurrentIndex(0);
    m_picker.waitForListing();
    EXPECT_EQ(folders()->currentItem(), folders()->topLevelItem(0));
    EXPECT_FALSE(message->isVisible());
    gate.set_value(); // the share answers at last: its late listing changes nothing
    QTest::qWait(100);
    EXPECT_EQ(m_picker.folder(), QDir::rootPath());
    EXPECT_EQ(changed.count(), 1);
}
} // namespace
} // namespace vidorev
