// Every file the reports and the merge write, against a full disk, links at their names, their
// own Diary as the output, and a private Diary.
#include "diary_log/data_miner.h"
#include "diary_log/job_reports.h"
#include "diary_log/log_merge.h"
#include "test_env.h"
#include "todo/list_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace vidorev::diary;
using vidorev::test::FullDisk;
using vidorev::test::referenceTime;

namespace {

const QByteArray kDiary = "[722][Start]<Fix printer> @ 3:00:00 PM 12-04-2026\r\n"
                          "[722][Stop ]{90}<Fix printer> @ 4:30:00 PM after 90 minutes\r\n"
                          "[722] {$12.50$} [Memo ]<toner> @ 4:31:00 PM 12-04-2026\r\n";

class WritePaths : public ::testing::Test {
protected:
    QString put(const QString &name, const QByteArray &bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return f.fileName();
    }
    static QByteArray read(const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static mode_t modeOf(const QString &path) {
        struct stat st {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 0777 : 0;
    }
    static void symlinkTo(const QString &target, const QString &link) {
        ASSERT_EQ(
            ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()),
            0);
    }
    QStringList names() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    QString diary = put(QStringLiteral("ann-diary.log"), kDiary);
};

using Report = std::function<ReportResult(const QString &diary)>;

struct NamedReport {
    const char *output; // the file the report writes, in the Diary's folder
    Report run;
};

const NamedReport kReports[] = {
    {"annjobs.txt", [](const QString &d) { return writeJobCodeList(d, "ann", referenceTime()); }},
    {"722.txt", [](const QString &d) { return writeWorkOrder(d, "722", "Acme", referenceTime()); }},
    {"ann722.txt", [](const QString &d) { return writeJobExtract(d, QString(), "ann", "722"); }},
    {"ann.tab",
     [](const QString &d) {
         DataMiner miner;
         ReportResult r = miner.open("ann", d);
         if (r.ok)
             r = miner.runRest({});
         return r.ok ? miner.finish() : r;
     }},
};

} // namespace

TEST_F(WritePaths, AFullDiskFailsWithTheSystemsReasonAndLeavesEveryFileAsItWas) {
    // Old outputs of every report, and an old merge, each under the room the disk has left.
    for (const NamedReport &report : kReports)
        put(report.output, "old\r\n");
    const QString merged = put("merged.log", "old merge\r\n");
    const QString tasks = put("list.2do", "old task\r\n");
    const QStringList before = names();
    for (const rlim_t room : {rlim_t(0), rlim_t(64)}) {
        SCOPED_TRACE(room);
        std::vector<std::pair<QString, QString>> failures; // file, error
        {
            FullDisk full(room);
            for (const NamedReport &report : kReports)
                failures.emplace_back(report.output, report.run(diary).error);
            failures.emplace_back("merged.log", LogMerge(diary, diary, merged).run(true).message);
            QString error;
            vidorev::todo::writeLinesSafely(tasks, {QString(100, u'x')}, &error);
            failures.emplace_back("list.2do", error);
        }
        for (const auto &[file, error] : failures) {
            EXPECT_TRUE(error.contains("File too large"))
                << file.toStdString() << ": " << error.toStdString();
            EXPECT_EQ(read(dir.filePath(file)), file == "merged.log" ? "old merge\r\n"
                                                : file == "list.2do" ? "old task\r\n"
                                                                     : "old\r\n")
                << file.toStdString();
        }
        EXPECT_EQ(read(diary), kDiary);
        EXPECT_EQ(names(), before); // no temporary file left behind
    }
    // A work order that fails on a file that did not exist leaves no file at all.
    QFile::remove(dir.filePath("722.txt"));
    {
        FullDisk full(16);
        EXPECT_FALSE(kReports[1].run(diary).ok);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("722.txt")));
}

