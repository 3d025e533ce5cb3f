#include "shell/file_choice.h"

#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vidorev::shell {
namespace {

TEST(FileChoiceRules, FolderAndNameJoinWithOneSeparator) {
    const struct {
        const char *folder, *name, *joined;
    } cases[] = {
        {"/", "notes.txt", "/notes.txt"}, // a root folder already ends in its separator
        {"/home/ann", "list.2do", "/home/ann/list.2do"},
        {"/home/ann/", "list.2do", "/home/ann/list.2do"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(joinFolderAndName(c.folder, c.name), QString(c.joined)) << c.folder;
}

TEST(FileChoiceRules, ARootFolderChoosesItsFilesWithOneSeparator) {
    FileChoice choice;
    ASSERT_TRUE(choice.setPath(QStringLiteral("/")));
    EXPECT_EQ(choice.folder(), QStringLiteral("/"));
    for (int i = 0; i < choice.files().size(); ++i) {
        ASSERT_TRUE(choice.choose(i));
        EXPECT_EQ(choice.path(), QDir::toNativeSeparators(u'/' + choice.files()[i]));
    }
}

TEST(FileChoiceRules, PatternsSplitOnSemicolonsAndMatchWithoutCase) {
    const struct {
        const char *pattern, *name;
        bool match;
    } cases[] = {
        {"*.jpg;*.gif", "a.GIF", true},  {"*.jpg;*.gif", "b.jpg", true},
        {"*.jpg;*.gif", "c.png", false}, {" *.jpg ; ; *.gif ", "d.gif", true},
        {"*.*", "README", true},         {"", "README", true},
        {" ; ", "x.txt", true},          {"*.2d*", "tasks.2do", true},
        {"*.2d*", "store.2DS", true},    {"*.2d*", "tasks.txt", false},
        {"a?.txt", "ab.txt", true},      {"a?.txt", "abc.txt", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(matchesPatterns(c.name, splitPatterns(c.pattern)), c.match)
            << c.pattern << " / " << c.name;
}

TEST(FileChoiceRules, NamesSortWithoutCaseThenBySpelling) {
    QStringList names{"b.txt", "B.txt", "a.txt", "C.txt", "A.txt"};
    sortNames(names);
    EXPECT_EQ(names, (QStringList{"A.txt", "a.txt", "B.txt", "b.txt", "C.txt"}));
}

TEST(FileChoiceRules, MovesStopAtTheEnds) {
    using M = FileMove;
    const struct {
        M move;
        int index, count;
        MoveResult result;
    } cases[] = {
        {M::Next, 0, 3, {1, false}},  {M::Next, 2, 3, {2, true}},   // keeps the last
        {M::Next, -1, 3, {0, false}}, {M::Next, -1, 0, {-1, true}}, // empty list
        {M::Prior, 2, 3, {1, false}}, {M::Prior, 0, 3, {0, true}},  {M::Prior, -1, 3, {-1, true}},
        {M::First, 1, 3, {0, true}},  {M::First, 0, 3, {0, true}},  {M::First, -1, 0, {-1, true}},
        {M::Last, 0, 3, {2, true}},   {M::Last, -1, 0, {-1, true}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(moveSelection(c.move, c.index, c.count), c.result)
            << int(c.move) << " from " << c.index << " of " << c.count;
}

TEST(FileChoiceRules, AFolderBelongsToTheDeepestDriveHoldingIt) {
    const QStringList roots{"/", "/home", "/home/ann/usb"};
    EXPECT_EQ(driveFor("/etc", roots), 0);
    EXPECT_EQ(driveFor("/home", roots), 1);
    EXPECT_EQ(driveFor("/home/ann", roots), 1);
    EXPECT_EQ(driveFor("/homework", roots), 0); // a prefix of the name is not a parent
    EXPECT_EQ(driveFor("/home/ann/usb/pics", roots), 2);
    EXPECT_EQ(driveFor("/etc", QStringList{"/home"}), -1);
}

TEST(FileChoiceRules, DrivesStartAtTheFileSystemRoot) {
    const QList<Drive> all = drives();
    ASSERT_FALSE(all.isEmpty());
    EXPECT_TRUE(QDir(all.first().root).isRoot());
    QStringList roots;
    for (const Drive &d : all) {
        EXPECT_TRUE(QFileInfo(d.root).isDir()) << d.root.toStdString();
        EXPECT_FALSE(roots.contains(d.root)) << d.root.toStdString();
        roots << d.root;
    }
}

// A folder with files and a sub-folder; the choice is opened on it.
class FileChoiceTest : public ::testing::Test {
protected:
    FileChoiceTest() {
        QDir(m_dir.path()).mkpath(QStringLiteral("sub/deeper"));
        for (const char *name : {"b.2do", "a.2ds", ".hidden.2do", "c.txt"})
            touch(name);
        EXPECT_TRUE(m_choice.setPath(m_dir.path()));
    }
    void touch(const char *name) {
        QFile f(m_dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QString folder(const QString &sub = QString()) {
        return QDir::cleanPath(QFileInfo(m_dir.filePath(sub)).absoluteFilePath());
    }

    QTemporaryDir m_dir;
    FileChoice m_choice;
};

TEST_F(FileChoiceTest, PathOpensItsFolderAndSelectsTheFile) {
    EXPECT_EQ(m_choice.files(), (QStringList{"a.2ds", "b.2do", "c.txt"})); // no hidden files
    ASSERT_TRUE(m_choice.setPath(m_dir.filePath(QStringLiteral("b.2do"))));
    EXPECT_EQ(m_choice.folder(), folder());
    EXPECT_EQ(m_choice.index(), 1);
    EXPECT_EQ(m_choice.path(), QDir::toNativeSeparators(folder() + QStringLiteral("/b.2do")));

    // The folder list runs from the root down to the open folder, then its sub-folders.
    const QList<FolderEntry> &list = m_choice.folders();
    ASSERT_EQ(m_choice.openFolderRow(), list.size() - 2);
    EXPECT_EQ(list.first().path, QStringLiteral("/"));
    EXPECT_EQ(list[m_choice.openFolderRow()].path, folder());
    EXPECT_EQ(list.last().name, QStringLiteral("sub"));
    EXPECT_FALSE(list.last().open);
    EXPECT_EQ(list.last().depth, list[list.size() - 2].depth + 1);
}

TEST_F(FileChoiceTest, AMissingPathOrAFolderThatCannotBeReadLeavesEverythingAsItWas) {
    m_choice.choose(0);
    const QString before = m_choice.path();
    for (const QString &bad : {m_dir.filePath(QStringLiteral("gone.2do")), QString(), QString(" ")})
        EXPECT_FALSE(m_choice.setPath(bad)) << bad.toStdString();
    EXPECT_TRUE(m_choice.error().isEmpty()); // a preset that is not there says nothing

    // What a folder list can offer and then not open: a locked folder, one that went away,
    // and a name that is no folder. Each says why, with the system's reason.
    QDir(m_dir.path()).mkpath(QStringLiteral("locked/inner"));
    ::chmod(QFile::encodeName(folder(QStringLiteral("locked"))).constData(), 0);
    const test::ObeyPermissions asAUser;
    const struct {
        const char *folder;
        const char *reason;
    } cases[] = {{"locked", "Permission denied"},
                 {"went", "No such file or directory"},
                 {"c.txt", "Not a directory"}};
    for (const auto &c : cases) {
        const QString path = folder(QLatin1String(c.folder));
        EXPECT_FALSE(m_choice.openFolder(path)) << c.folder;
        EXPECT_EQ(m_choice.error(), QStringLiteral("Cannot read the folder %1: %2")
                                        .arg(QDir::toNativeSeparators(path), c.reason));
        EXPECT_FALSE(m_choice.setPath(path + QStringLiteral("/inner"))) << c.folder;
        EXPECT_EQ(m_choice.path(), before);
        EXPECT_EQ(m_choice.folder(), folder());
        EXPECT_EQ(m_choice.index(), 0);
    }
    // The open folder locked since: shown empty, and saying so.
    ASSERT_TRUE(m_choice.openFolder(folder(QStringLiteral("sub"))));
    EXPECT_TRUE(m_choice.error().isEmpty());
    ::chmod(QFile::encodeName(folder(QStringLiteral("sub"))).constData(), 0);
    m_choice.refresh();
    EXPECT_TRUE(m_choice.error().endsWith(QStringLiteral(": Permission denied")));
    ::chmod(QFile::encodeName(folder(QStringLiteral("sub"))).constData(), 0700);
    ::chmod(QFile::encodeName(folder(QStringLiteral("locked"))).constData(), 0700);
}

TEST_F(FileChoiceTest, PatternAndRefreshKeepTheSelectedFile) {
    m_choice.choose(1); // b.2do
    m_choice.setPattern(QStringLiteral("*.2d*"));
    EXPECT_EQ(m_choice.files(), (QStringList{"a.2ds", "b.2do"}));
    EXPECT_EQ(m_choice.index(), 1);
    touch("a.2do");
    m_choice.refresh();
    EXPECT_EQ(m_choice.files(), (QStringList{"a.2do", "a.2ds", "b.2do"}));
    EXPECT_EQ(m_choice.index(), 2);
    m_choice.setPattern(QStringLiteral("*.txt"));
    EXPECT_EQ(m_choice.index(), -1);
}

TEST_F(FileChoiceTest, AnEmptyFolderIsAtBothEnds) {
    ASSERT_TRUE(m_choice.openFolder(folder(QStringLiteral("sub"))));
    EXPECT_TRUE(m_choice.files().isEmpty());
    EXPECT_TRUE(m_choice.startOfList());
    EXPECT_TRUE(m_choice.endOfList());
    EXPECT_EQ(m_choice.move(FileMove::Next), (MoveResult{-1, true}));
    EXPECT_FALSE(m_choice.choose(0));
}

} // namespace
} // namespace vidorev::shell
