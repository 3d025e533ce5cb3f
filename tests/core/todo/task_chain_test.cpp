#include "test_env.h"
#include "todo/task_chain.h"
#include "todo/task_slot.h"

#include <gtest/gtest.h>

using vidorev::TaskChain;
using vidorev::test::TestEnv;

namespace {

// Links nodes into a chain closed through the head: 0 -> ids... -> 0.
void closeChain(TaskChain &chain, const QStringList &ids) {
    QString before = "0";
    for (const QString &id : ids) {
        chain.setNext(before, id);
        chain.setPrior(id, before);
        before = id;
    }
    chain.setNext(before, "0");
    chain.setPrior("0", before);
}

QStringList order(const TaskChain &chain, int count) {
    return chain.walk().mid(0, count);
}

QStringList snapshot(const vidorev::SettingsStore &store) {
    QStringList all;
    for (const auto &e : store.entries())
        all << e.section + u'|' + e.key + u'|' + e.value;
    return all;
}

TEST(TaskChain, EditsTheStoreRefusesKeepNothingAndSayWhy) {
    namespace todo = vidorev::todo;
    TestEnv env;
    TaskChain chain(env.store(), "ann");
    closeChain(chain, {"1", "2", "3"});
    chain.setTask("2", "Fix printer");
    const QStringList before = snapshot(env.store());
    bool moved = true;
    std::optional<QString> added, removed;
    QString addError, removeError;
    {
        vidorev::test::FullDisk full;
        moved = chain.moveDown("1");
        added = todo::add(env.store(), chain, "3", todo::SlotView{}, "ann", "Call Bob", &addError);
        removed = todo::remove(env.store(), chain, "2", todo::Outcome::Finish, "ann", "Fix printer",
                               &removeError);
    }
    EXPECT_FALSE(moved);
    EXPECT_FALSE(added.has_value());
    EXPECT_FALSE(removed.has_value());
    EXPECT_FALSE(addError.isEmpty());
    EXPECT_FALSE(removeError.isEmpty());
    EXPECT_EQ(snapshot(env.store()), before);
}

TEST(TaskChain, DownOnTheLastNodeMovesItToTheFrontAndUpOnTheFirstToTheBack) {
    TestEnv env;
    TaskChain chain(env.store(), "ann");
    closeChain(chain, {"1", "2", "3"});
    EXPECT_TRUE(chain.moveDown("3"));
    EXPECT_EQ(order(chain, 4), (QStringList{"3", "1", "2", "0"}));
    EXPECT_TRUE(chain.moveUp("3"));
    EXPECT_EQ(order(chain, 4), (QStringList{"1", "2", "3", "0"}));
    EXPECT_TRUE(chain.moveDown("1"));
    EXPECT_EQ(order(chain, 4), (QStringList{"2", "1", "3", "0"}));
    EXPECT_TRUE(chain.moveUp("1"));
    EXPECT_EQ(order(chain, 4), (QStringList{"1", "2", "3", "0"}));
    // Prior links stay the mirror of next links.
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
        EXPECT_EQ(chain.next("22"), "0");
        EXPECT_EQ(chain.prior("0"), "22");
        EXPECT_EQ(chain.prior("3"), "2");
        EXPECT_TRUE(chain.repairOnLoad().isEmpty());
        // "Up" on the first task moves it behind the last, and no task drops out of the walk.
        EXPECT_TRUE(chain.moveUp("1"));
        EXPECT_EQ(chain.walk().first(), "2");
        EXPECT_EQ(chain.walk().last(), "1");
    }
}

TEST(TaskChain, TheWalkTakesExactly22StepsThroughLoopsAndDeadEnds) {
    TestEnv env;
    TaskChain chain(env.store(), "ann");
    closeChain(chain, {"1", "2"});
    const QStringList rows = chain.walk();
    ASSERT_EQ(rows.size(), 22);
    EXPECT_EQ(rows.mid(0, 6), (QStringList{"1", "2", "0", "1", "2", "0"}));
    chain.setNext("2", "17"); // 17 has no links: its next reads "0"
    EXPECT_EQ(chain.walk().mid(0, 5), (QStringList{"1", "2", "17", "0", "1"}));
}

TEST(TaskChain, CheckingAnUnlinkedNodeStoresItsZeros) {
    TestEnv env;
    TaskChain chain(env.store(), "ann");
    EXPECT_TRUE(chain.checkUnlinked("9"));
    EXPECT_EQ(env.store().get("PLMDiary", "annDoData", "9Prior", "missing"), "0");
    EXPECT_EQ(env.store().get("PLMDiary", "annDoData", "9Next", "missing"), "0");
    chain.setNext("9", "3");
    EXPECT_FALSE(chain.checkUnlinked("9"));
}

} // namespace
