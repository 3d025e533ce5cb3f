#include "clocks/running_jobs.h"

#include "clocks/running_stack.h"
#include "diary/diary_record.h"
#include "diary/diary_writer.h"
#include "platform/clock.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"
#include "platform/text_forms.h"

#include <algorithm>

namespace vidorev {

namespace {
const QString kStop = QStringLiteral("Stop");
const QString kRun = QStringLiteral("Run");
const QString kHalt = QStringLiteral("Halt");
} // namespace

ClockStatus parseClockStatus(const QString &text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(kRun, Qt::CaseInsensitive) == 0)
        return ClockStatus::Run;
    if (trimmed.compare(kHalt, Qt::CaseInsensitive) == 0)
        return ClockStatus::Halt;
    return ClockStatus::Stop;
}

QString clockStatusText(ClockStatus status) {
    switch (status) {
    case ClockStatus::Run:
        return kRun;
    case ClockStatus::Halt:
        return kHalt;
    case ClockStatus::Stop:
        break;
    }
    return kStop;
}

int ClockSection::minutesAt(const QDateTime &now) const {
    if (status != ClockStatus::Run)
        return soFar;
    return running_stack::addMinutes(soFar, running_stack::minutesBetween(startTime, now));
}

QDateTime RunningJobs::now() const {
    return m_clock.now();
}

RunningJobs::RunningJobs(SettingsStore &store, const Clock &clock, QLocale locale)
    : m_store(store)
    , m_clock(clock)
    , m_locale(std::move(locale)) {}

QString RunningJobs::chain(const QString &user) const {
    return m_store.get(keys::kAppDiary, user, keys::kStack, QString());
}

ClockSection RunningJobs::loadSection(const SettingsStore &store, const QString &section) {
    ClockSection s;
    s.section = section;
    s.status = parseClockStatus(store.get(keys::kAppDiary, section, keys::kStatus, kStop));
    s.startTime = text::parseStoredDateTime(
        store.get(keys::kAppDiary, section, keys::kStartTime, QStringLiteral("0")));
    s.soFar = store.getInt(keys::kAppDiary, section, keys::kSoFar, 0);
    s.byRun = store.getInt(keys::kAppDiary, section, keys::kByRun, 0);
    s.job = store.get(keys::kAppDiary, section, keys::kJob, QString());
    s.taskName = store.get(keys::kAppDiary, section, keys::kTaskName, QString());
    return s;
}

Posting RunningJobs::start(const QString &user, const QString &section, const QString &jobCode,
                           const QString &taskName) {
    if (!running_stack::fitsInChain(user) || !running_stack::fitsInChain(section)) {
        Posting refused;
        refused.result = PostResult::NameRefused;
        return refused;
    }
    // The lock is taken before the reads, so another process cannot move the Stack between
    // what this Start reads and what it writes.
    SettingsStore::Batch batch(m_store);
    const ClockSection self = load(section);
    if (self.status != ClockStatus::Stop)
        return {};

    const QDateTime now = m_clock.now();
    const QString before = chain(user);
    std::vector<Write> writes;
    const QString running = running_stack::top(before);
    if (!running.isEmpty() && !running_stack::sameSection(running, section)) {
        const ClockSection r = load(running);
        // Only a clock that really runs has minutes to bank; a halted one banked them already.
        if (r.status == ClockStatus::Run) {
            const int m = running_stack::minutesBetween(r.startTime, now);
            writes.push_back(
                {running, keys::kSoFar, QString::number(running_stack::addMinutes(r.soFar, m))});
            writes.push_back(
                {running, keys::kByRun, QString::number(running_stack::addMinutes(r.byRun, m))});
        }
        writes.push_back({running, keys::kStatus, kHalt});
    }
    writes.push_back({user, keys::kStack, running_stack::pushed(before, section)});
    writes.push_back({section, keys::kStartTime, text::storedDateTime(now)});
    writes.push_back({section, keys::kStatus, kRun});
    writes.push_back({section, keys::kByRun, QStringLiteral("0")});
    writes.push_back({section, keys::kJob, jobCode});
    writes.push_back({section, keys::kTaskName, taskName});

    Posting posting;
    posting.record = diary::startRecord(jobCode, taskName, now, m_locale);
    posting.totalMinutes = self.soFar;
    return commit(batch, user, std::move(posting), writes);
}

Posting RunningJobs::stopAt(const QString &user, const QString &section, const QDateTime &end,
                            const QString &remark, const std::vector<Write> &also) {
    SettingsStore::Batch batch(m_store);
    const ClockSection self = load(section);
    if (self.status != ClockStatus::Run)
        return {};

    const QDateTime now = m_clock.now();
    const QString before = chain(user);
    std::vector<Write> writes;
    QString after;
    if (running_stack::sameSection(running_stack::top(before), section)) {
        after = running_stack::popped(before);
        const QString resumed = running_stack::top(after);
        if (!resumed.isEmpty()) {
            writes.push_back({resumed, keys::kStartTime, text::storedDateTime(now)});
            writes.push_back({resumed, keys::kStatus, kRun});
        }
    } else {
        // A chain edited by hand with this clock below the top: take this clock out and leave
        // the running one alone rather than drop another job's entry.
        after = running_stack::without(before, section);
    }
    const int m = running_stack::minutesBetween(self.startTime, std::min(end, now));
    Posting posting;
    posting.totalMinutes = running_stack::addMinutes(self.soFar, m);
    posting.runMinutes = running_stack::addMinutes(self.byRun, m);
    posting.record = diary::stopRecord(self.job, self.taskName, posting.runMinutes,
                                       posting.totalMinutes, now, m_locale) +
                     remark;
    writes.push_back({user, keys::kStack, after});
    writes.push_back({section, keys::kStatus, kStop});
    writes.push_back({section, keys::kSoFar, QString::number(posting.totalMinutes)});
    writes.insert(writes.end(), also.begin(), also.end());
    return commit(batch, user, std::move(posting), writes);
}

Posting RunningJobs::post(const QString &user, const QString &record,
                          const std::vector<Write> &writes) {
    SettingsStore::Batch batch(m_store);
    Posting posting;
    posting.record = record;
    return commit(batch, user, std::move(posting), writes);
}

Posting RunningJobs::commit(SettingsStore::Batch &batch, const QString &user, Posting posting,
                            const std::vector<Write> &writes) {
    // The Diary line goes first: when it cannot be written, nothing in the store has moved.
    switch (DiaryWriter::appendPlain(m_store, user, posting.record, &posting.error)) {
    case diary::AppendResult::Missing:
        posting.result = PostResult::DiaryMissing;
        return posting;
    case diary::AppendResult::Failed:
        posting.result = PostResult::DiaryFailed;
        return posting;
    case diary::AppendResult::Appended:
        break;
    }
    for (const Write &w : writes)
        m_store.save(keys::kAppDiary, w.section, w.key, w.value);
    // All of the action's writes are kept, or none: a failed one rolls the batch back.
    if (batch.commit()) {
        posting.result = PostResult::Posted;
    } else {
        posting.result = PostResult::StoreFailed;
        posting.error = m_store.lastError();
    }
    return posting;
}

} // namespace vidorev