TEST_F(WritePaths, NoReportWritesOverItsDiaryOrThroughALink) {
    QDir(elsewhere.path()).mkdir("other");
    const QString keep = elsewhere.filePath("other/keep.txt");
    QFile k(keep);
    ASSERT_TRUE(k.open(QIODevice::WriteOnly));
    k.write("keep\n");
    k.close();
    for (const NamedReport &report : kReports) {
        SCOPED_TRACE(report.output);
        const QString out = dir.filePath(report.output);
        // The Diary under the report's own name, and links to it under that name.
        for (int how = 0; how < 3; ++how) {
            const QString target = how == 0 ? out : diary;
            if (how == 0)
                put(report.output, kDiary);
            else if (how == 1)
                symlinkTo(diary, out);
            else
                ASSERT_EQ(::link(QFile::encodeName(diary).constData(),
                                 QFile::encodeName(out).constData()),
                          0);
            const ReportResult r = report.run(target);
            EXPECT_FALSE(r.ok) << how;
            EXPECT_TRUE(r.error.contains("this reads")) << r.error.toStdString();
            EXPECT_EQ(read(target), kDiary) << how;
            QFile::remove(out);
        }
        // A link that leads out of the folder, to a file or to nothing, is never followed.
        for (const QString &target : {keep, elsewhere.filePath("other/wo.txt")}) {
            symlinkTo(target, out);
            const ReportResult r = report.run(diary);
            EXPECT_FALSE(r.ok);
            EXPECT_TRUE(r.error.contains("symbolic link")) << r.error.toStdString();
            EXPECT_TRUE(QFileInfo(out).isSymLink());
            QFile::remove(out);
        }
        EXPECT_EQ(read(keep), "keep\n");
        EXPECT_FALSE(QFile::exists(elsewhere.filePath("other/wo.txt")));
    }

    // The merge: never through a link, with --force or without.
    const QString victim = elsewhere.filePath("victim.txt");
    symlinkTo(victim, dir.filePath("out.log"));
    for (const bool force : {false, true})
        EXPECT_EQ(LogMerge(diary, diary, dir.filePath("out.log")).run(force).status,
                  MergeResult::Status::OutputRefused);
    EXPECT_FALSE(QFile::exists(victim));
    // Task files: a link at the name is left alone too.
    symlinkTo(keep, dir.filePath("list.2do"));
    QString error;
    EXPECT_FALSE(vidorev::todo::writeLinesSafely(dir.filePath("list.2do"), {"task"}, &error));
    EXPECT_EQ(read(keep), "keep\n");
}

TEST_F(WritePaths, OutputsAreNoMoreReadableThanTheirDiary) {
    const mode_t oldMask = ::umask(022);
    for (const mode_t diaryMode : {mode_t(0600), mode_t(0640)}) {
        SCOPED_TRACE(diaryMode);
        ASSERT_EQ(::chmod(QFile::encodeName(diary).constData(), diaryMode), 0);
        for (const NamedReport &report : kReports) {
            QFile::remove(dir.filePath(report.output));
            ASSERT_TRUE(report.run(diary).ok) << report.output;
            EXPECT_EQ(modeOf(dir.filePath(report.output)), diaryMode) << report.output;
        }
        const QString merged = dir.filePath("merged.log");
        QFile::remove(merged);
        ASSERT_TRUE(LogMerge(diary, diary, merged).run(true).ok());
        EXPECT_EQ(modeOf(merged), diaryMode);
    }
    ::umask(oldMask);

    // An extract's folder is made when missing, for its owner only.
    const QString bills = elsewhere.filePath("bills/2026");
    const ReportResult r = writeJobExtract(diary, bills, "ann", "722");
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(modeOf(bills), 0700u);
    EXPECT_EQ(r.output, bills + "/ann722.txt");

    // A name at the system's limit is replaced as often as it is written.
    const QString code = QString(251, u'7');
    for (int run = 0; run < 2; ++run) {
        const ReportResult w = writeJobExtract(diary, QString(), "ann", code);
        EXPECT_TRUE(w.ok) << w.error.toStdString();
    }
}
