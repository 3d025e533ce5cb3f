#include "platform/settings_cli.h"
#include "platform/settings_store.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>

#include "test_env.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

using vidorev::SettingsStore;
using vidorev::StoreError;

namespace {

class StoreTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("settings.sqlite")); }
    std::unique_ptr<SettingsStore> open() { return SettingsStore::open(path()); }
    QTemporaryDir m_dir;
};

TEST_F(StoreTest, NamesCompareWithoutCaseAndKeepTheirFirstSpelling) {
    auto store = open();
    store->save("PLMDiary", "allDT3", "Type", "Bell");
    EXPECT_EQ(store->get("plmdiary", "AllDT3", "TYPE"), "Bell");
    // Unicode-aware folding: one section, however the user's name is typed.
    store->save("PLMDiary", "ÉMILE", "FileKey", "/a");
    store->save("PLMDiary", "émile", "Stack", ":x");
    EXPECT_EQ(store->get("PLMDiary", "Émile", "filekey"), "/a");
    store->save("PLMDIARY", "AllDT3", "TYPE", "Gong");

    const auto entries = store->entries();
    ASSERT_EQ(entries.size(), 3u);
    for (const auto &e : entries) {
        EXPECT_EQ(e.application, "PLMDiary");
        EXPECT_TRUE(e.section == "allDT3" || e.section == "ÉMILE") << e.section.toStdString();
    }
    EXPECT_EQ(store->get("PLMDiary", "allDT3", "Type"), "Gong");
}

TEST_F(StoreTest, MissingValuesReadAsTheCallersDefault) {
    auto store = open();
    EXPECT_EQ(store->get("PLMDiary", "AdminData", "KeyHold", "^~^"), "^~^");
    EXPECT_EQ(store->get("PLMDiary", "AdminData", "KeyHold"), "");
    store->save("PLMDiary", "AllDT1", "On", "yes please");
    store->save("PLMDiary", "AllDT2", "On", "1");
    store->save("PLMClock", "Cash", "TaxPct", "0.0825");
    store->save("PLMClock", "Cash", "Broken", "nan");
    EXPECT_EQ(store->getInt("PLMDiary", "AllDT1", "On", 7), 7);
    EXPECT_EQ(store->getInt("PLMDiary", "AllDT2", "On", 7), 1);
    EXPECT_EQ(store->getInt("PLMDiary", "AllDT3", "On", 7), 7);
    EXPECT_DOUBLE_EQ(store->getDouble("PLMClock", "Cash", "TaxPct", 0.0775), 0.0825);
    EXPECT_DOUBLE_EQ(store->getDouble("PLMClock", "Cash", "Broken", 0.0775), 0.0775);
}

TEST_F(StoreTest, DeletesAKeyASectionOrAWholeApplication) {
    auto store = open();
    store->save("PLMDiary", "AdminData", "KeyHold", "boss");
    store->save("PLMDiary", "AdminData", "Locked", "Yes");
    store->save("PLMDiary", "annSD1", "Note", "n1");
    store->save("PLMDiary", "annSD2", "Note", "n2");
    store->save("PLMClock", "Local", "TZone", "5");

    store->remove("plmdiary", "ANNSD1", "note");
    EXPECT_EQ(store->get("PLMDiary", "annSD1", "Note", "gone"), "gone");
    store->remove("PLMDiary", "annsd2");
    EXPECT_EQ(store->get("PLMDiary", "annSD2", "Note", "gone"), "gone");
    store->remove("PLMDIARY");
    EXPECT_EQ(store->get("PLMDiary", "AdminData", "KeyHold", "gone"), "gone");
    EXPECT_EQ(store->get("PLMClock", "Local", "TZone"), "5");
}

