#pragma once

#include <QString>

// Every application, section and key of the settings store. No other file spells these names:
// a typo here is one place to mend, a typo elsewhere is a setting nobody ever reads.
namespace vidorev::keys {

// Applications.
inline const QString kAppDiary = QStringLiteral("PLMDiary");
inline const QString kAppClock = QStringLiteral("PLMClock");

// Fixed sections.
inline const QString kSecAdmin = QStringLiteral("AdminData");
inline const QString kSecUserListHead = QStringLiteral("MySet");
inline const QString kSecPictures = QStringLiteral("PiXplore");
inline const QString kSecLocal = QStringLiteral("Local");
inline const QString kSecCash = QStringLiteral("Cash");

// Suffixes appended to the user name to form per-user sections.
inline const QString kSufNoteSheet = QStringLiteral("SD");  // + 1..5
inline const QString kSufJobClock = QStringLiteral("TC");   // + 1..5
inline const QString kSufDoData = QStringLiteral("DoData"); // user + "DoData"
inline const QString kSufJobList = QStringLiteral("Job");   // user + "Job" + 1..7 + "DoData"

// Alarm and sound-list sections share one stem; sections compare without case.
inline const QString kSecAlarmStem = QStringLiteral("AllDT"); // + 1..14
inline const QString kSecSoundStem = QStringLiteral("allDT"); // + 0..n
inline const QString kAlarmBankUser = QStringLiteral("All");
inline constexpr int kAlarmCount = 14;

// "AdminData" keys.
inline const QString kKeyHold = QStringLiteral("KeyHold");
inline const QString kLocked = QStringLiteral("Locked");
inline const QString kHolidays = QStringLiteral("Holidays");
inline const QString kSoundCount = QStringLiteral("SoundCount");
inline const QString kPingAlert = QStringLiteral("PingAlert");
inline const QString kPingCash = QStringLiteral("PingCash");
inline const QString kPingPrefix = QStringLiteral("Ping"); // + "allDT" + n
inline const QString kTittleName = QStringLiteral("TittleName");
inline const QString kMergeDir = QStringLiteral("MergeDir");
inline const QString kPingDT1 = QStringLiteral("PingDT1");
inline const QString kCalcPad = QStringLiteral("CalcPad");
inline const QString kCalcSel = QStringLiteral("CalcSel");

// Per-user section keys.
inline const QString kFileKey = QStringLiteral("FileKey");
inline const QString kStack = QStringLiteral("Stack");
inline const QString kCompat = QStringLiteral("Compat");
inline const QString kNext = QStringLiteral("Next");
inline const QString kPrior = QStringLiteral("Prior");
// Older names of "Next" and "Prior" in linked sets, moved to the new keys when read.
inline const QString kNextSet = QStringLiteral("NextSet");
inline const QString kPriorSet = QStringLiteral("PriorSet");

// Note sheets.
inline const QString kNote = QStringLiteral("Note");

// Clock sections (job clocks and task clocks).
inline const QString kTaskName = QStringLiteral("TaskName");
inline const QString kJob = QStringLiteral("Job");
inline const QString kStartTime = QStringLiteral("StartTime");
inline const QString kSoFar = QStringLiteral("SoFar");
inline const QString kByRun = QStringLiteral("ByRun");
inline const QString kStatus = QStringLiteral("Status");
inline const QString kContainer = QStringLiteral("Container");

// Away detection, under the user's own section: the minutes without the user after which an
// absence is asked about (0: never), and the absence waiting for the user's answer.
inline const QString kAwayMinutes = QStringLiteral("AwayMinutes");
inline constexpr int kDefaultAwayMinutes = 10;
inline const QString kAwayFrom = QStringLiteral("AwayFrom");
inline const QString kAwayTo = QStringLiteral("AwayTo");
inline const QString kAwayClock = QStringLiteral("AwayClock");

// ToDo list sections.
inline const QString kTask = QStringLiteral("Task");
inline const QString kShift = QStringLiteral("Shift");
inline const QString kStashPath = QStringLiteral("StashPath");
inline const QString kList = QStringLiteral("List");
inline const QString kScroll = QStringLiteral("Scroll");
inline const QString kJobListLegacy = QStringLiteral("JobList"); // + 1..7, older home of titles
inline const QString kHeadNode = QStringLiteral("0");

// Alarm sections.
inline const QString kOn = QStringLiteral("On");
inline const QString kDays = QStringLiteral("Days");
inline const QString kTime = QStringLiteral("Time");
inline const QString kRedir = QStringLiteral("Redir");
inline const QString kType = QStringLiteral("Type");
// "AdminData" key of the wave file an alarm falls back on when its sound slot has none.
inline const QString kPing = QStringLiteral("Ping");
// A sound slot's wave file that means "play nothing, but count as played".
inline const QString kSilentWave = QStringLiteral("[None]");
inline const QString kDefaultDays = QStringLiteral("SMTWTFSeeh");
inline const QString kEmptyHolidays = QStringLiteral(";");
inline constexpr int kDefaultSoundCount = 9;
inline constexpr double kDefaultTaxPct = 0.0775; // 7.75 %

// User-list head.
inline const QString kHat = QStringLiteral("Hat");
inline const QString kName = QStringLiteral("Name");
inline const QString kStart = QStringLiteral("Start");
inline const QString kTop = QStringLiteral("Top");
// The member a fresh linked set starts at; it exists only through its "Next".
inline const QString kRootMember = QStringLiteral("Root");

// Picture explorer.
inline const QString kDrive = QStringLiteral("Drive");
inline const QString kFolder = QStringLiteral("Folder");
inline const QString kFile = QStringLiteral("File");

// "PLMClock" keys.
inline const QString kTZone = QStringLiteral("TZone");
inline const QString kTaxPct = QStringLiteral("TaxPct");

// Values with a meaning of their own.
inline const QString kYes = QStringLiteral("Yes");
inline const QString kNo = QStringLiteral("No");
inline const QString kDefaultAdminName = QStringLiteral("^~^");
// The administrator name the new-Diary panel assumes when none is stored: no user types it.
inline const QString kNoAdminName = QStringLiteral("!~! ");
// Sound slot 0's name: the alarm plays nothing.
inline const QString kSilentSoundName = QStringLiteral("(silent)");
inline const QString kNoDiaryPath = QStringLiteral(" ");

inline QString alarmSection(int n) {
    return kSecAlarmStem + QString::number(n);
}
inline QString soundSection(int n) {
    return kSecSoundStem + QString::number(n);
}
inline QString noteSheetSection(const QString &user, int n) {
    return user + kSufNoteSheet + QString::number(n);
}
inline QString jobClockSection(const QString &user, int n) {
    return user + kSufJobClock + QString::number(n);
}
inline QString doDataSection(const QString &user) {
    return user + kSufDoData;
}
inline QString jobListSection(const QString &user, int n) {
    return user + kSufJobList + QString::number(n) + kSufDoData;
}

} // namespace vidorev::keys
