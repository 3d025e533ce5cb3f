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
    QString matched;
    for (const auto &[pattern, name] : {std::pair{"*.jpg;*.gif", "a.GIF"},
                                        {"*.jpg;*.gif", "c.png"},
                                        {" *.jpg ; ; *.gif ", "d.gif"},
                                        {"", "README"},
                                        {" ; ", "x.txt"},
                                        {"*.2d*", "store.2DS"},
                                        {"a?.txt", "abc.txt"}})
        matched += matchesPatterns(name, splitPatterns(pattern)) ? '1' : '0';
    EXPECT_EQ(matched, "1011110");
    QStringList names{"b.txt", "B.txt", "a.txt", "C.txt", "A.txt"};
    sortNames(names);
    EXPECT_EQ(names, QStringList({"A.txt", "a.txt", "B.txt", "b.txt", "C.txt"}));
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

// Opened on a path, the choice selects its file; moves choose and say when they reach an end.
TEST(FileChoice, APathSelectsItsFileAndMovesChooseTheNext) {
    QTemporaryDir dir;
    for (const char *name : {"a.2do", "b.2do", ".hidden.2do"})
        test::writeFile(dir.filePath(name), {});
    FileChoice choice;
    ASSERT_TRUE(choice.setPath(dir.filePath("a.2do")));
    EXPECT_EQ(choice.files(), QStringList({"a.2do", "b.2do"})); // no hidden files
    EXPECT_EQ(choice.move(FileMove::Next), (MoveResult{1, false}));
    EXPECT_EQ(choice.path(), QDir::toNativeSeparators(dir.filePath("b.2do")));
    EXPECT_EQ(choice.move(FileMove::Next), (MoveResult{1, true}));
    EXPECT_EQ(moveSelection(FileMove::Prior, 1, 2), (MoveResult{0, false}));
    EXPECT_FALSE(choice.setPath(dir.filePath("gone.2do")));
    EXPECT_EQ(choice.index(), 1);
}

} // namespace
} // namespace vidorev::shell
