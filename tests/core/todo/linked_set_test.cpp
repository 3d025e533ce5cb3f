#include "test_env.h"
#include "todo/linked_set.h"

namespace vidorev::test {
namespace {

using todo::LinkedSet;

// The chain from "Start" by "Next", checking that each "Prior" points back; at most 12.
QString chain(const TestEnv &env) {
    QStringList members{env.get(keys::kSecUserListHead, keys::kStart, keys::kRootMember)};
    for (QString next;
         members.size() < 12 && !(next = env.get(members.last(), keys::kNext)).isEmpty();
         members << next)
        EXPECT_EQ(env.get(next, keys::kPrior), members.last()) << next.toStdString();
    return members.join(' ');
}

class LinkedSetTest : public ::testing::Test {
protected:
    LinkedSetTest() { set.setHostIdent(keys::kAppDiary); }
    QString head(const QString &key) { return env.get(keys::kSecUserListHead, key); }
    TestEnv env;
    LinkedSet set{env.store()};
};

// A new name goes behind the last member; a name found again whatever its case writes nothing.
TEST_F(LinkedSetTest, ANewNameGoesBehindTheLastAndIsFoundAgainWhateverItsCase) {
    set.setElement("ann");
    EXPECT_EQ(chain(env), "Root ann");
    EXPECT_EQ(head(keys::kTop) + head(keys::kName) + head(keys::kHat), "annannYes");
    const auto before = env.store().entries().size();
    set.setElement("ANN");
    EXPECT_EQ(set.display() + set.element() + set.priorUser() + set.nextUser(), "annannRoot");
    EXPECT_EQ(env.store().entries().size(), before);
}

// Removing a member relinks its neighbours and deletes its whole section; a one-letter name (an
// administrator "b") is no member, so the box keeps showing the last and that one goes, "b"
// keeping its settings; with no name on show nothing goes.
TEST_F(LinkedSetTest, RemovingAMemberRelinksItsNeighboursAndDeletesItsWholeSection) {
    for (const char *name : {"ann", "bob", "cid", "ann"})
        set.setElement(name);
    env.put("ann", keys::kFileKey, "/tmp/ann.log");
    EXPECT_EQ(set.removeUser(), LinkedSet::Removal::Removed);
    EXPECT_EQ(chain(env), "Root bob cid");
    EXPECT_EQ(env.get("ann", keys::kFileKey, "gone") + set.display(), "goneRoot");
    set.setElement("cid");
    set.removeUser();
    EXPECT_EQ(head(keys::kTop), "bob"); // the set's end moves back
    env.put("b", keys::kFileKey, "/tmp/b.log");
    set.setElement("bob");
    set.setElement("b");
    EXPECT_EQ(set.display(), "bob");
    set.removeUser();
    EXPECT_EQ(chain(env), "Root");
    EXPECT_EQ(env.get("b", keys::kFileKey), "/tmp/b.log");
    env.store().remove(keys::kAppDiary, keys::kSecUserListHead, keys::kName);
    set.setElement("b");
    EXPECT_EQ(set.removeUser(), LinkedSet::Removal::NothingOnShow);
}

// A set not set up changes nothing; a typed name joins it, "Root" cannot be typed.
TEST(LinkedSet, ANotSetUpSetChangesNothingAndATypedNameJoins) {
    TestEnv env;
    LinkedSet set(env.store());
    set.setElement("ann");
    EXPECT_EQ(set.display(), LinkedSet::kBadInit);
    set.setHostIdent(keys::kAppDiary);
    EXPECT_FALSE(set.acceptTyped("ROOT"));
    EXPECT_TRUE(set.acceptTyped("bob"));
    EXPECT_EQ(chain(env), "Root bob");
}

// Older link keys move to the new ones when read; chains left broken by a crash or by hand are
// mended by the next search. Each case: the members linked in order, other values
// ("section|key|value"), the names searched, and the chain after.
TEST(LinkedSet, SearchingMovesOlderKeysAndMendsBrokenChains) {
    const struct {
        const char *what, *links, *extra, *names, *expected;
    } cases[] = {
        {"older keys", "", "Root|NextSet|ann ann|PriorSet|Root MySet|Top|ann", "ann", "Root ann"},
        {"a loop back to the first member is cut", "Root ann bob Root", "", "cid",
         "Root ann bob cid"},
        {"a stray piece holding the name is linked in whole", "Root ann",
         "bob|Next|cid cid|Prior|bob", "cid", "Root ann bob cid"},
        {"a member claiming an earlier prior ends the chain", "Root ann bob",
         "ann|Next|bob bob|Prior|Root", "cid", "Root ann cid"},
        // Two members naming each other both ways, apart from the set, never lead back to the
        // first member: the walks end when they meet a member again.
        {"a loop away from the first member ends the walk", "dan eve dan", "", "dan fay",
         "Root eve dan fay"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TestEnv env;
        const QStringList links = QString(c.links).split(' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i + 1 < links.size(); ++i) {
            env.put(links[i], keys::kNext, links[i + 1]);
            env.put(links[i + 1], keys::kPrior, links[i]);
        }
        for (const QString &e : QString(c.extra).split(' ', Qt::SkipEmptyParts))
            env.put(e.section('|', 0, 0), e.section('|', 1, 1), e.section('|', 2, 2));
        LinkedSet set(env.store());
        set.setHostIdent(keys::kAppDiary);
        for (const QString &name : QString(c.names).split(' ')) {
            set.setElement(name);
            EXPECT_EQ(set.display(), name);
        }
        EXPECT_EQ(chain(env), c.expected);
        EXPECT_EQ(env.get(keys::kSecUserListHead, keys::kTop),
                  QString(c.expected).section(' ', -1));
        EXPECT_EQ(env.get("Root", keys::kNextSet, "-"), "-");
    }
}

} // namespace
} // namespace vidorev::test
