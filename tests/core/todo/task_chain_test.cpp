#include "test_env.h"
#include "todo/task_chain.h"
#include "todo/task_slot.h"

namespace vidorev::test {
namespace {

// Links nodes into a chain closed through the head: 0 -> ids... -> 0.
void closeChain(TaskChain &chain, const QStringList &ids) {
    QString before = "0";
    for (const QString &id : ids + QStringList{"0"}) {
        chain.setNext(before, id);
        chain.setPrior(id, before);
        before = id;
    }
}

TEST(TaskChain, EditsTheStoreRefusesKeepNothingAndSayWhy) {
    TestEnv env;
    TaskChain chain(env.store(), "ann");
    closeChain(chain, {"1", "2", "3"});
    chain.setTask("2", "Fix printer");
    const QStringList before = env.snapshot();
    bool moved = true;
    std::optional<QString> added, removed;
    QString addError, removeError;
    {
        FullDisk full;
        moved = chain.moveDown("1");
        added = todo::add(env.store(), chain, "3", todo::SlotView{}, "ann", "Call Bob", &addError);
        removed = todo::remove(env.store(), chain, "2", todo::Outcome::Finish, "ann", "Fix printer",
                               &removeError);
    }
    EXPECT_FALSE(moved || added || removed);
    EXPECT_FALSE(addError.isEmpty() || removeError.isEmpty());
    EXPECT_EQ(env.snapshot(), before);
}

// Down on the last node moves it to the front and Up on the first to the back; prior links
// stay the mirror of next links.
TEST(TaskChain, MovesWrapAroundTheEnds) {
    TestEnv env;
    TaskChain chain(env.store(), "ann");
    closeChain(chain, {"1", "2", "3"});
    const std::pair<const char *, QStringList> steps[] = {
        {"v3", {"3", "1", "2"}}, {"^3", {"1", "2", "3"}}, {"v1", {"2", "1", "3"}}};
    for (const auto &[step, order] : steps) {
        const QString id = QString(step).mid(1);
        EXPECT_TRUE(step[0] == 'v' ? chain.moveDown(id) : chain.moveUp(id));
        EXPECT_EQ(chain.walk().mid(0, 4), order + QStringList{"0"}) << step;
    }
    for (const QString id : {"0", "1", "2", "3"})
        EXPECT_EQ(chain.prior(chain.next(id)), id) << id.toStdString();
}

// A fresh list, or one with unlinked nodes, becomes a chain 1..22 closed through the head, each
// unlinked node linked in behind its numeric predecessor; a second repair finds nothing to do.
TEST(TaskChain, RepairOnLoadLinksEveryNodeInNumericOrder) {
    QStringList all;
    for (int k = 1; k <= 22; ++k)
        all << QString::number(k);
    for (const QStringList &linked : {QStringList{}, QStringList{"1", "2", "4", "5"}}) {
        SCOPED_TRACE(linked.join(u',').toStdString());
        TestEnv env;
        TaskChain chain(env.store(), "ann");
        if (!linked.isEmpty())
            closeChain(chain, linked);
        const QStringList repaired = chain.repairOnLoad();
        EXPECT_EQ(repaired.size(), 22 - linked.size());
        EXPECT_EQ(repaired.front(), linked.isEmpty() ? "1" : "3");
        EXPECT_EQ(chain.walk(), all);
        EXPECT_EQ(chain.prior("0") + chain.prior("3"), "222");
        EXPECT_TRUE(chain.repairOnLoad().isEmpty());
        // "Up" on the first task moves it behind the last, and no task drops out of the walk.
        EXPECT_TRUE(chain.moveUp("1"));
        EXPECT_EQ(chain.walk().mid(20), QStringList({"22", "1"}));
    }
}

TEST(TaskChain, TheWalkTakesExactly22StepsThroughLoopsAndDeadEnds) {
    TestEnv env;
    TaskChain chain(env.store(), "ann");
    closeChain(chain, {"1", "2"});
    ASSERT_EQ(chain.walk().size(), 22);
    EXPECT_EQ(chain.walk().mid(0, 6), QStringList({"1", "2", "0", "1", "2", "0"}));
    chain.setNext("2", "17"); // 17 has no links: its next reads "0"
    EXPECT_EQ(chain.walk().mid(0, 5), QStringList({"1", "2", "17", "0", "1"}));
    EXPECT_TRUE(chain.checkUnlinked("9")); // an unlinked node stores its zeros
    EXPECT_EQ(env.get("annDoData", "9Prior") + env.get("annDoData", "9Next"), "00");
    EXPECT_FALSE(chain.checkUnlinked("1"));
}

} // namespace
} // namespace vidorev::test