TEST_F(StoreTest, PersistsAcrossOpensWithOwnerOnlyPermissions) {
    open()->save("PLMDiary", "ann", "FileKey", "/home/ann/diary.log");
    EXPECT_EQ(open()->get("PLMDiary", "ann", "FileKey"), "/home/ann/diary.log");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// The kind of trouble an open failed with, and its message.
std::pair<StoreError::Kind, std::string> openFailure(const QString &path) {
    try {
        SettingsStore::open(path, 50);
    } catch (const StoreError &e) {
        return {e.kind(), e.what()};
    }
    ADD_FAILURE() << "opened " << path.toStdString();
    return {};
}

TEST_F(StoreTest, OpenFailuresSayWhichKindOfTroubleItIs) {
    using Kind = StoreError::Kind;
    QFile junk(path());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    auto [kind, what] = openFailure(path());
    EXPECT_EQ(kind, Kind::NotAStore);
    EXPECT_NE(what.find("settings.sqlite"), std::string::npos) << what;
    // The junk is left as it was: never a silent reset.
    QFile check(path());
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), QByteArray(4096, 'x'));
    EXPECT_EQ(openFailure(m_dir.path()).first, Kind::NotAStore); // a folder
    // An empty file is no store either (a fresh Diary given by mistake): refused, left empty.
    // Reading a store that is not there makes none.
    const QString empty = m_dir.filePath("fresh-diary.log");
    ASSERT_TRUE(QFile(empty).open(QIODevice::WriteOnly));
    EXPECT_EQ(openFailure(empty).first, Kind::NotAStore);
    EXPECT_THROW(SettingsStore::openForReading(empty), StoreError);
    EXPECT_EQ(QFileInfo(empty).size(), 0);
    const QString missing = m_dir.filePath("missing.sqlite");
    EXPECT_EQ(SettingsStore::openForReading(missing)->get("PLMDiary", "ann", "FileKey", "-"), "-");
    EXPECT_FALSE(QFile::exists(missing));
    // A folder that cannot be made: its parent is a file.
    EXPECT_EQ(openFailure(path() + "/inner/settings.sqlite").first, Kind::Unusable);

    // A good store on a full disk is a disk problem, never "not a store".
    const QString good = m_dir.filePath("good.sqlite");
    SettingsStore::open(good)->save("PLMDiary", "ann", "FileKey", "/d.log");
    {
        vidorev::test::FullDisk full;
        std::tie(kind, what) = openFailure(good);
    }
    EXPECT_EQ(kind, Kind::Unusable) << what;
    EXPECT_NE(what.find("cannot be read or written"), std::string::npos) << what;
    EXPECT_EQ(what.find("not a settings store"), std::string::npos) << what;

    // Another process holding the store locked.
    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open(good.toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    std::tie(kind, what) = openFailure(good);
    EXPECT_EQ(kind, Kind::Busy) << what;
    sqlite3_close(other);
    EXPECT_EQ(SettingsStore::open(good)->get("PLMDiary", "ann", "FileKey"), "/d.log");
}

TEST_F(StoreTest, ABatchTheDiskRefusesKeepsNothingAndSaysSo) {
    auto store = open();
    store->save("PLMDiary", "ann", "Stack", ":annTC1");
    bool saved = false, committed = true;
    {
        // The writes land in memory; only the commit meets the full disk.
        SettingsStore::Batch batch(*store);
        vidorev::test::FullDisk full;
        saved = store->save("PLMDiary", "annTC1", "Status", "Run") &&
                store->save("PLMDiary", "ann", "Stack", "");
        committed = batch.commit();
    }
    EXPECT_TRUE(saved);
    EXPECT_FALSE(committed);
    EXPECT_TRUE(store->lastError().contains("File too large")) << store->lastError().toStdString();
    {
        // A write that fails inside the batch: the rest of the action is refused even once
        // the disk has room again, and the outermost end keeps none of it.
        SettingsStore::Batch outer(*store);
        SettingsStore::Batch inner(*store);
        EXPECT_TRUE(store->save("PLMDiary", "annTC1", "Status", "Halt"));
        {
            vidorev::test::FullDisk full;
            saved = store->save("PLMDiary", "big", "Memo", QString(8 << 20, 'x'));
        }
        EXPECT_FALSE(saved);
        EXPECT_FALSE(store->save("PLMDiary", "annTC2", "Status", "Run"));
        EXPECT_FALSE(inner.commit());
        EXPECT_FALSE(outer.commit());
    }
    // The store goes on working, and holds exactly what was kept.
    SettingsStore::Batch batch(*store);
    EXPECT_TRUE(store->save("PLMDiary", "annTC3", "Status", "Run"));
    EXPECT_TRUE(batch.commit());
    auto other = open();
    EXPECT_EQ(other->get("PLMDiary", "ann", "Stack"), ":annTC1");
    for (const char *section : {"annTC1", "annTC2", "big"})
        EXPECT_EQ(other->get("PLMDiary", section, "Status", "none"), "none") << section;
    EXPECT_EQ(other->get("PLMDiary", "annTC3", "Status"), "Run");
}

