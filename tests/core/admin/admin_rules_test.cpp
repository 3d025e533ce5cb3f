#include "admin/admin_rules.h"
#include "admin/diary_create.h"
#include "admin/panic_wipe.h"
#include "platform/settings_cli.h"
#include "platform/settings_keys.h"
#include "shell/diary_new.h"
#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <gtest/gtest.h>

#include <optional>

#include <sys/stat.h>

namespace vidorev {
namespace {

using test::TestEnv;

bool sameEntries(const std::vector<SettingsStore::Entry> &a,
                 const std::vector<SettingsStore::Entry> &b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto &x, const auto &y) {
        return x.application == y.application && x.section == y.section && x.key == y.key &&
               x.value == y.value;
    });
}

int modeOf(const QString &path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return int(st.st_mode & 0777);
}

QByteArray contents(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

struct RemoveCase {
    const char *list;
    const char *month;
    const char *day;
    const char *left;
};

TEST(HolidayList, RemovingADateTakesItsColourMarkerAndNothingElse) {
    const RemoveCase cases[] = {
        {";1/1;7/4;HFF8000;12/25;", "7", "4", ";1/1;12/25;"},
        {";1/1;7/4;12/25;", " 7 ", "4 ", ";1/1;12/25;"}, // blanks are trimmed
        {";17/4;7/4;", "7", "4", ";17/4;"},              // whole dates only
        {";7/4;7/4;", "7", "4", ";7/4;"},                // the first one only
        {";7/4;HZZ8000;", "7", "4", ";HZZ8000;"},        // not a colour: stays
        {";/1;", "", "1", ";/1;"},                       // too short a date to look for
        {";1/1;", "7", "4", ";1/1;"},
    };
    for (const RemoveCase &c : cases)
        EXPECT_EQ(admin::removeHoliday(c.list, c.month, c.day), c.left) << c.list;

    QString list = keys::kEmptyHolidays;
    list += admin::holidayEntry("7", "4", admin::HolidayKind::Violet);
    list += admin::holidayEntry("12", "25", admin::HolidayKind::Closed);
    EXPECT_EQ(list, ";7/4;HC000C0;12/25;");
    EXPECT_EQ(admin::removeHoliday(list, "7", "4"), ";12/25;");
}

// What "OK" on the Options panel keeps from its boxes as typed, and what it refuses.
TEST(AdminOptions, TypedValuesAreReadInTheDesksLocaleOrRefused) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale de(QLocale::German, QLocale::Germany);
    const struct {
        const char *name, *tax, *zone;
        QLocale locale;
        double taxPct;
        const char *zoneKept;
        const char *refusedBox = nullptr;
    } cases[] = {
        {"boss", "7.75", "8", us, 0.0775, "8"},
        {"boss", " 8.25% ", "5.5", us, 0.0825, "5.5"},
        {"boss", "7,5", "5,5", de, 0.075, "5.5"},
        {"boss", "7.5 %", "-1", de, 0.075, "-1"}, // a "." point is taken everywhere
        {"boss", "7,5", "8", us, 0, "", "Default Sales tax"},
        {"boss", "abc", "8", us, 0, "", "Default Sales tax"},
        {"boss", "%", "8", us, 0, "", "Default Sales tax"},
        {"boss", "7", "abc", us, 0, "", "Time Zone"},
        {"boss", "7", "25", us, 0, "", "Time Zone"},
        {"", "7", "8", us, 0, "", "Admin name"},
        {" b ", "7", "8", us, 0, "", "Admin name"},
    };
    for (const auto &c : cases) {
        const admin::OptionsEntry entry = admin::readOptions(c.name, c.tax, c.zone, true, c.locale);
        if (c.refusedBox) {
            EXPECT_TRUE(entry.problem.contains(c.refusedBox)) << entry.problem.toStdString();
            continue;
        }
        EXPECT_EQ(entry.problem, "") << c.tax << " " << c.zone;
        EXPECT_DOUBLE_EQ(entry.options.taxPct, c.taxPct) << c.tax;
        EXPECT_EQ(entry.options.timeZone, c.zoneKept);
    }
    // An empty or blank user box is never the administrator, whatever name is stored.
    EXPECT_FALSE(admin::isAdministrator("", ""));
    EXPECT_FALSE(admin::isAdministrator(" ", " "));
    EXPECT_TRUE(admin::isAdministrator("b", "b"));

    // Slot 0 of the sounds is the fixed silence: nothing is saved onto it.
    TestEnv env;
    EXPECT_FALSE(admin::saveSoundSelection(env.store(), 0, {"Chime", "/sounds/chime.wav"}));
    EXPECT_TRUE(env.store().entries().empty());
    EXPECT_FALSE(admin::soundSlotProblem(0).isEmpty());
    EXPECT_TRUE(admin::saveSoundSelection(env.store(), 1, {"Chime", "/sounds/chime.wav"}));
    EXPECT_EQ(env.store().get(keys::kAppDiary, keys::soundSection(0), keys::kType),
              keys::kSilentSoundName);
}

