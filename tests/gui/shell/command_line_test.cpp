// The executable itself: how the command line reaches the settings and the window. What the
// verbs do is pinned by the core tests of the settings and Diary commands.
#include <QImage>
#include <QProcess>

#include "gui/desk.h"

namespace {

struct Outcome {
    int code;
    QString out, err;
};

// Runs the program and gives its exit code and what it wrote.
Outcome vidorev(const QStringList &args,
                const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(VIDOREV_APP_PATH, args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

class CommandLine : public ::testing::Test {
protected:
    QString store() const { return dir.filePath("S"); }
    QTemporaryDir dir;
};

// A file that is not a store (a fresh Diary given by mistake) is named, refused and left as it
// is; reading a store that is not there makes none.
TEST_F(CommandLine, TheStoreIsNamedWhenItCannotBeUsedAndReadingMakesNone) {
    QFile(store()).open(QIODevice::WriteOnly);
    const Outcome r = vidorev({"--store", store(), "settings", "export"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(store())) << r.err.toStdString();
    EXPECT_EQ(QFileInfo(store()).size(), 0);
    const QString none = dir.filePath("none");
    EXPECT_EQ(vidorev({"--store", none, "settings", "get", "A", "B", "C", "-"}).out, "-\n");
    EXPECT_EQ(vidorev({"--store", none, "settings", "export"}).code, 0);
    EXPECT_FALSE(QFile::exists(none));
    const QString diary = dir.filePath("ann-diary.log"); // writing makes the store
    EXPECT_EQ(vidorev({"--store", none, "diary", "new", "--user", "ann", diary}).code, 0);
}

TEST_F(CommandLine, HelpExitsZeroEverywhereAndNoDisplayIsSaidPlainly) {
    for (const QStringList &args : {QStringList{"--help"}, {"settings", "--help"}, {"diary", "-h"}})
        EXPECT_EQ(vidorev(args).code, 0) << args.join(' ').toStdString();
    QProcessEnvironment headless = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        headless.remove(name);
    const Outcome r = vidorev({"--store", store()}, headless);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("no display") && r.err.contains("--help")) << r.err.toStdString();
}

TEST_F(CommandLine, ScreenshotAppliesTheStartLineQuietly) {
    const QString png = dir.filePath("m.png");
    const Outcome shot = vidorev({"--store", store(), "--screenshot", png, "/UJohn/A"});
    ASSERT_EQ(shot.code, 0);
    EXPECT_FALSE(shot.err.contains("propagateSizeHints")) << shot.err.toStdString(); // Qt's
    EXPECT_FALSE(QImage(png).isNull());
    EXPECT_EQ(vidorev({"--store", store(), "settings", "get", "PLMDiary", "AllDT14", "On"}).out,
              "1\n");
}

} // namespace
