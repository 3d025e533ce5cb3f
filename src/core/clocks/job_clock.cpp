#include "clocks/job_clock.h"

#include "platform/settings_keys.h"
#include "platform/settings_store.h"

namespace vidorev {

JobClock::JobClock(SettingsStore &store, RunningJobs &jobs)
    : m_store(store)
    , m_jobs(jobs) {}

void JobClock::setWhich(const QString &id) {
    m_which = id;
    const ClockSection s = m_jobs.load(section());
    m_view.name = s.taskName;
    m_view.code = s.job;
    m_view.status = s.status;
    m_view.minutes = s.soFar;
    m_view.runningSince = s.status == ClockStatus::Run ? s.startTime : QDateTime();
    m_view.startEnabled = s.status == ClockStatus::Stop;
    m_view.boxesLocked = !m_view.startEnabled;
    m_view.stopEnabled = s.status == ClockStatus::Run;
}

int JobClock::minutesNow() const {
    ClockSection s;
    s.status = m_view.status;
    s.soFar = m_view.minutes;
    s.startTime = m_view.runningSince;
    return s.minutesAt(m_jobs.now());
}

bool JobClock::setName(const QString &name) {
    if (!edit(keys::kTaskName, name))
        return false;
    m_view.name = name;
    return true;
}

bool JobClock::setCode(const QString &code) {
    if (!edit(keys::kJob, code))
        return false;
    m_view.code = code;
    return true;
}

bool JobClock::edit(const QString &key, const QString &value) {
    m_saveError.clear();
    // Read the store, not the view: another panel may have started this clock meanwhile.
    if (m_which.isEmpty() || m_jobs.load(section()).status != ClockStatus::Stop)
        return false;
    SettingsStore::Batch batch(m_store);
    m_store.save(keys::kAppDiary, section(), key, value);
    m_store.save(keys::kAppDiary, section(), keys::kSoFar, QStringLiteral("0"));
    if (!batch.commit()) {
        m_saveError = m_store.lastError();
        return false;
    }
    m_view.minutes = 0;
    return true;
}

Posting JobClock::start() {
    m_posting = m_jobs.start(m_user, section(), m_view.code, m_view.name);
    reload();
    return m_posting;
}

Posting JobClock::stop() {
    m_posting = m_jobs.stop(m_user, section());
    reload();
    return m_posting;
}

} // namespace vidorev
