#include "diary/diary_file.h"
#include "diary/diary_record.h"
#include "diary/diary_writer.h"
#include "test_env.h"

#include <sys/wait.h>
#include <unistd.h>

namespace vidorev::test {
namespace {

using diary::AppendResult;

TEST(DiaryFile, WritersNeedAnExistingFileAndTheWindowANameLongerThanFive) {
    TestEnv env;
    const QString shortName = writeFile(env.filePath("a.txt"), {});
    EXPECT_TRUE(diary::writerCanAppend(shortName));
    EXPECT_FALSE(diary::diaryAvailable(shortName)); // a.txt counts as missing at the menu
    EXPECT_TRUE(diary::diaryAvailable(writeFile(env.filePath("diary.txt"), {})));
    for (const QString &bad : {QString(" "), QString(), env.filePath("nothere.log"), env.dir()}) {
        EXPECT_FALSE(diary::writerCanAppend(bad)) << bad.toStdString();
        EXPECT_FALSE(diary::diaryAvailable(bad)) << bad.toStdString();
    }
}

// An append never makes a Diary, ends its lines with CR LF, first ends a last line left open
// (an editor, a cut copy), and fails whole when the disk refuses it.
TEST(DiaryFile, AppendsWholeLinesToAnExistingDiaryOrNothing) {
    TestEnv env;
    const QString missing = env.filePath("missing.log");
    EXPECT_EQ(diary::appendLines(missing, {"x"}), AppendResult::Missing);
    EXPECT_FALSE(QFile::exists(missing));
    const QString path = writeFile(env.filePath("diary.log"), "edited @ 4:00:00 PM 12-04-2026");
    EXPECT_EQ(diary::appendLines(path, {"one", "two"}), AppendResult::Appended);
    EXPECT_EQ(diary::appendLines(path, {"three"}), AppendResult::Appended);
    const QByteArray written = "edited @ 4:00:00 PM 12-04-2026\r\none\r\ntwo\r\nthree\r\n";
    EXPECT_EQ(fileBytes(path), written);
    AppendResult result;
    QString error;
    {
        FullDisk full(written.size() + 4);
        result = diary::appendLines(path, {"a line too long for the limit"}, &error);
    }
    EXPECT_EQ(result, AppendResult::Failed);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(fileBytes(path), written); // no torn line left in the Diary
}

TEST(DiaryFile, TwoProcessesAppendingAtOnceLeaveWholeLines) {
    TestEnv env;
    const QString path = writeFile(env.filePath("shared.log"), {});
    constexpr int kEach = 1000;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = ::fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            const QString body = QString(200, QChar(u'a' + c));
            int i = 0;
            while (i < kEach &&
                   diary::appendLines(path, {QString("%1 %2 %3").arg(c).arg(i).arg(body)}) ==
                       AppendResult::Appended)
                ++i;
            ::_exit(i == kEach ? 0 : 1);
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
        const int c = line.section(' ', 0, 0).toInt() == 1; // each writer's lines whole, in order
        ASSERT_EQ(line,
                  QString("%1 %2 %3").arg(c).arg(next[c]++).arg(QString(200, QChar(u'a' + c))));
    }
}

// The upgrade line follows only the first record after a version change; a missing Diary gets
// nothing, and the version it would have noted stays unnoted.
TEST(DiaryWriter, UpgradeLineFollowsOnlyTheFirstRecordAfterAVersionChange) {
    TestEnv env;
    const QString path = env.makeDiary("ann");
    DiaryWriter writer(env.store(), "PLM0D1S0K5", "1.0.0");
    const QDateTime at = env.clock().now();
    const auto append = [&](const char *text, const char *user = "ann") {
        return writer.append(user, diary::eventRecord(text, at), at);
    };
    ASSERT_EQ(append("first"), AppendResult::Appended);
    append("second");
    writer.setHostVersionTag("PLM1D1S0K5");
    append("third");
    EXPECT_EQ(append("x", "bob"), AppendResult::Missing);
    EXPECT_EQ(env.get("bob", keys::kCompat, "unset"), "unset");
    QStringList heads;
    for (const QString &line : env.diaryLines(path))
        heads << line.left(14);
    EXPECT_EQ(heads, QStringList({"[Event] first ", "[Vidorev][Memo", "[Event] second",
                                  "[Event] third ", "[Vidorev][Memo"}));
    EXPECT_EQ(env.get("ann", keys::kCompat), "PLM1D1S0K5");
}

} // namespace
} // namespace vidorev::test
