#include "clocks/tray_clocks.h"

#include "clocks/job_clock.h"
#include "clocks/job_tracker.h"
#include "clocks/running_stack.h"
#include "platform/settings_keys.h"

namespace vidorev::tray_clocks {

namespace {

// A menu line stays readable however long the job's name is.
constexpr qsizetype kMaxJobText = 48;

// "722 Fix printer": the code, then the name, either left out when empty.
QString jobText(const ClockSection &s, const QString &unnamed = QStringLiteral("a job")) {
    QString text = (s.job.trimmed() + u' ' + s.taskName.trimmed()).trimmed();
    if (text.isEmpty())
        return unnamed;
    if (text.size() > kMaxJobText)
        text = text.left(kMaxJobText - 1) + QChar(0x2026);
    return text;
}

QString minutesText(int minutes) {
    return QStringLiteral("%1 min").arg(minutes);
}

Entry entryFor(const ClockSection &s, int jobClock, const QDateTime &now) {
    Entry e;
    e.section = s.section;
    e.jobClock = jobClock;
    const QString job = jobText(s, jobClock > 0 ? QStringLiteral("Clock %1").arg(jobClock)
                                                : QStringLiteral("a task"));
    const QString minutes = minutesText(s.minutesAt(now));
    switch (s.status) {
    case ClockStatus::Stop:
        e.action = Action::Start;
        e.label = QStringLiteral("Start ") + job;
        break;
    case ClockStatus::Run:
        e.action = Action::Stop;
        e.label = QStringLiteral("Stop %1 (%2)").arg(job, minutes);
        break;
    case ClockStatus::Halt:
        e.label = QStringLiteral("%1 (paused, %2)").arg(job, minutes);
        break;
    }
    return e;
}

int jobClockOf(const QString &user, const QString &section) {
    for (int n = 1; n <= job_tracker::kClockCount; ++n)
        if (running_stack::sameSection(section, keys::jobClockSection(user, n)))
            return n;
    return 0;
}

} // namespace

std::vector<Entry> entries(const RunningJobs &jobs, const QString &user) {
    std::vector<Entry> list;
    if (user.isEmpty())
        return list;
    const QDateTime now = jobs.now();
    if (job_tracker::acceptsUser(user)) {
        for (int n = 1; n <= job_tracker::kClockCount; ++n) {
            const ClockSection s = jobs.load(keys::jobClockSection(user, n));
            // A clock that times something is listed even with its boxes left empty.
            if (!jobText(s, {}).isEmpty() || s.status != ClockStatus::Stop)
                list.push_back(entryFor(s, n, now));
        }
    }
    // A to-do task has no Start here: its clock starts from its row. One that runs can stop.
    for (const QString &section : running_stack::entries(jobs.chain(user))) {
        const ClockSection s = jobs.load(section);
        if (jobClockOf(user, section) == 0 && s.status != ClockStatus::Stop)
            list.push_back(entryFor(s, 0, now));
    }
    return list;
}

bool running(const RunningJobs &jobs, const QString &user) {
    return !user.isEmpty() && !running_stack::top(jobs.chain(user)).isEmpty();
}

QString toolTip(const RunningJobs &jobs, const QString &user) {
    const QString title = QStringLiteral("Vidorev \u2014 ");
    if (!running(jobs, user))
        return title + QStringLiteral("no clock running");
    const ClockSection s = jobs.load(running_stack::top(jobs.chain(user)));
    return title + jobText(s) + QStringLiteral(", ") + minutesText(s.minutesAt(jobs.now()));
}

Posting act(SettingsStore &store, RunningJobs &jobs, const QString &user, const Entry &entry) {
    if (entry.action == Action::None)
        return {};
    if (entry.jobClock == 0)
        return entry.action == Action::Stop ? jobs.stop(user, entry.section) : Posting{};
    if (!job_tracker::acceptsUser(user))
        return {};
    // The job tracker's own clock, loaded afresh: it starts with the name and code it stores.
    JobClock clock(store, jobs);
    clock.setUser(user);
    clock.setWhich(job_tracker::clockId(entry.jobClock));
    return entry.action == Action::Start ? clock.start() : clock.stop();
}

} // namespace vidorev::tray_clocks