TEST_F(StoreTest, AProcessKilledMidBurstLeavesEveryCommittedWrite) {
    open(); // create the schema first
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(pipeFds[0]);
        auto store = SettingsStore::open(path());
        for (int i = 0;; ++i) {
            {
                SettingsStore::Batch batch(*store);
                store->save("PLMDiary", "burst", QString::number(i), QString::number(i));
                store->save("PLMDiary", "burst", "last", QString::number(i));
            }
            if (::write(pipeFds[1], &i, sizeof i) != sizeof i)
                ::_exit(1);
        }
    }
    ::close(pipeFds[1]);
    int committed = -1;
    while (committed < 150 &&
           ::read(pipeFds[0], &committed, sizeof committed) == sizeof committed) {
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(pipeFds[0]);

    ASSERT_GE(committed, 150);
    auto store = open();
    for (int i = 0; i <= committed; ++i)
        ASSERT_EQ(store->get("PLMDiary", "burst", QString::number(i)), QString::number(i)) << i;
    EXPECT_GE(store->get("PLMDiary", "burst", "last").toInt(), committed);
}

TEST_F(StoreTest, ExportThenImportIntoAnEmptyStoreReproducesEveryValue) {
    auto store = open();
    store->save("PLMDiary", "AdminData", "Holidays", ";12/25;7/4;HFF8000;");
    store->save("PLMDiary", "Émile", "FileKey", "/home/émile/d \"quoted\".log");
    store->save("PLMDiary", "annDoData", "0Task", "line1\nline2\ttab");
    store->save("PLMClock", "Cash", "TaxPct", "0.0775");
    const QByteArray json = vidorev::exportSettingsJson(*store);

    QTemporaryDir other;
    auto copy = SettingsStore::open(other.filePath("copy.sqlite"));
    QString error;
    ASSERT_TRUE(vidorev::importSettingsJson(*copy, json, &error)) << error.toStdString();
    const auto a = store->entries(), b = copy->entries();
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].application, b[i].application);
        EXPECT_EQ(a[i].section, b[i].section);
        EXPECT_EQ(a[i].key, b[i].key);
        EXPECT_EQ(a[i].value, b[i].value);
    }

    // A file that is not an export writes nothing.
    EXPECT_FALSE(vidorev::importSettingsJson(*copy, "{\"settings\":{}}", &error));
    EXPECT_FALSE(vidorev::importSettingsJson(
        *copy, R"({"format":"vidorev-settings","settings":{"A":{"S":{"k":"v","n":3}}}})", &error));
    EXPECT_EQ(copy->get("A", "S", "k", "none"), "none");
}

// Seconds f takes at best of three runs (run 0, 1, 2): times are compared as ratios, so a
// loaded machine slows both sides alike.
template <typename F> double fastest(F &&f) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer clock;
        clock.start();
        f(run);
        best = std::min(best, clock.nsecsElapsed() / 1e9);
    }
    return best;
}

