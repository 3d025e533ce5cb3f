#include "widgets/background_run.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QThread>

namespace vidorev::widgets {

namespace {
constexpr qint64 kReportEveryMs = 40;
}

BackgroundRun::BackgroundRun(QObject *parent)
    : QObject(parent) {}

BackgroundRun::~BackgroundRun() {
    if (m_thread != nullptr) {
        m_thread->wait();
        delete m_thread;
    }
}

bool BackgroundRun::start(Work work) {
    if (m_thread != nullptr)
        return false;
    m_lastReport = -kReportEveryMs; // the first report goes through at once
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    m_thread = QThread::create([this, work = std::move(work), clock] {
        const Progress report = [this, clock](qint64 done, qint64 total) {
            const qint64 now = clock->elapsed();
            if (now - m_lastReport < kReportEveryMs)
                return;
            m_lastReport = now;
            QMetaObject::invokeMethod(
                this, [this, done, total] { emit progress(done, total); }, Qt::QueuedConnection);
        };
        const QString error = work(report);
        QMetaObject::invokeMethod(
            this, [this, error] { deliver(error); }, Qt::QueuedConnection);
    });
    m_thread->start();
    return true;
}

void BackgroundRun::deliver(const QString &error) {
    if (m_thread == nullptr)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    emit finished(error);
}

void BackgroundRun::wait() {
    while (m_thread != nullptr) {
        m_thread->wait();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

} // namespace vidorev::widgets
