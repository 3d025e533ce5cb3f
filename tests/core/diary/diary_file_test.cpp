#include "diary/diary_file.h"
#include "diary/diary_record.h"
#include "diary/diary_writer.h"
#include "platform/settings_keys.h"
#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace diary = vidorev::diary;
using vidorev::DiaryWriter;
using vidorev::test::TestEnv;

namespace {

QString touch(const QString &path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    return path;
}

TEST(DiaryFile, WritersNeedAnExistingFileAndTheWindowANameLongerThanFive) {
    TestEnv env;
    const QString shortName = touch(env.filePath("a.txt"));
    const QString longName = touch(env.filePath("diary.txt"));
    EXPECT_TRUE(diary::writerCanAppend(shortName));
    EXPECT_FALSE(diary::diaryAvailable(shortName)); // a.txt counts as missing at the menu
    EXPECT_TRUE(diary::diaryAvailable(longName));
    for (const QString &bad : {QString(" "), QString(), env.filePath("nothere.log"), env.dir()}) {
        EXPECT_FALSE(diary::writerCanAppend(bad)) << bad.toStdString();
        EXPECT_FALSE(diary::diaryAvailable(bad)) << bad.toStdString();
    }
}

TEST(DiaryFile, AppendNeverCreatesADiaryAndEndsLinesWithCrLf) {
    TestEnv env;
    const QString missing = env.filePath("missing.log");
    EXPECT_EQ(diary::appendLines(missing, {"x"}), diary::AppendResult::Missing);
    EXPECT_FALSE(QFile::exists(missing));

    const QString path = touch(env.filePath("diary.log"));
    EXPECT_EQ(diary::appendLines(path, {"one", "two"}), diary::AppendResult::Appended);
    EXPECT_EQ(diary::appendLines(path, {"three"}), diary::AppendResult::Appended);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    EXPECT_EQ(f.readAll(), "one\r\ntwo\r\nthree\r\n");
    // A last line left open (an editor, a cut copy) is ended first, and stays as it was.
    f.write("edited @ 4:00:00 PM 12-04-2026");
    f.close();
    EXPECT_EQ(diary::appendLines(path, {"four"}), diary::AppendResult::Appended);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "one\r\ntwo\r\nthree\r\nedited @ 4:00:00 PM 12-04-2026\r\nfour\r\n");
}

TEST(DiaryFile, AWriteTheDiskRefusesIsAFailureNotASuccess) {
    TestEnv env;
    const QString path = touch(env.filePath("diary.log"));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // A file-size limit makes the write fail with EFBIG, as a full disk would.
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4, 4};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        QString error;
        const auto result = diary::appendLines(path, {"a line too long for the limit"}, &error);
        ::_exit(result == diary::AppendResult::Failed && !error.isEmpty() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(QFileInfo(path).size(), 0) << "a torn line was left in the Diary";
}

TEST(DiaryFile, TwoProcessesAppendingAtOnceLeaveWholeLines) {
    TestEnv env;
    const QString path = touch(env.filePath("shared.log"));
    constexpr int kEach = 1000;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = ::fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            const QString body = QString(200, QChar(u'a' + c));
            for (int i = 0; i < kEach; ++i)
                if (diary::appendLines(path,
                                       {QStringLiteral("%1 %2 %3").arg(c).arg(i).arg(body)}) !=
                    diary::AppendResult::Appended)
                    ::_exit(1);
            ::_exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const QStringList lines = env.diaryLines(path);
    ASSERT_EQ(lines.size(), 2 * kEach);
    int next[2] = {0, 0};
    for (const QString &line : lines) {
        const QStringList parts = line.split(u' ');
        ASSERT_EQ(parts.size(), 3) << line.toStdString();
        const int c = parts[0].toInt();
        ASSERT_TRUE(c == 0 || c == 1);
        EXPECT_EQ(parts[1].toInt(), next[c]++); // each writer's lines stay in order
        EXPECT_EQ(parts[2], QString(200, QChar(u'a' + c)));
    }
}

TEST(DiaryWriter, UpgradeLineFollowsOnlyTheFirstRecordAfterAVersionChange) {
    TestEnv env;
    const QString path = env.makeDiary("ann");
    DiaryWriter writer(env.store(), "PLM0D1S0K5", "1.0.0");
    const QDateTime at = env.clock().now();
    ASSERT_EQ(writer.append("ann", diary::eventRecord("first", at), at),
              diary::AppendResult::Appended);
    ASSERT_EQ(writer.append("ann", diary::eventRecord("second", at), at),
              diary::AppendResult::Appended);
    writer.setHostVersionTag("PLM1D1S0K5");
    ASSERT_EQ(writer.append("ann", diary::eventRecord("third", at), at),
              diary::AppendResult::Appended);

    const QStringList lines = env.diaryLines(path);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].startsWith("[Event] first"));
    EXPECT_TRUE(lines[1].startsWith("[Vidorev][Memo]<UpGrade> Loging for User ann"));
    EXPECT_TRUE(lines[2].startsWith("[Event] second"));
    EXPECT_TRUE(lines[3].startsWith("[Event] third"));
    EXPECT_TRUE(lines[4].startsWith("[Vidorev][Memo]<UpGrade>"));
    EXPECT_EQ(env.store().get(vidorev::keys::kAppDiary, "ann", vidorev::keys::kCompat),
              "PLM1D1S0K5");
}

TEST(DiaryWriter, AMissingDiaryWritesNothingAndLeavesCompatAlone) {
    TestEnv env;
    DiaryWriter writer(env.store(), "PLM0D1S0K5", "1.0.0");
    const QDateTime at = env.clock().now();
    EXPECT_EQ(writer.append("bob", diary::eventRecord("x", at), at), diary::AppendResult::Missing);
    EXPECT_EQ(env.store().get(vidorev::keys::kAppDiary, "bob", vidorev::keys::kCompat, "unset"),
              "unset");
}

} // namespace
