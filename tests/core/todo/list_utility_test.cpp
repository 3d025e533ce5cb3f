#include "test_env.h"
#include "todo/list_files.h"
#include "todo/list_utility.h"

namespace vidorev::test {
namespace {

// Storage lines read back by their tabs and cut their fields (after the first tab 12 characters,
// after the second 9, after the third 6; with two tabs the minutes stay as they are); a tab in a
// task is written as a blank. File buttons follow the path's last letter exactly.
TEST(ListFiles, StorageLinesAndFileButtons) {
    const std::pair<const char *, const char *> lines[] = {
        {"Call Bob\t3\t17\t95", "Call Bob|3|17|95"},
        {"Call Bob\t3\t17", "Call Bob|3|17|-"},
        {"x\t1\t2\t12345678", "x|1|2|123456"},
        {"\t0\t0\t0", "|0|0|0"},
        {"one\ttab", "no"}};
    for (const auto &[line, expected] : lines) {
        const auto n = todo::parseStorageLine(line);
        EXPECT_EQ(n ? n->task + '|' + n->prior + '|' + n->next + '|' + n->soFar.value_or("-")
                    : "no",
                  expected);
    }
    EXPECT_EQ(todo::storageLine("a\tb", "1", "2", 3), "a b\t1\t2\t3");
    EXPECT_EQ(todo::parseStorageLine("\t0\t0\t0"), todo::StoredNode{});
    EXPECT_EQ(todo::fileButtons("/t/a.2do", false, false), todo::FileButtons{});
    // Load, save, move from, move to; with no list chosen or a path of under 5 characters, none.
    QStringList offered;
    for (const auto &[path, selected, exists] : {std::tuple{"/t/a.2do", true, false},
                                                 {"/t/a.2DO", true, false},
                                                 {"/t/a.2ds", true, true},
                                                 {"/t/a.2ds", true, false},
                                                 {"/t/a.2do", false, false},
                                                 {"a.so", true, false}}) {
        const todo::FileButtons b = todo::fileButtons(path, selected, exists);
        offered << QString("%1%2%3%4").arg(b.load).arg(b.save).arg(b.moveFrom).arg(b.moveTo);
    }
    EXPECT_EQ(offered.join(' '), "1100 0000 0010 0001 0000 0000");
}

class ListUtilityTest : public ::testing::Test {
protected:
    ListUtilityTest() { utility.select("annJob2", "722"); }
    // Every node's task, links and minutes ("0" for none), as the list panel reads them.
    QStringList nodes() {
        QStringList all;
        for (int i = 0; i <= 22; ++i) {
            const QString n = QString::number(i);
            all << chain.task(n) + '|' + chain.prior(n) + '|' + chain.next(n) + '|' +
                       env.get(chain.clockSection(n), keys::kSoFar, "0");
        }
        return all;
    }
    // The ring 0 -> 1 -> ... -> 22 -> 0 as nodes() shows it, each with its "task|minutes".
    static QStringList ring(QStringList nodes) {
        for (int i = 0; i <= 22; ++i)
            nodes[i] = nodes[i].section('|', 0, 0) +
                       QStringLiteral("|%1|%2|").arg((i + 22) % 23).arg((i + 1) % 23) +
                       nodes[i].section('|', 1);
        return nodes;
    }
    void set(const QString &node, const QString &task, const QString &minutes = "0") {
        chain.setTask(node, task);
        env.put(chain.clockSection(node), keys::kSoFar, minutes);
    }
    todo::ActionResult load(const QString &name) {
        return utility.loadTaskFile(env.filePath(name), "ann", env.clock().now());
    }

