#include "platform/settings_keys.h"
#include "test_env.h"
#include "todo/link_list.h"
#include "todo/list_spider.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace vidorev {
namespace {

const QString kApp = QStringLiteral("PLMDiary");

template <typename T = QWidget> T *child(QWidget *in, const char *name) {
    T *w = in->findChild<T *>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}
void readerSets(QWidget *w, const QString &text) {
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
    i->editableTextInterface()->replaceText(0, i->textInterface()->characterCount(), text);
}

TEST(ListSpider, NamesTypedOrSetWholeJoinTheSetAndTheButtonsWalkIt) {
    test::TestEnv env;
    ListSpider spider(env.services());
    spider.setHostIdent(kApp);
    QSignalSpy changed(&spider, &ListSpider::elementChanged);
    auto *box = child<QLineEdit>(&spider, "Text1");
    EXPECT_FALSE(box->isReadOnly());

    QTest::keyClicks(box, QStringLiteral("ann"));
    EXPECT_EQ(changed.count(), 0); // nothing until Enter
    QTest::keyClick(box, Qt::Key_Return);
    readerSets(box, QStringLiteral("bob"));
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(spider.element(), QStringLiteral("bob"));
    EXPECT_EQ(spider.priorUser(), QStringLiteral("ann"));

    child<QPushButton>(&spider, "cmdNext")->click();
    EXPECT_EQ(box->text(), QStringLiteral("Root"));
    child<QPushButton>(&spider, "cmdPrior")->click();
    EXPECT_EQ(box->text(), QStringLiteral("bob"));
    EXPECT_EQ(changed.count(), 4);

    // Locked, the box takes nothing, however it is offered.
    spider.setLocked(true);
    readerSets(box, QStringLiteral("cid"));
    EXPECT_EQ(box->text(), QStringLiteral("bob"));
    EXPECT_EQ(env.store().get(kApp, QStringLiteral("bob"), keys::kNext), QString());
    EXPECT_EQ(changed.count(), 4);
}

TEST(LinkList, ShowsTheLastNameLockedAndRemovesTheMemberOnShow) {
    test::TestEnv env;
    {
        ListSpider builder(env.services());
        builder.setHostIdent(kApp);
        builder.setElement(QStringLiteral("ann"));
        builder.setElement(QStringLiteral("bob"));
    }
    LinkList list(env.services());
    list.setHostIdent(kApp);
    auto *box = child<QLineEdit>(&list, "Text1");
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->text(), QStringLiteral("bob"));

    list.setFunctionSet(QStringLiteral("ann"));
    EXPECT_EQ(list.functionSet(), QStringLiteral("ann"));
    QSignalSpy removed(&list, &LinkList::userRemoved);
    child<QPushButton>(&list, "cmdUnLink")->click();
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(box->text(), QStringLiteral("Root"));
    EXPECT_EQ(env.store().get(kApp, QStringLiteral("Root"), keys::kNext), QStringLiteral("bob"));

    // A fresh set shows its first member.
    test::TestEnv fresh;
    LinkList empty(fresh.services());
    empty.setHostIdent(kApp);
    EXPECT_EQ(child<QLineEdit>(&empty, "Text1")->text(), QStringLiteral("Root"));
}

TEST(LinkList, EveryControlIsNamedCaptionedAndReachedByTab) {
    test::TestEnv env;
    LinkList list(env.services());
    const struct {
        const char *name;
        const char *caption;
    } expected[] = {{"Text1", "Text1"},
                    {"cmdPrior", "Prior"},
                    {"cmdNext", "Next"},
                    {"cmdUnLink", "Remove User"}};
    for (const auto &e : expected) {
        QWidget *w = child(&list, e.name);
        EXPECT_EQ(w->accessibleName(), QLatin1String(e.caption)) << e.name;
        EXPECT_TRUE(w->focusPolicy() & Qt::TabFocus) << e.name;
        if (auto *b = qobject_cast<QPushButton *>(w)) {
            EXPECT_EQ(b->text(), QLatin1String(e.caption));
        }
    }
}

} // namespace
} // namespace vidorev
