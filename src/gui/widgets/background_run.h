#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>

class QThread;

// Runs one long piece of work (a report, a merge over a large Diary) on a thread of its own, so
// the window keeps answering while it runs. One run at a time: a second start while one runs is
// refused. Progress and the end are delivered on the window's thread.
namespace vidorev::widgets {

class BackgroundRun : public QObject {
    Q_OBJECT
public:
    // Called from the work's thread, as often as it likes; reports reach the window at most
    // every few tens of milliseconds.
    using Progress = std::function<void(qint64 done, qint64 total)>;
    // Returns an error text, empty when the work succeeded.
    using Work = std::function<QString(const Progress &progress)>;

    explicit BackgroundRun(QObject *parent = nullptr);
    ~BackgroundRun() override; // waits for a running work to end

    bool start(Work work);
    bool isRunning() const { return m_thread != nullptr; }
    // Blocks until the running work has ended and its finished() was delivered (tests, closing).
    void wait();

signals:
    void progress(qint64 done, qint64 total);
    void finished(const QString &error);

private:
    void deliver(const QString &error);

    QThread *m_thread = nullptr;
    std::atomic<qint64> m_lastReport{0};
};

} // namespace vidorev::widgets
