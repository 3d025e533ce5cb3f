#include "shell/file_choice.h"

#include "test_env.h"

namespace vidorev::shell {
namespace {

// A folder and a name join with one separator, a root folder's included; patterns split on
// semicolons and match without case; names sort without case, then by spelling.
TEST(FileChoiceRules, JoinsPatternsAndSorting) {
    EXPECT_EQ(joinFolderAndName("/", "notes.txt"), "/notes.txt");
    EXPECT_EQ(joinFolderAndName("/home/ann/", "list.2do"), "/home/ann/list.2do");
    EXPECT_EQ(joinFolderAndName("/home/ann", "list.2do"), "/home/ann/list.2do");
    const struct {
        const char *pattern, *name;
        bool match;
    } cases[] = {{"*.jpg;*.gif", "a.GIF", true},
                 {"*.jpg;*.gif", "c.png", false},
                 {" *.jpg ; ; *.gif ", "d.gif", true},
                 {"", "README", true},
                 {" ; ", "x.txt", true},
                 {"*.2d*", "store.2DS", true},
                 {"a?.txt", "abc.txt", false}};
    for (const auto &c : cases)
        EXPECT_EQ(matchesPatterns(c.name, splitPatterns(c.pattern)), c.match)
            << c.pattern << " / " << c.name;
    QStringList names{"b.txt", "B.txt", "a.txt", "C.txt", "A.txt"};
    sortNames(names);
    EXPECT_EQ(names, QStringList({"A.txt", "a.txt", "B.txt", "b.txt", "C.txt"}));
}

TEST(FileChoiceRules, MovesStopAtTheEnds) {
    using M = FileMove;
    const struct {
        M move;
        int index, count;
        MoveResult result;
    } cases[] = {{M::Next, 0, 3, {1, false}},   {M::Next, 2, 3, {2, true}},
                 {M::Next, -1, 3, {0, false}},  {M::Next, -1, 0, {-1, true}},
                 {M::Prior, 2, 3, {1, false}},  {M::Prior, 0, 3, {0, true}},
                 {M::Prior, -1, 3, {-1, true}}, {M::First, 1, 3, {0, true}},
                 {M::Last, 0, 3, {2, true}},    {M::Last, -1, 0, {-1, true}}};
    for (const auto &c : cases)
        EXPECT_EQ(moveSelection(c.move, c.index, c.count), c.result)
            << int(c.move) << " from " << c.index << " of " << c.count;
}

// A folder belongs to the deepest drive holding it; the drives start at the file-system root.
TEST(FileChoiceRules, DrivesAndTheFoldersTheyHold) {
    const QStringList roots{"/", "/home", "/home/ann/usb"};
    EXPECT_EQ(driveFor("/etc", roots), 0);
    EXPECT_EQ(driveFor("/home/ann", roots), 1);
    EXPECT_EQ(driveFor("/homework", roots), 0); // a prefix of the name is not a parent
    EXPECT_EQ(driveFor("/home/ann/usb/pics", roots), 2);
    EXPECT_EQ(driveFor("/etc", QStringList{"/home"}), -1);
    const QList<Drive> all = drives();
    ASSERT_FALSE(all.isEmpty());
    EXPECT_TRUE(QDir(all.first().root).isRoot());
    for (const Drive &d : all)
        EXPECT_TRUE(QFileInfo(d.root).isDir()) << d.root.toStdString();
}

// A folder with files and a sub-folder; the choice is opened on it.
class FileChoiceTest : public ::testing::Test {
protected:
    FileChoiceTest() {
        QDir(m_dir.path()).mkpath("sub/deeper");
        for (const char *name : {"b.2do", "a.2ds", ".hidden.2do", "c.txt"})
            test::writeFile(m_dir.filePath(name), {});
        EXPECT_TRUE(m_choice.setPath(m_dir.path()));
    }
    QString folder(const QString &sub = QString()) {
        return QDir::cleanPath(QFileInfo(m_dir.filePath(sub)).absoluteFilePath());
    }

    QTemporaryDir m_dir;
    FileChoice m_choice;
};

TEST_F(FileChoiceTest, PathOpensItsFolderAndSelectsTheFileAndAMissingOneChangesNothing) {
    EXPECT_EQ(m_choice.files(), QStringList({"a.2ds", "b.2do", "c.txt"})); // no hidden files
    ASSERT_TRUE(m_choice.setPath(m_dir.filePath("b.2do")));
    EXPECT_EQ(m_choice.index(), 1);
    EXPECT_EQ(m_choice.path(), QDir::toNativeSeparators(folder() + "/b.2do"));
    // The folder list runs from the root down to the open folder, then its sub-folders.
    const QList<FolderEntry> &list = m_choice.folders();
    ASSERT_EQ(m_choice.openFolderRow(), list.size() - 2);
    EXPECT_EQ(list.first().path, "/");
    EXPECT_EQ(list[m_choice.openFolderRow()].path, folder());
    EXPECT_EQ(list.last().name, "sub");
    EXPECT_EQ(list.last().depth, list[list.size() - 2].depth + 1);
    EXPECT_EQ(m_choice.move(FileMove::Next), (MoveResult{2, false}));
    EXPECT_EQ(m_choice.path(), QDir::toNativeSeparators(folder() + "/c.txt"));
    for (const QString &bad : {m_dir.filePath("gone.2do"), QString(), QString(" ")})
        EXPECT_FALSE(m_choice.setPath(bad)) << bad.toStdString();
    EXPECT_EQ(m_choice.path(), QDir::toNativeSeparators(folder() + "/c.txt"));
}

} // namespace
} // namespace vidorev::shell
