#include "platform/settings_keys.h"
#include "test_env.h"
#include "todo/list_files.h"
#include "todo/list_utility.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using vidorev::ListUtility;
using vidorev::TaskChain;
using vidorev::test::TestEnv;
namespace todo = vidorev::todo;
namespace keys = vidorev::keys;

namespace {

const QString kUser = QStringLiteral("ann");
const QString kList = QStringLiteral("annJob2");

QByteArray contents(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Every value the store holds, one text a value.
QStringList snapshot(const vidorev::SettingsStore &store) {
    QStringList all;
    for (const auto &e : store.entries())
        all << e.section + u'|' + e.key + u'|' + e.value;
    return all;
}

class ListUtilityTest : public ::testing::Test {
protected:
    ListUtilityTest() { utility.select(kList, QStringLiteral("722")); }
    QString soFar(const QString &node) {
        return env.store().get(keys::kAppDiary, chain.clockSection(node), keys::kSoFar, "unset");
    }
    // Every node's task, links and minutes, as the list panel reads them.
    QStringList nodes() {
        QStringList all;
        for (int i = 0; i <= 22; ++i) {
            const QString n = QString::number(i);
            const QString minutes =
                env.store().get(keys::kAppDiary, chain.clockSection(n), keys::kSoFar, "0");
            all << QStringList{chain.task(n), chain.prior(n), chain.next(n), minutes}.join('|');
        }
        return all;
    }
    void setSoFar(const QString &node, const QString &minutes) {
        env.store().save(keys::kAppDiary, chain.clockSection(node), keys::kSoFar, minutes);
    }
    // The ring 0 -> 1 -> ... -> 22 -> 0, with every prior the mirror of its next.
    void expectRing() {
        for (int i = 0; i <= 22; ++i) {
            const QString n = QString::number(i);
            EXPECT_EQ(chain.next(n), QString::number((i + 1) % 23)) << i;
            EXPECT_EQ(chain.prior(n), QString::number((i + 22) % 23)) << i;
        }
    }

    TestEnv env;
    TaskChain chain{env.store(), kList};
    ListUtility utility{env.store()};
};

TEST(ListFiles, StorageLinesReadBackByTheirTabsAndCuts) {
    struct Case {
        const char *line;
        std::optional<todo::StoredNode> node;
    };
    const Case cases[] = {
        {"Call Bob\t3\t17\t95", todo::StoredNode{"Call Bob", "3", "17", "95"}},
        // Two tabs only: the rest is the next id, and the minutes stay as they are.
        {"Call Bob\t3\t17", todo::StoredNode{"Call Bob", "3", "17", std::nullopt}},
        // After the first tab 12 characters, after the second 9, after the third 6.
        {"x\t22\t21\t1234567", todo::StoredNode{"x", "22", "21", "123456"}},
        {"x\t1\t2\t12345678", todo::StoredNode{"x", "1", "2", "123456"}},
        {"\t0\t0\t0", todo::StoredNode{}},
        {"no tabs at all", std::nullopt},
        {"one\ttab", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(todo::parseStorageLine(QString::fromUtf8(c.line)), c.node) << c.line;
    // A tab in a task would shift the fields: it is written as a blank.
    EXPECT_EQ(todo::storageLine("a\tb", "1", "2", 3), QStringLiteral("a b\t1\t2\t3"));
}

TEST(ListFiles, FileButtonsFollowThePathsLastLetter) {
    struct Case {
        const char *path;
        bool selected, exists;
        todo::FileButtons buttons;
    };
    const Case cases[] = {
        {"/t/a.2do", true, false, {true, true, false, false}},
        {"/t/a.2DO", true, false, {}}, // exact: upper case allows nothing
        {"/t/a.2ds", true, true, {false, false, true, false}},
        {"/t/a.2ds", true, false, {false, false, false, true}},
        {"/t/a.2dS", true, false, {}},
        {"/t/a.2do", false, false, {}}, // no list chosen
        {"a.so", true, false, {}},      // shorter than 5 characters
    };
    for (const Case &c : cases)
        EXPECT_EQ(todo::fileButtons(QString::fromUtf8(c.path), c.selected, c.exists), c.buttons)
            << c.path << c.selected << c.exists;
}

TEST_F(ListUtilityTest, InitRepairAndClearTimesTouchOnlyWhatTheySay) {
    chain.setTask("0", "722");
    chain.setTask("4", "Call Bob");
    chain.setNext("0", "4");
    chain.setPrior("4", "0");
    setSoFar("4", "95");

    ASSERT_TRUE(utility.repairLinks().ok);
    expectRing();
    EXPECT_EQ(chain.task("4"), QStringLiteral("Call Bob"));
    EXPECT_EQ(chain.task("0"), QStringLiteral("722"));
    EXPECT_EQ(soFar("4"), QStringLiteral("95"));

    ASSERT_TRUE(utility.clearTimes().ok);
    EXPECT_EQ(soFar("4"), QStringLiteral("0"));
    EXPECT_EQ(chain.task("4"), QStringLiteral("Call Bob"));
    EXPECT_EQ(utility.pointer(), ListUtility::kPointerDone);

    setSoFar("4", "95");
    chain.setNext("7", "2");
    ASSERT_TRUE(utility.init().ok);
    expectRing();
    EXPECT_EQ(chain.task("0"), QString());
    EXPECT_EQ(chain.task("4"), QString());
    EXPECT_EQ(soFar("4"), QStringLiteral("0"));
    EXPECT_EQ(utility.pointer(), 1);
}

TEST_F(ListUtilityTest, SaveWritesNonEmptySlotsInSlotOrderAndStopsLoading) {
    chain.setTask("5", "Second");
    chain.setTask("2", "First");
    const QString path = env.filePath("tasks.2do");
    writeFile(path, "old file that is longer than the new one\r\n\r\n\r\n");
    ASSERT_TRUE(utility.saveTaskFile(path).ok);
    EXPECT_EQ(contents(path), QByteArray("First\r\nSecond\r\n"));
    EXPECT_EQ(utility.pointer(), ListUtility::kPointerDone);

    // Loading is done until the list is chosen again.
    env.makeDiary(kUser);
    ASSERT_TRUE(utility.loadTaskFile(path, kUser, env.clock().now()).ok);
    EXPECT_EQ(chain.task("1"), QString());
}

TEST_F(ListUtilityTest, AFailedSaveLeavesTheOldFileWholeAndSaysSo) {
    chain.setTask("1", "New task");
    const QString path = env.filePath("tasks.2do");
    writeFile(path, "Old task\r\n");
    todo::ActionResult full, noFolder;
    {
        vidorev::test::FullDisk disk;
        full = utility.saveTaskFile(path);
    }
    noFolder = utility.saveTaskFile(env.filePath("no/such/folder/tasks.2do"));
    EXPECT_FALSE(full.ok);
    EXPECT_FALSE(noFolder.ok);
    EXPECT_FALSE(full.message.isEmpty());
    EXPECT_EQ(contents(path), QByteArray("Old task\r\n"));
    EXPECT_EQ(QDir(env.dir()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"settings.sqlite", "settings.sqlite-shm", "settings.sqlite-wal",
                           "tasks.2do"}));
}

TEST_F(ListUtilityTest, LoadFillsSlotsFromThePointerAndNotesEachInTheDiary) {
    const QString diary = env.makeDiary(kUser);
    const QString first = env.filePath("a.2do"), second = env.filePath("b.2do");
    writeFile(first, "One\r\nTwo @ noon\r\nThree");
    writeFile(second, "Four\nFive\nSix\n");
    ASSERT_TRUE(utility.loadTaskFile(first, kUser, env.clock().now()).ok);
    ASSERT_TRUE(utility.loadTaskFile(second, kUser, env.clock().now()).ok);
    const QStringList expected{"One", "Two @ noon", "Three", "Four", "Five", "Six", ""};
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(chain.task(QString::number(k)), expected[k - 1]) << k;
    EXPECT_EQ(chain.next("0"), QStringLiteral("1"));
    EXPECT_EQ(utility.pointer(), 7);

    const QStringList lines = env.diaryLines(diary);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines[0].startsWith("[DoList][Note ] <AddTaskFromFile> (722) One @ "))
        << lines[0].toStdString();
    // The task's own "@" is escaped: the stamp's is the only one.
    EXPECT_EQ(lines[1].count(u'@'), 1) << lines[1].toStdString();
}

TEST_F(ListUtilityTest, LoadStopsAtTheLastSlot) {
    env.makeDiary(kUser);
    QByteArray many;
    for (int k = 1; k <= 30; ++k)
        many += "Task " + QByteArray::number(k) + "\r\n";
    const QString path = env.filePath("many.2do");
    writeFile(path, many);
    ASSERT_TRUE(utility.loadTaskFile(path, kUser, env.clock().now()).ok);
    EXPECT_EQ(chain.task("22"), QStringLiteral("Task 22"));
    EXPECT_EQ(chain.task("23"), QString());
    EXPECT_EQ(utility.pointer(), ListUtility::kPointerDone);
}

// Neither the task file nor the Diary is missing when the list changes: a load that cannot
// read its file or note its tasks leaves the list as it was.
TEST_F(ListUtilityTest, LoadThatCannotOpenItsFilesChangesNothing) {
    const QString tasks = env.filePath("a.2do");
    writeFile(tasks, "One\r\n");
    chain.setNext("0", "5");
    const QStringList before = snapshot(env.store());

    const todo::ActionResult noDiary = utility.loadTaskFile(tasks, kUser, env.clock().now());
    EXPECT_FALSE(noDiary.ok);
    EXPECT_TRUE(noDiary.message.contains("Diary")) << noDiary.message.toStdString();
    EXPECT_EQ(snapshot(env.store()), before);

    const QString diary = env.makeDiary(kUser);
    const QStringList withDiary = snapshot(env.store());
    const todo::ActionResult noFile =
        utility.loadTaskFile(env.filePath("none.2do"), kUser, env.clock().now());
    EXPECT_FALSE(noFile.ok);
    EXPECT_TRUE(noFile.message.contains("none.2do")) << noFile.message.toStdString();
    EXPECT_EQ(snapshot(env.store()), withDiary);
    EXPECT_TRUE(env.diaryLines(diary).isEmpty());
    EXPECT_EQ(utility.pointer(), 1);
}

TEST_F(ListUtilityTest, MoveToStorageAndBackRestoresTheListExactlyAndDeletesTheFile) {
    chain.setTask("0", "722");
    ASSERT_TRUE(utility.repairLinks().ok);
    chain.setTask("1", "Call Bob");
    chain.setTask("3", "Order toner");
    ASSERT_TRUE(chain.moveDown("1"));
    setSoFar("1", "95");
    setSoFar("3", "123456");
    const QStringList before = nodes();
    const QString path = env.filePath("stash.2ds");

    ASSERT_TRUE(utility.moveToStorage(path).ok);
    const QList<QByteArray> lines = contents(path).split('\n');
    ASSERT_EQ(lines.size(), 24); // 23 lines, each ended by CR LF
    EXPECT_EQ(lines[0], QByteArray("722\t22\t2\t0\r"));
    EXPECT_EQ(lines[1], QByteArray("Call Bob\t2\t3\t95\r"));
    EXPECT_EQ(chain.task("0"), QString());
    EXPECT_EQ(chain.task("1"), QString());
    EXPECT_EQ(soFar("3"), QStringLiteral("0"));
    expectRing();

    ASSERT_TRUE(utility.moveFromStorage(path).ok);
    EXPECT_EQ(nodes(), before);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ListUtilityTest, AFailedMoveToStorageKeepsTheList) {
    chain.setTask("1", "Call Bob");
    setSoFar("1", "95");
    const QStringList before = snapshot(env.store());
    const QString path = env.filePath("stash.2ds");
    todo::ActionResult full;
    {
        vidorev::test::FullDisk disk;
        full = utility.moveToStorage(path);
    }
    const todo::ActionResult noFolder = utility.moveToStorage(env.filePath("gone/stash.2ds"));
    EXPECT_FALSE(full.ok);
    EXPECT_FALSE(noFolder.ok);
    EXPECT_TRUE(full.message.contains("stash.2ds")) << full.message.toStdString();
    EXPECT_EQ(snapshot(env.store()), before);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ListUtilityTest, AFileThatIsNoStorageFileChangesNothingAndStays) {
    chain.setTask("1", "Call Bob");
    const QStringList before = snapshot(env.store());
    QByteArray tooLong;
    for (int k = 0; k < 24; ++k)
        tooLong += "x\t0\t0\t0\r\n";
    const QByteArray cases[] = {
        "722\t22\t1\t0\r\nCall Bob 0 2 95\r\n", // a line without its tabs
        "Just a task list\r\nOf two lines\r\n", // a task file
        "722\tab\tcd\t0\r\n",                   // links that are no node ids
        "722\t22\t1\tlots\r\n",                 // minutes that are no number
        "",                                     // nothing at all
        tooLong,
    };
    const QString path = env.filePath("stash.2ds");
    for (const QByteArray &bytes : cases) {
        writeFile(path, bytes);
        const todo::ActionResult r = utility.moveFromStorage(path);
        EXPECT_FALSE(r.ok) << bytes.constData();
        EXPECT_TRUE(r.message.contains("stash.2ds")) << r.message.toStdString();
        EXPECT_EQ(snapshot(env.store()), before) << bytes.constData();
        EXPECT_EQ(contents(path), bytes);
    }
}

TEST_F(ListUtilityTest, MoveFromStorageFillsMissingLinesAndKeepsTheFileWhenTheStoreRefuses) {
    const QString path = env.filePath("stash.2ds");
    const QByteArray bytes = "Old list\t1\t1\r\nOnly task\t0\t0\t7\r\n"; // two lines of 23
    writeFile(path, bytes);
    chain.setTask("5", "Call Bob");
    setSoFar("0", "33");
    const QStringList before = snapshot(env.store());
    todo::ActionResult refused;
    {
        vidorev::test::FullDisk disk;
        refused = utility.moveFromStorage(path);
    }
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(snapshot(env.store()), before);
    EXPECT_EQ(contents(path), bytes);

    ASSERT_TRUE(utility.moveFromStorage(path).ok);
    EXPECT_EQ(chain.task("0"), QStringLiteral("Old list"));
    EXPECT_EQ(soFar("0"), QStringLiteral("33")); // a line with two tabs keeps the minutes
    EXPECT_EQ(soFar("1"), QStringLiteral("7"));
    EXPECT_EQ(chain.task("5"), QString());
    EXPECT_EQ(chain.next("5"), QStringLiteral("0"));
    EXPECT_EQ(soFar("5"), QStringLiteral("0"));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ListTitles, OwnListTakesTheUserNameAndJobListsAreRenamed) {
    TestEnv env;
    EXPECT_EQ(todo::ensureOwnTitle(env.store(), kUser), kUser);
    EXPECT_EQ(env.store().get(keys::kAppDiary, "annDoData", "0Task"), kUser);
    ASSERT_TRUE(todo::renameList(env.store(), "annJob3", "Garden"));
    const auto titles = todo::jobListTitles(env.store(), kUser);
    EXPECT_EQ(titles[2], QStringLiteral("Garden"));
    EXPECT_EQ(titles[0], QString());
}

} // namespace
