#include "test_env.h"
#include "todo/todo_book.h"

#include <gtest/gtest.h>

using namespace vidorev::todo;
using vidorev::test::TestEnv;

namespace {

std::array<qsizetype, 22> lengthsWithTextIn(std::initializer_list<int> rows) {
    std::array<qsizetype, 22> lengths{};
    for (int row : rows)
        lengths[size_t(row - 1)] = 5;
    return lengths;
}

TEST(ToDoPages, RowsBelongToOverlappingPages) {
    EXPECT_EQ(pageOfRow(1), Page::Top);
    EXPECT_EQ(pageOfRow(6), Page::Top);
    EXPECT_EQ(pageOfRow(7), Page::Mid);
    EXPECT_EQ(pageOfRow(12), Page::Bot);
    EXPECT_EQ(pageOfRow(17), Page::Ped);
    EXPECT_EQ(firstRowOf(Page::Mid), 6);
    EXPECT_EQ(firstRowOf(Page::Ped), 16);
    EXPECT_EQ(pageFromName("Bot"), Page::Bot);
    EXPECT_EQ(pageFromName("garbage"), Page::Top);
    EXPECT_EQ(pageUp(Page::Top), Page::Top);
    EXPECT_EQ(pageDown(Page::Ped), Page::Ped);
}

TEST(ToDoPages, EnterMovesThePageOnlyWhereTheNextRowIsHidden) {
    EXPECT_EQ(pageAfterEnter(Page::Top, 5), Page::Top);
    EXPECT_EQ(pageAfterEnter(Page::Top, 7), Page::Mid);
    EXPECT_EQ(pageAfterEnter(Page::Mid, 11), Page::Bot);
    EXPECT_EQ(pageAfterEnter(Page::Bot, 17), Page::Ped);
    EXPECT_EQ(pageAfterEnter(Page::Ped, 22), Page::Ped);
}

TEST(ToDoPages, PageButtonsFollowTheTextInRangesOfRows) {
    const auto empty = lengthsWithTextIn({});
    for (Page p : {Page::Top, Page::Mid, Page::Bot, Page::Ped})
        EXPECT_EQ(pageButtons(p, empty), (PageButtons{false, false}));
    EXPECT_EQ(pageButtons(Page::Top, lengthsWithTextIn({1, 5})), (PageButtons{false, false}));
    EXPECT_EQ(pageButtons(Page::Top, lengthsWithTextIn({6})), (PageButtons{false, true}));
    EXPECT_EQ(pageButtons(Page::Mid, lengthsWithTextIn({7})), (PageButtons{true, false}));
    EXPECT_EQ(pageButtons(Page::Mid, lengthsWithTextIn({11})), (PageButtons{false, true}));
    EXPECT_EQ(pageButtons(Page::Bot, lengthsWithTextIn({12, 16})), (PageButtons{true, true}));
    EXPECT_EQ(pageButtons(Page::Ped, lengthsWithTextIn({17, 22})), (PageButtons{true, false}));
}

TEST(ToDoBook, OlderTitlesMoveToTheHeadNode) {
    TestEnv env;
    env.store().save("PLMDiary", "annDoData", "JobList3", "Jones");
    env.store().save("PLMDiary", "annJob1DoData", "0Task", "722");
    env.store().save("PLMDiary", "annDoData", "JobList1", "stale");
    const auto titles = loadTitles(env.store(), "ann");
    EXPECT_EQ(titles[0], "722");
    EXPECT_EQ(titles[2], "Jones");
    EXPECT_EQ(titles[4], "");
    EXPECT_EQ(env.store().get("PLMDiary", "annJob3DoData", "0Task"), "Jones");
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(env.store().get("PLMDiary", "annDoData", QStringLiteral("JobList%1").arg(n), "x"),
                  "");
}

TEST(ToDoBook, TheListOnShowDefaultsToTheUsersOwn) {
    TestEnv env;
    EXPECT_EQ(listOnShow(env.store(), "ann"), "ann");
    setListOnShow(env.store(), "ann", jobListPrefix("ann", 4));
    EXPECT_EQ(listOnShow(env.store(), "ann"), "annJob4");
    EXPECT_EQ(listIndex("ann", "annJob4"), 4);
    EXPECT_EQ(listIndex("ann", "ann"), 0);
    EXPECT_EQ(listIndex("ann", "bobJob1"), -1);
    EXPECT_EQ(listIndex("Ann", "annJob1"), 1); // one user, however the name is typed
}

TEST(ToDoBook, CopyListNumbersRowsAndEndsLinesWithThePlatformEnding) {
    std::array<QString, 22> texts{}, charged{};
    texts[0] = "Call supplier";
    texts[2] = "Order paper";
    charged[2] = " = 1.5 Hours";
    EXPECT_EQ(copyListText("722", texts, charged, "\n"),
              "To Do List 722\n1) Call supplier\n3) Order paper = 1.5 Hours\n");
}

} // namespace
