#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

// Work on a thread of its own that the window never waits for, not even when it closes: for
// reads that may block for good (a device posing as a file, a hung network share). A newer
// start supersedes the run before it, whose results are dropped; a stop drops them too. A run
// left blocked is left behind, never joined.
namespace vidorev::widgets {

class LatestRun : public QObject {
    Q_OBJECT
public:
    // Runs on the window's thread, and only while its run is the latest one.
    using Done = std::function<void()>;

    // What the work sees of its run, from its own thread.
    class Handle {
    public:
        // A newer start or a stop came: the work should drop what it has and end.
        bool stopped() const;
        // Hands f to the window's thread (progress, say).
        void post(Done f) const;
        // Claims the end of the run, for a last step that must not be half done (putting a
        // file in place): false when a stop came first; after true, stop() no longer can.
        bool claimEnd() const;

    private:
        friend class LatestRun;
        struct Run;
        std::shared_ptr<Run> m_run;
    };
    // Returns what to do on the window's thread with the result (may be empty).
    using Work = std::function<Done(const Handle &run)>;

    explicit LatestRun(QObject *parent = nullptr);
    ~LatestRun() override; // drops whatever runs, without waiting for it

    void start(Work work);
    // Drops the running work's results. False when the work already claimed its end: its
    // result still comes.
    bool stop();
    // From start until the result was handed over or the run was stopped.
    bool isRunning() const { return m_current != nullptr; }

private:
    struct Mailbox;
    std::shared_ptr<Mailbox> m_mailbox;
    std::shared_ptr<Handle::Run> m_current;
};

} // namespace vidorev::widgets
