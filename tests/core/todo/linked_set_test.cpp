#include "platform/settings_keys.h"
#include "test_env.h"
#include "todo/linked_set.h"

#include <gtest/gtest.h>

namespace vidorev::todo {
namespace {

const QString kApp = QStringLiteral("PLMDiary");

class LinkedSetTest : public ::testing::Test {
protected:
    QString get(const QString &section, const QString &key) {
        return m_env.store().get(kApp, section, key, QStringLiteral("-"));
    }
    void put(const QString &section, const QString &key, const QString &value) {
        m_env.store().save(kApp, section, key, value);
    }
    // Links members one after another, as a set of an earlier run left them.
    void link(const QStringList &members) {
        for (qsizetype i = 0; i + 1 < members.size(); ++i) {
            put(members[i], keys::kNext, members[i + 1]);
            put(members[i + 1], keys::kPrior, members[i]);
        }
    }
    // The chain from "Start" by "Next", checking that each "Prior" points back; at most 12.
    QStringList chain() {
        QStringList members{
            m_env.store().get(kApp, keys::kSecUserListHead, keys::kStart, keys::kRootMember)};
        for (int i = 0; i < 12; ++i) {
            const QString next = m_env.store().get(kApp, members.last(), keys::kNext);
            if (next.isEmpty())
                break;
            EXPECT_EQ(m_env.store().get(kApp, next, keys::kPrior), members.last())
                << next.toStdString();
            members << next;
        }
        return members;
    }
    QStringList sections() {
        QStringList all;
        for (const auto &e : m_env.store().entries())
            all << e.section;
        all.removeDuplicates();
        return all;
    }
    LinkedSet &setUp() {
        m_set.setHostIdent(kApp);
        return m_set;
    }

