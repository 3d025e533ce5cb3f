#include "shell/window_rules.h"

#include "test_env.h"

using namespace vidorev::shell;

// A tool page keeps its mode only while the user's Diary is there.
TEST(WindowRules, AMissingDiaryLowersTheMode) {
    EXPECT_EQ(modeAfterDiaryCheck(1, false), 0);
    for (int m = 2; m <= 6; ++m) {
        EXPECT_EQ(modeAfterDiaryCheck(m, false), 6);
        EXPECT_EQ(modeAfterDiaryCheck(m, true), m);
    }
    EXPECT_EQ(modeForTool(false), 6);
    EXPECT_EQ(hotButtonsFor(6), (HotButtons{false, false, true, false, false}));
}

TEST(WindowRules, LockedDeskKeepsNewDiaryForTheAdministrator) {
    EXPECT_TRUE(newDiaryAvailable("No", "ann", "boss"));
    EXPECT_FALSE(newDiaryAvailable("Yes", "ann", "boss"));
    EXPECT_TRUE(newDiaryAvailable("Yes", "boss", "boss"));
    EXPECT_FALSE(newDiaryActs("a"));
    EXPECT_FALSE(adminAvailable("", "^~^"));
    // An empty user box is nobody, even where an empty administrator name was stored.
    EXPECT_FALSE(adminAvailable("", ""));
    EXPECT_FALSE(newDiaryAvailable("Yes", "", ""));
}

TEST(WindowRules, StatusFlagAndTheRunningJobsTarget) {
    EXPECT_EQ(scanCommandLine("/AU/uJohn"),
              (std::vector<StartOption>{{u'A', "U"}, {u'u', "John"}}));
    EXPECT_EQ(statusFlag("", ":annTC1").caption, "");
    EXPECT_EQ(statusFlag("ann", ":annTC1").toolTip, "Click to GoTo job being timed");
    EXPECT_EQ(runningTarget("ann", ""), RunningTarget::None);
    EXPECT_EQ(runningTarget("ann", ":annDoData5:annTC2"), RunningTarget::JobClock);
    EXPECT_EQ(runningTarget("ann", ":annTC2:annDoData5"), RunningTarget::ToDoTask);
    // A to-do section whose name happens to hold "TC" is taken for a job clock.
    EXPECT_EQ(runningTarget("TCann", ":TCannDoData5"), RunningTarget::JobClock);
}
