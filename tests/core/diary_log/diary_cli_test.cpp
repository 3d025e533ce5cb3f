#include "diary/diary_record.h"
#include "diary_log/diary_cli.h"
#include "platform/settings_keys.h"
#include "test_env.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

#include <gtest/gtest.h>

using namespace vidorev;

namespace {

class DiaryCommand : public ::testing::Test {
protected:
    DiaryCommand() {
        m_diary = env.makeDiary("ann");
        const QDateTime t(QDate(2026, 12, 4), QTime(9, 0));
        QFile f(m_diary);
        EXPECT_TRUE(f.open(QIODevice::Append));
        for (const QString &line :
             {diary::startRecord("722", "Fix", t), diary::stopRecord("722", "Fix", 90, 90, t),
              diary::memoRecord("a,\"b\"", "2.5", "t", "", t),
              diary::memoRecord("", "1", "t", "", t)})
            f.write(line.toUtf8() + "\r\n");
    }
    int run(const QStringList &args) {
        out.clear();
        err.clear();
        QTextStream o(&out);
        QTextStream e(&err);
        return runDiaryCommand(args, env.store(), o, e);
    }

    test::TestEnv env;
    QString m_diary;
    QString out;
    QString err;
};

TEST_F(DiaryCommand, UsageErrorsAndFailures) {
    const struct {
        QStringList args;
        int code;
        const char *said;
    } cases[] = {
        {{}, 2, "usage:"},
        {{"jobz"}, 2, "unknown diary command jobz"},
        {{"workorder", "--user", "ann"}, 2, "a job code of at least two characters"},
        {{"extract", "--user", "ann", "7"}, 2, "a job code of at least two characters"},
        {{"merge", "a", "b"}, 2, "two input Diaries and an output"},
        {{"merge", "--user", "ann", "a", "b", "c"}, 2, "merge takes no --user"},
        {{"totals"}, 2, "either --user NAME or --file PATH"},
        {{"totals", "--user", "ann", "--file", "x"}, 2, "either --user"},
        {{"totals", "--user"}, 2, "--user needs a value"},
        {{"totals", "--user", "ann", "--csv", "--json"}, 2, "do not go together"},
        {{"totals", "--user", "ann", "--weekly"}, 2, "totals does not take --weekly"},
        {{"totals", "--user", "bob"}, 1, "user bob has no Diary"},
        {{"totals", "--file", "/nonexistent/d.log"}, 1, "/nonexistent/d.log"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(run(c.args), c.code);
        EXPECT_TRUE(err.contains(QLatin1String(c.said))) << err.toStdString();
        EXPECT_EQ(err.contains("usage:"), c.code == 2);
        EXPECT_TRUE(out.isEmpty());
    }
}

TEST_F(DiaryCommand, TotalsAsTextCsvAndJson) {
    ASSERT_EQ(run({"totals", "--file", m_diary, "--csv"}), 0) << err.toStdString();
    EXPECT_EQ(out, "job,minutes,hours,cash\n"
                   ",0,0,1\n"
                   "722,90,1.5,0\n"
                   "\"a,\"\"b\"\"\",0,0,2.5\n");

    ASSERT_EQ(run({"--user", "ann", "totals", "--per-day"}), 0) << err.toStdString();
    EXPECT_EQ(out.split('\n').value(0).simplified(), "job day minutes hours cash");
    EXPECT_TRUE(out.contains(QRegularExpression("\n722 +2026-12-04 +90 +1\\.5 +0\n")))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression("\n\\(none\\) +2026-12-04 +0 +0 +1\n")))
        << out.toStdString();

    ASSERT_EQ(run({"totals", "--user", "ann", "--json", "--per-day"}), 0);
    const QJsonObject root = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(root["diary"].toString(), m_diary);
    const QJsonObject job = root["jobs"].toArray()[1].toObject();
    EXPECT_EQ(job["job"].toString(), "722");
    EXPECT_EQ(job["minutes"].toInteger(), 90);
    EXPECT_EQ(job["hours"].toDouble(), 1.5);
    EXPECT_EQ(root["days"].toArray()[1].toObject()["day"].toString(), "2026-12-04");
}

} // namespace

TEST_F(DiaryCommand, ReportsAndMergeNameTheFilesTheyWrite) {
    const QString folder = QFileInfo(m_diary).absolutePath() + u'/';
    ASSERT_EQ(run({"jobs", "--user", "ann"}), 0) << err.toStdString();
    EXPECT_EQ(out, folder + "annjobs.txt\n");
    ASSERT_EQ(run({"workorder", "--user", "ann", "722"}), 0) << err.toStdString();
    EXPECT_EQ(out, folder + "722.txt\n");
    // A code that names another folder stays a file name in the chosen one.
    ASSERT_EQ(run({"extract", "--user", "ann", "../x", "--folder", env.dir()}), 0);
    EXPECT_EQ(out, env.dir() + "/ann.._x.txt\n");
    ASSERT_EQ(run({"mine", "--file", m_diary}), 0) << err.toStdString();
    EXPECT_EQ(out, folder + "diary.tab\n"); // named after the Diary without a user
    for (const char *name : {"annjobs.txt", "722.txt", "ann.._x.txt", "diary.tab"})
        EXPECT_TRUE(QFileInfo(folder + name).size() > 0) << name;

    const QString merged = env.filePath("merged.log");
    ASSERT_EQ(run({"merge", m_diary, m_diary + ".none", merged}), 1);
    ASSERT_EQ(run({"merge", m_diary, m_diary, merged}), 0) << err.toStdString();
    EXPECT_EQ(out, "8 lines written to " + merged + "\n");
    EXPECT_EQ(run({"merge", m_diary, m_diary, merged}), 1);
    EXPECT_TRUE(err.contains("--force")) << err.toStdString();
    EXPECT_EQ(run({"merge", m_diary, m_diary, merged, "--force"}), 0);
    EXPECT_EQ(run({"merge", m_diary, merged, m_diary, "--force"}), 1); // never over an input
}