    test::TestEnv m_env;
    LinkedSet m_set{m_env.store()};
};

TEST_F(LinkedSetTest, ANewNameGoesBehindRootAndIsFoundAgainWhateverItsCase) {
    LinkedSet &set = setUp();
    set.setElement(QStringLiteral("ann"));
    EXPECT_EQ(get(QStringLiteral("Root"), keys::kNext), QStringLiteral("ann"));
    EXPECT_EQ(get(QStringLiteral("ann"), keys::kPrior), QStringLiteral("Root"));
    EXPECT_EQ(get(keys::kSecUserListHead, keys::kTop), QStringLiteral("ann"));
    EXPECT_EQ(get(keys::kSecUserListHead, keys::kName), QStringLiteral("ann"));
    EXPECT_EQ(get(keys::kSecUserListHead, keys::kHat), QStringLiteral("Yes"));

    const auto before = m_env.store().entries().size();
    set.setElement(QStringLiteral("ANN"));
    EXPECT_EQ(set.display(), QStringLiteral("ann"));
    EXPECT_EQ(set.element(), QStringLiteral("ann"));
    EXPECT_EQ(m_env.store().entries().size(), before);
    EXPECT_EQ(set.priorUser(), QStringLiteral("Root"));
    EXPECT_EQ(set.nextUser(), QString());
}

TEST_F(LinkedSetTest, RemovingAMemberRelinksItsNeighboursAndDeletesItsWholeSection) {
    LinkedSet &set = setUp();
    set.setElement(QStringLiteral("ann"));
    put(QStringLiteral("ann"), keys::kFileKey, QStringLiteral("/tmp/ann.log"));
    set.setElement(QStringLiteral("bob"));
    set.setElement(QStringLiteral("ann"));
    set.removeUser();
    EXPECT_EQ(chain(), QStringList({"Root", "bob"}));
    EXPECT_FALSE(sections().contains(QStringLiteral("ann"), Qt::CaseInsensitive))
        << sections().join(u' ').toStdString();
    EXPECT_EQ(set.display(), QStringLiteral("Root"));
    EXPECT_EQ(set.element(), QStringLiteral("Root"));

    // The last member goes too; the set's end moves back.
    set.setElement(QStringLiteral("bob"));
    EXPECT_EQ(set.removeUser(), LinkedSet::Removal::Removed);
    EXPECT_EQ(chain(), QStringList({"Root"}));
    EXPECT_EQ(get(keys::kSecUserListHead, keys::kTop), QStringLiteral("Root"));

    // A one-letter name (an administrator "b") is no member: the box keeps showing bob, and
    // bob is what goes; "b" keeps its settings and the chain keeps its ends.
    set.setElement(QStringLiteral("ann"));
    set.setElement(QStringLiteral("bob"));
    put(QStringLiteral("b"), keys::kFileKey, QStringLiteral("/tmp/b.log"));
    set.setElement(QStringLiteral("b"));
    EXPECT_EQ(set.display(), QStringLiteral("bob"));
    EXPECT_EQ(set.removeUser(), LinkedSet::Removal::Removed);
    EXPECT_EQ(chain(), QStringList({"Root", "ann"}));
    EXPECT_EQ(get(keys::kSecUserListHead, keys::kTop), QStringLiteral("ann"));
    EXPECT_EQ(get(QStringLiteral("b"), keys::kFileKey), QStringLiteral("/tmp/b.log"));
    // With no name on show nothing is removed.
    m_env.store().remove(kApp, keys::kSecUserListHead, keys::kName);
    set.setElement(QStringLiteral("b"));
    EXPECT_EQ(set.display(), QString());
    EXPECT_EQ(set.removeUser(), LinkedSet::Removal::NothingOnShow);
    EXPECT_EQ(chain(), QStringList({"Root", "ann"}));
    EXPECT_EQ(get(QStringLiteral("b"), keys::kFileKey), QStringLiteral("/tmp/b.log"));
}

TEST_F(LinkedSetTest, MovingPastEitherEndWrapsAround) {
    LinkedSet &set = setUp();
    for (const char *name : {"ann", "bob", "cid"})
        set.setElement(QString::fromLatin1(name));
    set.moveNext();
    EXPECT_EQ(set.display(), QStringLiteral("Root"));
    EXPECT_EQ(get(keys::kSecUserListHead, keys::kName), QStringLiteral("Root"));
    set.moveNext();
    EXPECT_EQ(set.display(), QStringLiteral("ann"));
    set.movePrior();
    set.movePrior();
    EXPECT_EQ(set.display(), QStringLiteral("cid"));
}

TEST_F(LinkedSetTest, OlderLinkKeysAreMovedToTheNewOnesWhenRead) {
    put(QStringLiteral("Root"), keys::kNextSet, QStringLiteral("ann"));
    put(QStringLiteral("ann"), keys::kPriorSet, QStringLiteral("Root"));
    put(keys::kSecUserListHead, keys::kTop, QStringLiteral("ann"));
    LinkedSet &set = setUp();
    set.setElement(QStringLiteral("ann"));
    EXPECT_EQ(set.priorUser(), QStringLiteral("Root"));
    EXPECT_EQ(get(QStringLiteral("Root"), keys::kNext), QStringLiteral("ann"));
    EXPECT_EQ(get(QStringLiteral("ann"), keys::kPrior), QStringLiteral("Root"));
    EXPECT_EQ(get(QStringLiteral("Root"), keys::kNextSet), QStringLiteral("-"));
    EXPECT_EQ(get(QStringLiteral("ann"), keys::kPriorSet), QStringLiteral("-"));
    EXPECT_EQ(chain(), QStringList({"Root", "ann"}));
}

TEST_F(LinkedSetTest, ANotSetUpSetOrAShortNameChangesNothing) {
    m_set.setElement(QStringLiteral("ann"));
    EXPECT_EQ(m_set.display(), LinkedSet::kBadInit);
    EXPECT_TRUE(m_env.store().entries().empty());
    LinkedSet &set = setUp();
    set.setElement(QStringLiteral("a"));
    EXPECT_EQ(chain(), QStringList({"Root"}));
    EXPECT_FALSE(set.acceptTyped(QStringLiteral("ROOT")));
}

// Chains left broken by a crash or by hand are mended by the next search.
TEST_F(LinkedSetTest, SearchingMendsBrokenChains) {
    struct Case {
        const char *what;
        QStringList links; // linked in order
        QStringList extra; // section|key|value
        QStringList expected;
    };
    const Case cases[] = {
        {"a loop back to the first member is cut",
         {"Root", "ann", "bob", "Root"},
         {},
         {"Root", "ann", "bob", "cid"}},
        {"a stray piece holding the name is linked in whole",
         {"Root", "ann"},
         {"bob|Next|cid", "cid|Prior|bob"},
         {"Root", "ann", "bob", "cid"}},
        {"a member claiming an earlier prior ends the chain",
         {"Root", "ann", "bob"},
         {"ann|Next|bob", "bob|Prior|Root"},
         {"Root", "ann", "cid"}},
    };
    for (const Case &c : cases) {
        test::TestEnv env;
        LinkedSet set(env.store());
        for (qsizetype i = 0; i + 1 < c.links.size(); ++i) {
            env.store().save(kApp, c.links[i], keys::kNext, c.links[i + 1]);
            env.store().save(kApp, c.links[i + 1], keys::kPrior, c.links[i]);
        }
        for (const QString &e : c.extra) {
            const QStringList p = e.split(u'|');
            env.store().save(kApp, p[0], p[1], p[2]);
        }
        set.setHostIdent(kApp);
        set.setElement(QStringLiteral("cid"));
        EXPECT_EQ(set.display(), QStringLiteral("cid")) << c.what;
        QStringList walked{QStringLiteral("Root")};
        for (int i = 0; i < 8; ++i) {
            const QString next = env.store().get(kApp, walked.last(), keys::kNext);
            if (next.isEmpty())
                break;
            EXPECT_EQ(env.store().get(kApp, next, keys::kPrior), walked.last()) << c.what;
            walked << next;
        }
        EXPECT_EQ(walked, c.expected) << c.what;
        EXPECT_EQ(env.store().get(kApp, keys::kSecUserListHead, keys::kTop), c.expected.last())
            << c.what;
    }
}

// Two members naming each other both ways, apart from the set, never lead back to the first
// member: the walks end when they meet a member again, and the name is linked in.
TEST_F(LinkedSetTest, ALoopAwayFromTheFirstMemberEndsTheWalk) {
    link({"dan", "eve", "dan"});
    LinkedSet &set = setUp();
    set.setElement(QStringLiteral("dan"));
    EXPECT_EQ(set.display(), QStringLiteral("dan"));
    set.setElement(QStringLiteral("fay"));
    EXPECT_EQ(set.display(), QStringLiteral("fay"));
    EXPECT_EQ(chain(), QStringList({"Root", "eve", "dan", "fay"}));
}

} // namespace
} // namespace vidorev::todo