class PanicWipe : public ::testing::Test {
protected:
    PanicWipe() {
        SettingsStore &s = env.store();
        s.save(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold, "boss");
        s.save(keys::kAppDiary, keys::kSecAdmin, keys::kLocked, keys::kYes);
        s.save(keys::kAppDiary, keys::kSecAdmin, keys::kSoundCount, "12");
        admin::saveSoundSelection(s, 3, {"Bell", "/sounds/bell.wav"});
        s.save(keys::kAppDiary, keys::alarmSection(3), keys::kOn, "1");
        env.makeDiary("ann", "ann-diary.log");
        admin::AdminOptions clock = admin::loadOptions(s, env.clock().now());
        clock.taxPct = 0.05;
        clock.timeZone = "5";
        admin::saveOptions(s, clock);
        before = s.entries();
    }
    QStringList backups() const {
        return QDir(env.dir()).entryList({"settings-backup-*"}, QDir::Files | QDir::NoSymLinks);
    }

    TestEnv env;
    std::vector<SettingsStore::Entry> before;
    const QDateTime now{QDate(2026, 12, 6), QTime(22, 30, 0)};
};

TEST_F(PanicWipe, ARestartKeepsTheSurvivorsAndTheBackupBringsTheRestBack) {
    const admin::PanicOutcome wipe = admin::panicWipe(env.store(), "boss", true, now);
    ASSERT_TRUE(wipe.wiped) << wipe.error.toStdString();
    EXPECT_EQ(wipe.backupPath, env.filePath("settings-backup-2026-12-06T223000.json"));
    EXPECT_EQ(modeOf(wipe.backupPath), 0600);

    {
        const auto restarted = SettingsStore::open(env.store().path());
        const SettingsStore &s = *restarted;
        EXPECT_EQ(s.get(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold), "boss");
        EXPECT_EQ(s.get(keys::kAppDiary, keys::kSecAdmin, keys::kLocked), keys::kYes);
        EXPECT_EQ(s.get(keys::kAppClock, keys::kSecCash, keys::kTaxPct), "0.05");
        EXPECT_EQ(s.get(keys::kAppClock, keys::kSecLocal, keys::kTZone), "5");
        EXPECT_EQ(s.get(keys::kAppDiary, keys::alarmSection(3), keys::kOn, "off"), "off");
        EXPECT_EQ(s.get(keys::kAppDiary, "ann", keys::kFileKey, "none"), "none");
        EXPECT_EQ(admin::soundCount(s), keys::kDefaultSoundCount);
        EXPECT_EQ(admin::soundSlot(s, 3).name, " ");
        EXPECT_EQ(admin::soundSlot(s, 3).file, " ");
    }

    // A second wipe in the same second keeps the first backup as it was.
    const QByteArray first = contents(wipe.backupPath);
    const admin::PanicOutcome again = admin::panicWipe(env.store(), "boss", true, now);
    ASSERT_TRUE(again.wiped);
    EXPECT_NE(again.backupPath, wipe.backupPath);
    EXPECT_EQ(contents(wipe.backupPath), first);

    QString out;
    QString err;
    QTextStream o(&out);
    QTextStream e(&err);
    ASSERT_EQ(runSettingsCommand({"import", wipe.backupPath}, env.store(), o, e), 0)
        << err.toStdString();
    EXPECT_TRUE(sameEntries(env.store().entries(), before));
}

TEST_F(PanicWipe, NothingIsWipedUnlessTheBackupHoldsWhatIsWiped) {
    const QString outside = env.filePath("outside.txt");
    QFile(outside).open(QIODevice::WriteOnly);
    // A link where the backup would go is passed over, never written through.
    ASSERT_TRUE(QFile::link(outside, env.filePath(admin::backupFileName(now))));
    enum How { FullDisk, NoRoomForAll, ChangedMeanwhile, Linked };
    const struct {
        How how;
        const char *said; // "" when the wipe goes through
    } cases[] = {{FullDisk, "File too large"},
                 {NoRoomForAll, "File too large"},
                 {ChangedMeanwhile, "the settings were changed meanwhile"},
                 {Linked, ""}};
    for (const auto &c : cases) {
        // The wipe runs on a connection of its own, as the panel runs it.
        const auto own = SettingsStore::open(env.store().path());
        qint64 lastDone = 0;
        const auto progress = [&](qint64 done, qint64 total) {
            if (c.how == ChangedMeanwhile && done == 1)
                env.store().save(keys::kAppDiary, "ann", keys::kStack, ":annTC1");
            lastDone = done == total ? done : lastDone;
        };
        admin::PanicOutcome wipe;
        {
            std::optional<test::FullDisk> full;
            if (c.how == FullDisk || c.how == NoRoomForAll)
                full.emplace(c.how == FullDisk ? 0 : 100);
            wipe = admin::panicWipe(*own, "boss", true, now, progress);
        }
        EXPECT_EQ(wipe.wiped, !*c.said) << c.said;
        EXPECT_TRUE(wipe.error.contains(QLatin1String(c.said))) << wipe.error.toStdString();
        if (c.how == ChangedMeanwhile) {
            EXPECT_EQ(env.store().get(keys::kAppDiary, "ann", keys::kStack), ":annTC1");
            env.store().remove(keys::kAppDiary, "ann", keys::kStack);
        }
        if (*c.said) {
            EXPECT_TRUE(sameEntries(env.store().entries(), before)) << c.said;
            // The backup of a refused wipe stays; a failed backup leaves nothing.
            EXPECT_EQ(backups().size(), c.how == ChangedMeanwhile ? 1 : 0) << c.said;
            QDir(env.dir()).remove(backups().value(0, "none"));
        } else {
            EXPECT_EQ(lastDone, qint64(before.size()));
            EXPECT_EQ(wipe.backupPath, env.filePath("settings-backup-2026-12-06T223000-2.json"));
            EXPECT_EQ(modeOf(wipe.backupPath), 0600);
        }
        EXPECT_EQ(QDir(env.dir()).entryList({".settings-backup-*"}, QDir::Hidden), QStringList());
    }
    EXPECT_EQ(contents(outside), QByteArray());
}