    TestEnv env;
    TaskChain chain{env.store(), "annJob2"};
    ListUtility utility{env.store()};
    QString tasks = env.filePath("tasks.2do"), stash = env.filePath("stash.2ds");
};

// Repair touches only the links, clearing only the times, init everything.
TEST_F(ListUtilityTest, InitRepairAndClearTimesTouchOnlyWhatTheySay) {
    set("0", "722");
    set("4", "Call Bob", "95");
    chain.setNext("0", "4");
    chain.setPrior("4", "0");
    QStringList expected(23, "|0");
    expected[0] = "722|0";
    expected[4] = "Call Bob|95";
    ASSERT_TRUE(utility.repairLinks().ok);
    EXPECT_EQ(nodes(), ring(expected));
    ASSERT_TRUE(utility.clearTimes().ok);
    expected[4] = "Call Bob|0";
    EXPECT_EQ(nodes(), ring(expected));
    EXPECT_EQ(utility.pointer(), ListUtility::kPointerDone);
    set("4", "Call Bob", "95");
    chain.setNext("7", "2");
    ASSERT_TRUE(utility.init().ok);
    EXPECT_EQ(nodes(), ring(QStringList(23, "|0")));
    EXPECT_EQ(utility.pointer(), 1);
}

// A save writes the non-empty slots in slot order; loading is then done until the list is
// chosen again. A failed save leaves the old file whole and no temporary beside it.
TEST_F(ListUtilityTest, SaveWritesSlotsInOrderOrLeavesTheOldFileWhole) {
    set("5", "Second");
    set("2", "First");
    writeFile(tasks, "old file that is longer than the new one\r\n");
    EXPECT_FALSE(onFullDisk([&] { return utility.saveTaskFile(tasks); }).message.isEmpty());
    EXPECT_FALSE(utility.saveTaskFile(env.filePath("no/such/folder/tasks.2do")).ok);
    EXPECT_EQ(fileBytes(tasks), "old file that is longer than the new one\r\n");
    EXPECT_EQ(QDir(env.dir()).entryList({"tasks*"}, QDir::Files | QDir::Hidden),
              QStringList{"tasks.2do"});
    ASSERT_TRUE(utility.saveTaskFile(tasks).ok);
    EXPECT_EQ(fileBytes(tasks), "First\r\nSecond\r\n");
    env.makeDiary("ann");
    ASSERT_TRUE(load("tasks.2do").ok);
    EXPECT_EQ(chain.task("1"), "");
}

// A load fills slots from the pointer on, notes each in the Diary and stops at the last slot;
// one that cannot read its file or note its tasks leaves the list as it was.
TEST_F(ListUtilityTest, LoadFillsSlotsFromThePointerNotesEachOrChangesNothing) {
    writeFile(env.filePath("a.2do"), "One\r\nTwo @ noon\r\nThree");
    chain.setNext("0", "5");
    QStringList before = env.snapshot();
    EXPECT_TRUE(load("a.2do").message.contains("Diary"));
    EXPECT_EQ(env.snapshot(), before);
    const QString diary = env.makeDiary("ann");
    before = env.snapshot();
    EXPECT_TRUE(load("none.2do").message.contains("none.2do"));
    EXPECT_EQ(env.snapshot(), before);
    QByteArray many;
    for (int k = 4; k <= 30; ++k)
        many += "Task " + QByteArray::number(k) + "\n";
    writeFile(env.filePath("b.2do"), many);
    ASSERT_TRUE(load("a.2do").ok);
    EXPECT_EQ(utility.pointer(), 4);
    EXPECT_EQ(chain.task("2") + chain.next("0"), "Two @ noon1");
    ASSERT_TRUE(load("b.2do").ok);
    EXPECT_EQ(chain.task("22") + chain.task("23"), "Task 22");
    EXPECT_EQ(utility.pointer(), ListUtility::kPointerDone);
    const QStringList lines = env.diaryLines(diary);
    ASSERT_EQ(lines.size(), 22);
    EXPECT_TRUE(lines[0].startsWith("[DoList][Note ] <AddTaskFromFile> (722) One @ "));
    EXPECT_EQ(lines[1].count(u'@'), 1) << lines[1].toStdString(); // the task's own is escaped
}

// Moved to storage and back, the list is as it was and the file gone; a move the disk or the
// folder refuses keeps the list and leaves no file.
TEST_F(ListUtilityTest, MoveToStorageAndBackRestoresTheListExactlyOrKeepsIt) {
    set("0", "722");
    ASSERT_TRUE(utility.repairLinks().ok);
    set("1", "Call Bob", "95");
    set("3", "Order toner", "123456");
    ASSERT_TRUE(chain.moveDown("1"));
    const QStringList before = nodes(), stored = env.snapshot();
    EXPECT_TRUE(
        onFullDisk([&] { return utility.moveToStorage(stash); }).message.contains("stash.2ds"));
    EXPECT_FALSE(utility.moveToStorage(env.filePath("gone/stash.2ds")).ok);
    EXPECT_EQ(env.snapshot(), stored);
    EXPECT_FALSE(QFile::exists(stash));
    ASSERT_TRUE(utility.moveToStorage(stash).ok);
    EXPECT_TRUE(fileBytes(stash).startsWith("722\t22\t2\t0\r\nCall Bob\t2\t3\t95\r\n"));
    EXPECT_EQ(fileBytes(stash).count("\r\n"), 23);
    EXPECT_EQ(nodes(), ring(QStringList(23, "|0")));
    ASSERT_TRUE(utility.moveFromStorage(stash).ok);
    EXPECT_EQ(nodes(), before);
    EXPECT_FALSE(QFile::exists(stash));
}

// A file that is no storage file, or one the store refuses to take, changes nothing and stays;
// a short storage file fills the missing lines with empty slots.
TEST_F(ListUtilityTest, MoveFromStorageTakesAStorageFileWholeOrNothing) {
    set("0", "", "33");
    set("5", "Call Bob");
    const QStringList before = env.snapshot();
    QByteArray tooLong;
    for (int k = 0; k < 24; ++k)
        tooLong += "x\t0\t0\t0\r\n";
    const QByteArray refused[] = {"722\t22\t1\t0\r\nCall Bob 0 2 95\r\n", // a line without tabs
                                  "722\tab\tcd\t0\r\n",                   // links that are no ids
                                  "722\t22\t1\tlots\r\n", // minutes that are no number
                                  "", tooLong};
    for (const QByteArray &bytes : refused) {
        writeFile(stash, bytes);
        EXPECT_TRUE(utility.moveFromStorage(stash).message.contains("stash.2ds")) << bytes.data();
        EXPECT_EQ(env.snapshot(), before) << bytes.constData();
        EXPECT_EQ(fileBytes(stash), bytes);
    }
    const QByteArray bytes = "Old list\t1\t1\r\nOnly task\t0\t0\t7\r\n"; // two lines of 23
    writeFile(stash, bytes);
    EXPECT_FALSE(onFullDisk([&] { return utility.moveFromStorage(stash); }).ok);
    EXPECT_EQ(env.snapshot(), before);
    EXPECT_EQ(fileBytes(stash), bytes);
    ASSERT_TRUE(utility.moveFromStorage(stash).ok);
    EXPECT_EQ(nodes().mid(0, 2), QStringList({"Old list|1|1|33", "Only task|0|0|7"})); // two tabs
    EXPECT_EQ(nodes()[5], "|0|0|0"); // and the minutes stay
    EXPECT_FALSE(QFile::exists(stash));
}

TEST(ListTitles, OwnListTakesTheUserNameAndJobListsAreRenamed) {
    TestEnv env;
    EXPECT_EQ(todo::ensureOwnTitle(env.store(), "ann"), "ann");
    EXPECT_EQ(env.get("annDoData", "0Task"), "ann");
    ASSERT_TRUE(todo::renameList(env.store(), "annJob3", "Garden"));
    EXPECT_EQ(todo::jobListTitles(env.store(), "ann")[2], "Garden");
}

} // namespace
} // namespace vidorev::test
