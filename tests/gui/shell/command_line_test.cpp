// The executable itself: scripted settings and the screenshot start.
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int code;
    QString out;
    QString err;
};

Outcome run(const QString &program, const QStringList &args,
            const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

Outcome vidorev(const QStringList &args) {
    return run(QStringLiteral(VIDOREV_APP_PATH), args);
}

// Runs the program from a shell that first runs prelude: for bytes that are not text, and for
// a file-size limit (SIGXFSZ ignored, so a write past it fails as on a full disk).
Outcome vidorevAfter(const QString &prelude, const QStringList &args) {
    return run(QStringLiteral("/bin/sh"),
               QStringList{"-c", prelude + QStringLiteral("; exec \"$0\" \"$@\""),
                           QStringLiteral(VIDOREV_APP_PATH)} +
                   args);
}

class CommandLine : public ::testing::Test {
protected:
    QString store() const { return dir.filePath("S"); }
    QTemporaryDir dir;
};

TEST_F(CommandLine, SettingsSetGetAndUsage) {
    EXPECT_EQ(
        vidorev({"--store", store(), "settings", "set", "PLMDiary", "allDT3", "Type", "Bell"}).code,
        0);
    const Outcome get =
        vidorev({"--store", store(), "settings", "get", "plmdiary", "AllDT3", "TYPE"});
    EXPECT_EQ(get.code, 0);
    EXPECT_EQ(get.out, "Bell\n");
    const Outcome bad = vidorev({"--store", store(), "settings", "get"});
    EXPECT_EQ(bad.code, 2);
    EXPECT_TRUE(bad.err.startsWith("usage:"));
}

TEST_F(CommandLine, DiaryNewGivesAUserADiaryOnce) {
    const QString diary = dir.filePath("ann-diary.log");
    const QStringList make{"--store", store(), "diary", "new", "--user", "ann", diary};
    const Outcome made = vidorev(make);
    EXPECT_EQ(made.code, 0) << made.err.toStdString();
    EXPECT_EQ(vidorev({"--store", store(), "settings", "get", "PLMDiary", "ann", "FileKey"}).out,
              diary + "\n");
    EXPECT_EQ(vidorev(make).code, 1);
    EXPECT_EQ(vidorev({"--store", store(), "diary", "old"}).code, 2);
}

// A file that is not a store, an empty one (a fresh Diary) included, is named, refused and left
// as it is; reading a store that is not there makes none.
TEST_F(CommandLine, AFileThatIsNotAStoreIsNamedAndRefusedAndReadingMakesNoStore) {
    for (const QByteArray &bytes :
         {QByteArray("this is not a database, a shopping list\n"), QByteArray()}) {
        for (const QStringList &verb : {QStringList{"get", "A", "B", "C"}, {"export"}}) {
            QFile junk(store());
            ASSERT_TRUE(junk.open(QIODevice::WriteOnly | QIODevice::Truncate));
            junk.write(bytes);
            junk.close();
            const Outcome r = vidorev(QStringList{"--store", store(), "settings"} + verb);
            EXPECT_EQ(r.code, 1) << verb[0].toStdString();
            EXPECT_TRUE(r.err.contains(store())) << r.err.toStdString();
            EXPECT_EQ(QFileInfo(store()).size(), bytes.size());
        }
    }
    const QString none = dir.filePath("none");
    EXPECT_EQ(vidorev({"--store", none, "settings", "get", "A", "B", "C", "-"}).out, "-\n");
    EXPECT_EQ(vidorev({"--store", none, "settings", "export"}).code, 0);
    EXPECT_FALSE(QFile::exists(none));
}

TEST_F(CommandLine, HelpExitsZeroEverywhereAndNoDisplayIsSaidPlainly) {
    for (const QStringList &args :
         {QStringList{"--help"}, {"settings", "--help"}, {"diary", "-h"}}) {
        const Outcome r = vidorev(args);
        EXPECT_EQ(r.code, 0) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.startsWith("usage:")) << r.out.toStdString();
    }
    QProcessEnvironment headless = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        headless.remove(name);
    const Outcome r = run(VIDOREV_APP_PATH, {"--store", store()}, headless);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("no display") && r.err.contains("--help")) << r.err.toStdString();
}

TEST_F(CommandLine, ArgumentsThatAreNotTextAreRefused) {
    // The byte 0xFF is no text in UTF-8; the shell makes it, as a user's script might.
    const Outcome set = run("/bin/sh", {"-c",
                                        "exec \"$0\" --store \"$1\" settings set PLMDiary ann "
                                        "FileKey \"$(printf '/tmp/d-\\377.log')\"",
                                        VIDOREV_APP_PATH, store()});
    EXPECT_EQ(set.code, 2) << set.err.toStdString();
    EXPECT_TRUE(set.err.contains("not valid text")) << set.err.toStdString();
    EXPECT_EQ(
        vidorev({"--store", store(), "settings", "get", "PLMDiary", "ann", "FileKey", "-"}).out,
        "-\n");
}

TEST_F(CommandLine, AFullDiskKeepsNoPartOfAnImportAndIsNotCalledABrokenStore) {
    ASSERT_EQ(
        vidorev({"--store", store(), "settings", "set", "PLMDiary", "ann", "Stack", ":x"}).code, 0);
    // Half a megabyte: every value fits in memory, and the disk fills up at the commit.
    QString json = R"({"format": "vidorev-settings", "version": 1, "settings": {"PLMDiary": {)";
    for (int i = 0; i < 1000; ++i)
        json += QStringLiteral(R"(%1"annSD%2": {"Note": "%3"})")
                    .arg(i ? "," : "")
                    .arg(i)
                    .arg(QString(500, 'n'));
    json += "}}}";
    QFile file(dir.filePath("large.json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(json.toUtf8());
    file.close();

    // Room for the store's shared-memory index (32 KiB), none for the import.
    const Outcome full = vidorevAfter("trap '' XFSZ; ulimit -f 128",
                                      {"--store", store(), "settings", "import", file.fileName()});
    EXPECT_EQ(full.code, 1) << full.err.toStdString();
    const Outcome kept = vidorev({"--store", store(), "settings", "export"});
    EXPECT_TRUE(kept.out.contains(":x"));
    EXPECT_FALSE(kept.out.contains("annSD")) << kept.out.size();

    // With no room at all the store cannot even be read: a disk problem, not a broken store.
    const Outcome none =
        vidorevAfter("trap '' XFSZ; ulimit -f 0",
                     {"--store", store(), "settings", "get", "PLMDiary", "ann", "Stack"});
    EXPECT_EQ(none.code, 1);
    EXPECT_TRUE(none.err.contains("cannot be read or written")) << none.err.toStdString();
    EXPECT_FALSE(none.err.contains("not a settings store")) << none.err.toStdString();
}

TEST_F(CommandLine, ScreenshotAppliesTheStartLine) {
    const QString png = dir.filePath("m.png");
    const Outcome shot = vidorev({"--store", store(), "--screenshot", png, "/UJohn/A"});
    ASSERT_EQ(shot.code, 0);
    EXPECT_FALSE(shot.err.contains("propagateSizeHints"))
        << shot.err.toStdString(); // Qt's, not ours
    EXPECT_FALSE(QImage(png).isNull());
    for (int k = 1; k <= 14; ++k)
        EXPECT_EQ(vidorev({"--store", store(), "settings", "get", "PLMDiary",
                           QStringLiteral("AllDT%1").arg(k), "On"})
                      .out,
                  "1\n");
}

} // namespace