TEST(NewDiaryFile, MadeOnlyWhereNothingIsAndOnlyForItsOwner) {
    TestEnv env;
    const QString kept = env.filePath("kept-diary.log");
    {
        QFile f(kept);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[722][Start]<Fix printer> @ 9:00:00 AM 12-04-2026\r\n");
    }
    const QByteArray keptBytes = contents(kept);
    EXPECT_EQ(admin::createEmptyDiary(kept).outcome, admin::CreateOutcome::Exists);
    EXPECT_EQ(contents(kept), keptBytes);

    EXPECT_EQ(admin::createEmptyDiary(env.dir()).outcome, admin::CreateOutcome::Refused);
    EXPECT_EQ(admin::createEmptyDiary(env.filePath("a.log")).outcome,
              admin::CreateOutcome::Refused);
    EXPECT_EQ(admin::createEmptyDiary(env.filePath("no/such/folder/diary.log")).outcome,
              admin::CreateOutcome::Failed);

    const QString made = admin::diaryPathFrom(" new-diary.log ", env.dir() + "/");
    EXPECT_EQ(made, env.filePath("new-diary.log"));
    EXPECT_EQ(admin::diaryPathFrom("new-diary.log", env.dir()), made);
    EXPECT_EQ(admin::diaryPathFrom(kept, "/elsewhere"), kept);
    EXPECT_EQ(admin::createEmptyDiary(made).outcome, admin::CreateOutcome::Created);
    EXPECT_EQ(contents(made), QByteArray());
    EXPECT_EQ(modeOf(made), 0600);
}

class DiaryNewCommand : public ::testing::Test {
protected:
    int run(const QStringList &args) {
        out.clear();
        err.clear();
        QTextStream o(&out);
        QTextStream e(&err);
        return runDiaryNew(args, env.store(), o, e);
    }
    QString fileKey(const QString &user) {
        return env.store().get(keys::kAppDiary, user, keys::kFileKey, "unset");
    }
    TestEnv env;
    QString out;
    QString err;
};

TEST_F(DiaryNewCommand, UsageErrorsTouchNothing) {
    const QString path = env.filePath("ann-diary.log");
    const QStringList bad[] = {{},
                               {"--user", "ann"},
                               {path},
                               {"--user", "a", path},
                               {"--user", "ann", path, path},
                               {"--user", "ann", "--force", path}};
    for (const QStringList &args : bad) {
        EXPECT_EQ(run(args), 2) << args.join(' ').toStdString();
        EXPECT_TRUE(err.startsWith("usage:"));
    }
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(fileKey("ann"), "unset");
}

TEST_F(DiaryNewCommand, MakesTheDiaryListsTheUserAndNeverReplacesAFile) {
    const QString path = env.filePath("ann-diary.log");
    ASSERT_EQ(run({"--user", "ann", path}), 0) << err.toStdString();
    EXPECT_EQ(fileKey("ann"), path);
    EXPECT_EQ(modeOf(path), 0600);
    // ann is on the desk's user list, after its first member.
    EXPECT_EQ(env.store().get(keys::kAppDiary, keys::kRootMember, keys::kNext), "ann");

    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("a line\r\n");
    }
    EXPECT_EQ(run({"--user", "bob", path}), 1);
    EXPECT_TRUE(err.contains("left as it is")) << err.toStdString();
    EXPECT_EQ(contents(path), "a line\r\n");
    EXPECT_EQ(fileKey("bob"), "unset");

    EXPECT_EQ(run({"--user", "bob", env.dir()}), 1);
    EXPECT_TRUE(err.contains("folder")) << err.toStdString();
}

} // namespace
} // namespace vidorev
