#include "widgets/background_run.h"

#include <QSignalSpy>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>

using vidorev::widgets::BackgroundRun;

TEST(BackgroundRun, RunsOneWorkAtATimeOffTheWindowThread) {
    BackgroundRun run;
    QSignalSpy finished(&run, &BackgroundRun::finished);
    QSignalSpy progress(&run, &BackgroundRun::progress);
    std::atomic_bool release{false};
    QThread *workThread = nullptr;
    ASSERT_TRUE(run.start([&](const BackgroundRun::Progress &report) {
        workThread = QThread::currentThread();
        while (!release)
            QThread::msleep(1);
        report(5, 10);
        return QStringLiteral("disk full");
    }));
    EXPECT_TRUE(run.isRunning());
    EXPECT_FALSE(run.start([](const BackgroundRun::Progress &) { return QString(); }));
    release = true;
    run.wait();
    EXPECT_FALSE(run.isRunning());
    EXPECT_NE(workThread, QThread::currentThread());
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished[0][0].toString(), QStringLiteral("disk full"));
    ASSERT_EQ(progress.size(), 1);
    EXPECT_EQ(progress[0][0].toLongLong(), 5);
    // Free again once the first has ended.
    EXPECT_TRUE(run.start([](const BackgroundRun::Progress &) { return QString(); }));
    run.wait();
    EXPECT_EQ(finished.size(), 2);
}
