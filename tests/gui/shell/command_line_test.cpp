// The executable itself: how the command line reaches the settings and the window. What the
// verbs do is pinned by the core tests of the settings and Diary commands.
#include <QImage>
#include <QProcess>

#include "test_env.h"

namespace {

struct Outcome {
    int code;
    QString out, err;
};

// Runs the program, from a shell that first runs prelude where one is given: for bytes that are
// not text, and for a file-size limit (SIGXFSZ ignored, so a write past it fails as on a full
// disk).
Outcome vidorev(const QStringList &args, const QString &prelude = {},
                const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    if (prelude.isEmpty())
        p.start(VIDOREV_APP_PATH, args);
    else
        p.start("/bin/sh",
                QStringList{"-c", prelude + "; exec \"$0\" \"$@\"", VIDOREV_APP_PATH} + args);
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
// is; reading a store that is not there makes none; a disk with no room at all is said to be one.
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
    EXPECT_EQ(
        vidorev({"--store", none, "diary", "new", "--user", "ann", dir.filePath("ann-diary.log")})
            .code,
        0);
    const Outcome full = vidorev({"--store", none, "settings", "set", "A", "B", "C", "D"},
                                 "trap '' XFSZ; ulimit -f 0");
    EXPECT_EQ(full.code, 1);
    EXPECT_TRUE(full.err.contains("cannot be read or written")) << full.err.toStdString();
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
    const Outcome r = vidorev({"--store", store()}, {}, headless);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("no display") && r.err.contains("--help")) << r.err.toStdString();
}

// The byte 0xFF is no text in UTF-8; the shell makes it, as a user's script might.
TEST_F(CommandLine, ArgumentsThatAreNotTextAreRefused) {
    const Outcome set =
        vidorev({"--store", store(), "settings", "set", "PLMDiary", "ann", "FileKey"},
                "set -- \"$@\" \"$(printf '/tmp/d-\\377.log')\"");
    EXPECT_EQ(set.code, 2) << set.err.toStdString();
    EXPECT_TRUE(set.err.contains("not valid text")) << set.err.toStdString();
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