TEST_F(StoreTest, TimeGrowsWithTheValuesNotWithTheirSquareNorWithAHugeValue) {
    const auto saves = [](SettingsStore &store) {
        return fastest([&store](int run) {
            SettingsStore::Batch batch(store);
            for (int i = 0; i < 400; ++i)
                store.save("PLMDiary", QStringLiteral("u%1TC1").arg(i), "SoFar",
                           QString::number(run * 1000 + i));
            EXPECT_TRUE(batch.commit());
        });
    };
    const double plain = saves(*SettingsStore::open(m_dir.filePath("plain.sqlite")));

    // A store of the first layout, which kept values in the key tree, with one 30 MiB value.
    sqlite3 *old = nullptr;
    ASSERT_EQ(sqlite3_open(path().toUtf8().constData(), &old), SQLITE_OK);
    const std::string huge(30 << 20, 'n');
    const std::string fill =
        "PRAGMA user_version = 1; CREATE TABLE setting (app_fold TEXT NOT NULL, section_fold TEXT"
        " NOT NULL, key_fold TEXT NOT NULL, app TEXT NOT NULL, section TEXT NOT NULL, key TEXT"
        " NOT NULL, value TEXT NOT NULL, PRIMARY KEY (app_fold, section_fold, key_fold)) WITHOUT"
        " ROWID; INSERT INTO setting VALUES ('plmdiary', 'annsd1', 'note', 'PLMDiary', 'annSD1',"
        " 'Note', '" +
        huge + "')";
    ASSERT_EQ(sqlite3_exec(old, fill.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(old);
    auto store = open();
    EXPECT_EQ(store->get("plmdiary", "ANNSD1", "note").size(), qsizetype(huge.size()));
    const double besideHuge = saves(*store);
    EXPECT_LT(besideHuge, 5 * plain + 0.05)
        << "400 saves beside a huge value, " << plain << " s without it";
    store->remove("PLMDiary", "annSD1");

    // Four times the values take about four times as long, not sixteen.
    QByteArray json;
    double times[2] = {};
    for (const int count : {25000, 100000}) {
        {
            SettingsStore::Batch batch(*store);
            for (int i = 0; i < count; ++i)
                store->save("PLMDiary", "annSD2", QStringLiteral("Key%1").arg(i),
                            QString::number(i));
        }
        times[count > 25000] = fastest([&](int) { json = vidorev::exportSettingsJson(*store); });
    }
    EXPECT_LT(times[1], 8 * times[0]) << "export of 100,000 and 25,000 values in one section";
    const QJsonObject section =
        QJsonDocument::fromJson(json)["settings"]["PLMDiary"]["annSD2"].toObject();
    EXPECT_EQ(section.size(), 100000);
    EXPECT_EQ(section["Key99999"].toString(), "99999");
}

TEST_F(StoreTest, CommandLineVerbsAndUsageErrors) {
    auto store = open();
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    const auto run = [&](const QStringList &args) {
        outText.clear();
        errText.clear();
        const int rc = vidorev::runSettingsCommand(args, *store, out, err);
        out.flush();
        err.flush();
        return rc;
    };
    EXPECT_EQ(run({"set", "PLMDiary", "allDT3", "Type", "Bell"}), 0);
    EXPECT_EQ(run({"get", "plmdiary", "AllDT3", "TYPE"}), 0);
    EXPECT_EQ(outText, "Bell\n");
    EXPECT_EQ(run({"get", "PLMDiary", "nobody", "FileKey", "dflt"}), 0);
    EXPECT_EQ(outText, "dflt\n");
    EXPECT_EQ(run({"get", "PLMDiary", "nobody", "FileKey"}), 0);
    EXPECT_EQ(outText, "\n");
    EXPECT_EQ(run({"delete", "PLMDiary", "allDT3"}), 0);
    EXPECT_EQ(store->get("PLMDiary", "allDT3", "Type", "gone"), "gone");
    for (const QStringList &bad : {QStringList{}, QStringList{"get", "A"}, QStringList{"frob"},
                                   QStringList{"set", "A", "S", "K"}, QStringList{"delete"}}) {
        EXPECT_EQ(run(bad), 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(errText.startsWith("usage:"));
    }
    EXPECT_EQ(run({"import", m_dir.filePath("missing.json")}), 1);
}

TEST_F(StoreTest, ImportRefusesWhatItCannotTakeWhole) {
    auto store = open();
    store->save("PLMDiary", "ann", "FileKey", "/d.log");
    QString errText;
    QTextStream out(stdout), err(&errText);
    const auto import = [&](const QString &file) {
        errText.clear();
        const int rc = vidorev::runSettingsCommand({"import", file}, *store, out, err);
        err.flush();
        return rc;
    };
    const auto write = [this](const QString &name, const QByteArray &data) {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        return file.fileName();
    };
    QJsonObject values;
    for (int i = 0; i < 1000; ++i)
        values.insert(QStringLiteral("Note%1").arg(i), QString(500, 'n'));
    QJsonObject root{{"format", "vidorev-settings"},
                     {"version", 1},
                     {"settings", QJsonObject{{"PLMDiary", QJsonObject{{"annSD1", values}}}}}};
    const QString large = write("large.json", QJsonDocument(root).toJson());
    root.insert("version", 2);
    const QString newer = write("newer.json", QJsonDocument(root).toJson());
    QFile huge(m_dir.filePath("huge.json"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(vidorev::kMaxImportBytes + 1));

    EXPECT_EQ(import(newer), 1);
    EXPECT_TRUE(errText.contains("newer version")) << errText.toStdString();
    EXPECT_EQ(import(huge.fileName()), 1);
    EXPECT_EQ(import("/dev/zero"), 1); // no size of its own, and no end
    EXPECT_TRUE(errText.contains("too large")) << errText.toStdString();
    int rc = 0;
    {
        // The disk fills up at the commit, after every value was accepted.
        vidorev::test::FullDisk full;
        rc = import(large);
    }
    EXPECT_EQ(rc, 1);
    EXPECT_TRUE(errText.contains("nothing was imported")) << errText.toStdString();
    const auto entries = open()->entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].section, "ann");

    EXPECT_EQ(import(large), 0);
    EXPECT_EQ(store->get("PLMDiary", "annSD1", "Note999"), QString(500, 'n'));
}

} // namespace
