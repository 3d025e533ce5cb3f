#include "test_env.h"
#include "todo/todo_book.h"

namespace vidorev::test {
namespace {

using namespace todo;

// Enter moves the page only where the next row is hidden; the page buttons follow the text in
// the rows beyond the page.
TEST(ToDoPages, EnterAndThePageButtonsFollowTheRowsOutOfSight) {
    EXPECT_EQ(pageAfterEnter(Page::Top, 5), Page::Top);
    EXPECT_EQ(pageAfterEnter(Page::Mid, 11), Page::Bot);
    EXPECT_EQ(pageDown(Page::Mid), Page::Bot);
    EXPECT_EQ(pageUp(Page::Mid), Page::Top);
    EXPECT_EQ(pageFromName("Bot"), Page::Bot);
    EXPECT_EQ(pageFromName("garbage"), Page::Top);
    EXPECT_EQ(pageAfterEnter(Page::Top, 7), Page::Mid);
    EXPECT_EQ(pageAfterEnter(Page::Bot, 17), Page::Ped);
    EXPECT_EQ(pageAfterEnter(Page::Ped, 22), Page::Ped);
    const struct {
        Page page;
        int row; // the one row with text, 0 for none
        PageButtons buttons;
    } cases[] = {{Page::Top, 0, {false, false}}, {Page::Top, 5, {false, false}},
                 {Page::Top, 6, {false, true}},  {Page::Mid, 7, {true, false}},
                 {Page::Mid, 11, {false, true}}, {Page::Bot, 16, {false, true}},
                 {Page::Ped, 17, {true, false}}};
    for (const auto &c : cases) {
        std::array<qsizetype, 22> lengths{};
        if (c.row > 0)
            lengths[size_t(c.row - 1)] = 5;
        EXPECT_EQ(pageButtons(c.page, lengths), c.buttons) << int(c.page) << " " << c.row;
    }
}

TEST(ToDoBook, OlderTitlesMoveToTheHeadNode) {
    TestEnv env;
    env.put("annDoData", "JobList3", "Jones");
    env.put("annJob1DoData", "0Task", "722");
    env.put("annDoData", "JobList1", "stale");
    const auto titles = loadTitles(env.store(), "ann");
    EXPECT_EQ(titles[0], "722");
    EXPECT_EQ(titles[2], "Jones");
    EXPECT_EQ(env.get("annJob3DoData", "0Task"), "Jones");
    EXPECT_EQ(env.get("annDoData", "JobList3", "x"), "");
}

} // namespace
} // namespace vidorev::test
