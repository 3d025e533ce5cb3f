#include "clocks/running_jobs.h"
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
    QString addError, removeError;
    EXPECT_FALSE(onFullDisk([&] { return chain.moveDown("1"); }));
    EXPECT_FALSE(onFullDisk([&] {
        return todo::add(env.store(), chain, "3", todo::SlotView{}, "ann", "Call Bob", &addError);
    }));
    EXPECT_FALSE(onFullDisk([&] {
        return todo::remove(env.store(), chain, "2", todo::Outcome::Finish, "ann", "Fix printer",
                            &removeError);
    }));
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
    EXPECT_EQ(chain.prior(chain.next("0")) + chain.prior(chain.next("3")), "03");
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
        EXPECT_EQ(repaired.size() + linked.size(), 22);
        EXPECT_EQ(repaired.front() + chain.prior("0") + chain.prior("3"),
                  linked.isEmpty() ? "1222" : "3222");
        EXPECT_EQ(chain.walk(), all);
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

// A task's clock runs on the shared running-job stack; a task being timed cannot leave the list;
// what it was charged shows in hours.
TEST(TaskSlot, ATaskIsTimedOnTheSharedStackAndCannotLeaveTheListWhileTimed) {
    TestEnv env;
    env.makeDiary("ann");
    RunningJobs jobs(env.store(), env.clock());
    TaskChain chain(env.store(), "ann");
    chain.setTask("5", "Call supplier");
    const auto press = [&] {
        return todo::pressClock(jobs, "ann", chain, "5", "ann", "Call supplier");
    };
    const auto drop = [&] {
        QString error;
        return todo::remove(env.store(), chain, "5", todo::Outcome::Drop, "ann", "Call supplier",
                            &error);
    };
    EXPECT_EQ(press().result, PostResult::Posted);
    EXPECT_EQ(jobs.chain("ann"), ":annDoData5");
    EXPECT_FALSE(drop());
    env.clock().advanceSeconds(600);
    EXPECT_EQ(press().runMinutes, 10);
    EXPECT_EQ(todo::charged(10), " = 0.16 Hours");
    EXPECT_EQ(drop(), "<DropTask> (ann) Call supplier");
    EXPECT_EQ(chain.task("5"), "");
}

} // namespace
} // namespace vidorev::test
