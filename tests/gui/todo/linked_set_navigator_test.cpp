#include "test_env.h"
#include "todo/linked_set_navigator.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace vidorev::test {
namespace {

// A name joins the set on Enter or when a screen reader sets the whole text; the buttons walk
// the set; locked, the box takes nothing, however it is offered. (Removing a member through
// the admin panel's UserListEditor is pinned with that panel.)
TEST(LinkedSetNavigator, NamesTypedOrSetWholeJoinTheSetAndTheButtonsWalkIt) {
    TestEnv env;
    LinkedSetNavigator spider(env.services());
    spider.setHostIdent(keys::kAppDiary);
    QSignalSpy changed(&spider, &LinkedSetNavigator::elementChanged);
    auto *box = spider.findChild<QLineEdit *>("Text1");
    const auto readerSets = [box](const QString &text) {
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(box);
        i->editableTextInterface()->replaceText(0, i->textInterface()->characterCount(), text);
    };
    QTest::keyClicks(box, "ann");
    EXPECT_EQ(changed.count(), 0); // nothing until Enter
    QTest::keyClick(box, Qt::Key_Return);
    readerSets("bob");
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(spider.priorUser(), "ann");
    spider.findChild<QPushButton *>("cmdNext")->click();
    EXPECT_EQ(box->text(), "Root");
    spider.setLocked(true);
    readerSets("cid");
    EXPECT_EQ(box->text(), "Root");
    EXPECT_EQ(env.get("bob", keys::kNext), "");
    EXPECT_EQ(changed.count(), 3);
}

} // namespace
} // namespace vidorev::test
