#include "shell/window_rules.h"

#include <gtest/gtest.h>

using namespace vidorev::shell;

TEST(WindowRules, ModeTableOffersTheHotButtons) {
    // jobTrack, notes, mainMenu, toDo, statusFlag
    EXPECT_EQ(hotButtonsFor(0), (HotButtons{false, false, false, false, false}));
    EXPECT_EQ(hotButtonsFor(1), (HotButtons{true, true, false, true, true}));
    EXPECT_EQ(hotButtonsFor(2), (HotButtons{false, true, true, true, true}));
    EXPECT_EQ(hotButtonsFor(3), (HotButtons{true, false, true, true, true}));
    EXPECT_EQ(hotButtonsFor(4), (HotButtons{true, true, true, false, true}));
    EXPECT_EQ(hotButtonsFor(5), (HotButtons{true, true, true, true, true}));
    EXPECT_EQ(hotButtonsFor(6), (HotButtons{false, false, true, false, false}));
}

TEST(WindowRules, AMissingDiaryLowersTheMode) {
    EXPECT_EQ(modeAfterDiaryCheck(1, false), 0);
    EXPECT_EQ(modeAfterDiaryCheck(0, false), 0);
    for (int m = 2; m <= 6; ++m) {
        EXPECT_EQ(modeAfterDiaryCheck(m, false), 6);
        EXPECT_EQ(modeAfterDiaryCheck(m, true), m);
    }
    EXPECT_EQ(modeForTool(true), 5);
    EXPECT_EQ(modeForTool(false), 6);
}

TEST(WindowRules, LockedDeskKeepsNewDiaryForTheAdministrator) {
    EXPECT_TRUE(newDiaryAvailable("No", "ann", "boss"));
    EXPECT_FALSE(newDiaryAvailable("Yes", "ann", "boss"));
    EXPECT_TRUE(newDiaryAvailable("Yes", "boss", "boss"));
    EXPECT_FALSE(newDiaryActs("a"));
    EXPECT_TRUE(newDiaryActs("al"));
    EXPECT_TRUE(adminAvailable("boss", "boss"));
    EXPECT_FALSE(adminAvailable("", "^~^"));
    // An empty user box is nobody, even where an empty administrator name was stored.
    EXPECT_FALSE(adminAvailable("", ""));
    EXPECT_FALSE(newDiaryAvailable("Yes", "", ""));
}

TEST(WindowRules, CommandLineLettersAreCaseSensitive) {
    EXPECT_EQ(scanCommandLine("/UJohn/A"), (std::vector<StartOption>{{u'U', "John"}, {u'A', ""}}));
    EXPECT_EQ(scanCommandLine("/AU/UMary Ann "),
              (std::vector<StartOption>{{u'A', "U"}, {u'U', "Mary Ann"}}));
    const auto lower = scanCommandLine("/uJohn");
    ASSERT_EQ(lower.size(), 1u);
    EXPECT_EQ(lower[0].letter, u'u'); // not "U": the window ignores it
    EXPECT_TRUE(scanCommandLine("John").empty());
    EXPECT_TRUE(scanCommandLine("/").empty());
}

TEST(WindowRules, StatusFlagAndTheRunningJobsTarget) {
    EXPECT_EQ(statusFlag("ann", "").caption, "");
    EXPECT_EQ(statusFlag("ann", "").toolTip, "Not timing any Job");
    EXPECT_EQ(statusFlag("", ":annTC1").caption, "");
    EXPECT_EQ(statusFlag("ann", ":annTC1").caption, "#");
    EXPECT_EQ(statusFlag("ann", ":annTC1").toolTip, "Click to GoTo job being timed");

    EXPECT_EQ(runningTarget("ann", ""), RunningTarget::None);
    EXPECT_EQ(runningTarget("ann", ":annDoData5:annTC2"), RunningTarget::JobClock);
    EXPECT_EQ(runningTarget("ann", ":annTC2:annDoData5"), RunningTarget::ToDoTask);
    // A to-do section whose name happens to hold "TC" is taken for a job clock.
    EXPECT_EQ(runningTarget("TCann", ":TCannDoData5"), RunningTarget::JobClock);
}
