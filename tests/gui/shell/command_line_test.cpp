// The executable itself: scripted settings and the screenshot start.
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

Outcome vidorev(const QStringList &args) {
    QProcess p;
    p.start(QStringLiteral(VIDOREV_APP_PATH), args);
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

TEST_F(CommandLine, AStoreThatIsNotAStoreIsNamedAndRefused) {
    QFile junk(store());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a database, it is a shopping list\n");
    junk.close();
    const Outcome r = vidorev({"--store", store(), "settings", "get", "A", "B", "C"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(store())) << r.err.toStdString();
}

TEST_F(CommandLine, ScreenshotAppliesTheStartLine) {
    const QString png = dir.filePath("m.png");
    ASSERT_EQ(vidorev({"--store", store(), "--screenshot", png, "/UJohn/A"}).code, 0);
    EXPECT_FALSE(QImage(png).isNull());
    for (int k = 1; k <= 14; ++k)
        EXPECT_EQ(vidorev({"--store", store(), "settings", "get", "PLMDiary",
                           QStringLiteral("AllDT%1").arg(k), "On"})
                      .out,
                  "1\n");
}

} // namespace
