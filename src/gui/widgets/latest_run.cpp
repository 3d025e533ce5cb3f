#include "widgets/latest_run.h"

#include <QMetaObject>

#include <mutex>
#include <thread>

namespace vidorev::widgets {

// Where a run's thread hands its results; it outlives the LatestRun, which leaves it when it
// goes, so a thread that ends late hands its results to no one.
struct LatestRun::Mailbox {
    std::mutex mutex;
    LatestRun *owner = nullptr;
};

struct LatestRun::Handle::Run {
    enum State { Running, Stopped, Ending };
    std::atomic<int> state{Running};
    std::shared_ptr<Mailbox> mailbox;

    // Queues f for the window's thread; it runs there while this is still the owner's run.
    // last: the run ends there, result or not.
    void deliver(const std::shared_ptr<Run> &self, Done f, bool last) {
        std::lock_guard lock(mailbox->mutex);
        LatestRun *owner = mailbox->owner;
        if (owner == nullptr || state.load() == Stopped)
            return;
        QMetaObject::invokeMethod(
            owner,
            [owner, self, f = std::move(f), last] {
                if (owner->m_current != self)
                    return;
                if (last)
                    owner->m_current.reset();
                if (f)
                    f();
            },
            Qt::QueuedConnection);
    }
};

bool LatestRun::Handle::stopped() const {
    return m_run->state.load() == Run::Stopped;
}

void LatestRun::Handle::post(Done f) const {
    m_run->deliver(m_run, std::move(f), false);
}

bool LatestRun::Handle::claimEnd() const {
    int expected = Run::Running;
    return m_run->state.compare_exchange_strong(expected, Run::Ending) || expected == Run::Ending;
}

LatestRun::LatestRun(QObject *parent)
    : QObject(parent)
    , m_mailbox(std::make_shared<Mailbox>()) {
    m_mailbox->owner = this;
}

LatestRun::~LatestRun() {
    stop();
    std::lock_guard lock(m_mailbox->mutex);
    m_mailbox->owner = nullptr;
}

void LatestRun::start(Work work) {
    stop();
    auto run = std::make_shared<Handle::Run>();
    run->mailbox = m_mailbox;
    m_current = run;
    std::thread([run, work = std::move(work)] {
        Handle handle;
        handle.m_run = run;
        Done done = work(handle);
        run->deliver(run, std::move(done), true);
    }).detach();
}

bool LatestRun::stop() {
    if (!m_current)
        return true;
    int expected = Handle::Run::Running;
    if (!m_current->state.compare_exchange_strong(expected, Handle::Run::Stopped) &&
        expected == Handle::Run::Ending)
        return false;
    m_current.reset();
    return true;
}

} // namespace vidorev::widgets
