#include "clocks/absence_book.h"

#include "clocks/running_stack.h"
#include "diary/diary_record.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"
#include "platform/text_forms.h"

#include <algorithm>

namespace vidorev {

namespace {
const QString kAwayTag = QStringLiteral("Away");

QString hoursMinutes(const QDateTime &at) {
    return at.time().toString(QStringLiteral("HH:mm"));
}
} // namespace

AbsenceBook::AbsenceBook(SettingsStore &store, RunningJobs &jobs)
    : m_store(store)
    , m_jobs(jobs) {}

int AbsenceBook::thresholdMinutes(const QString &user) const {
    return std::max(
        0, m_store.getInt(keys::kAppDiary, user, keys::kAwayMinutes, keys::kDefaultAwayMinutes));
}

bool AbsenceBook::setThresholdMinutes(const QString &user, int minutes) {
    return m_store.save(keys::kAppDiary, user, keys::kAwayMinutes,
                        QString::number(std::max(0, minutes)));
}

QString AbsenceBook::span(const Absence &absence) {
    return QStringLiteral("away from %1 to %2")
        .arg(hoursMinutes(absence.from), hoursMinutes(absence.to));
}

std::optional<PendingAbsence> AbsenceBook::pending(const QString &user) const {
    PendingAbsence p;
    p.section = m_store.get(keys::kAppDiary, user, keys::kAwayClock);
    p.span.from = text::parseStoredDateTime(m_store.get(keys::kAppDiary, user, keys::kAwayFrom));
    p.span.to = text::parseStoredDateTime(m_store.get(keys::kAppDiary, user, keys::kAwayTo));
    if (p.section.isEmpty() || !p.span.isValid())
        return std::nullopt;
    const ClockSection clock = m_jobs.load(p.section);
    p.job = clock.job;
    p.taskName = clock.taskName;
    p.changeable = clock.status == ClockStatus::Run &&
                   running_stack::sameSection(running_stack::top(m_jobs.chain(user)), p.section) &&
                   clock.startTime.isValid() && clock.startTime <= p.span.from;
    return p;
}

bool AbsenceBook::note(const QString &user, const Absence &absence) {
    const int threshold = thresholdMinutes(user);
    if (threshold == 0 || user.isEmpty() || !absence.isValid())
        return false;
    SettingsStore::Batch batch(m_store);
    const QString running = running_stack::top(m_jobs.chain(user));
    const ClockSection clock = m_jobs.load(running);
    if (running.isEmpty() || clock.status != ClockStatus::Run || !clock.startTime.isValid())
        return false;
    // Only the part of the absence the clock ran through is its.
    Absence span{std::max(absence.from, clock.startTime), absence.to};
    if (const std::optional<PendingAbsence> waiting = pending(user)) {
        if (!running_stack::sameSection(waiting->section, running))
            return false; // the first one is asked about; this one concerns another clock
        span = {std::min(span.from, waiting->span.from), std::max(span.to, waiting->span.to)};
        if (span.from == waiting->span.from && span.to == waiting->span.to)
            return true;
    } else if (!span.isValid() || span.minutes() < threshold) {
        return false;
    }
    m_store.save(keys::kAppDiary, user, keys::kAwayClock, running);
    m_store.save(keys::kAppDiary, user, keys::kAwayFrom, text::storedDateTime(span.from));
    m_store.save(keys::kAppDiary, user, keys::kAwayTo, text::storedDateTime(span.to));
    return batch.commit();
}

std::vector<RunningJobs::Write> AbsenceBook::cleared(const QString &user) const {
    return {{user, keys::kAwayClock, QString()},
            {user, keys::kAwayFrom, QString()},
            {user, keys::kAwayTo, QString()}};
}

Posting AbsenceBook::answer(const QString &user, AwayChoice choice) {
    // The lock is taken before the reads, as for a Start or Stop.
    SettingsStore::Batch batch(m_store);
    const std::optional<PendingAbsence> p = pending(user);
    if (!p || (choice != AwayChoice::Keep && !p->changeable))
        return {};
    Posting posting;
    switch (choice) {
    case AwayChoice::Keep: {
        for (const RunningJobs::Write &w : cleared(user))
            m_store.save(keys::kAppDiary, w.section, w.key, w.value);
        posting.result = PostResult::Posted;
        break;
    }
    case AwayChoice::StopAtStart:
        posting = m_jobs.stopAt(user, p->section, p->span.from,
                                QStringLiteral(", ") + span(p->span), cleared(user));
        break;
    case AwayChoice::LeaveOut: {
        // The run's start moves on by the absence's whole minutes, so every later count of the
        // run, its Stop's included, is short by exactly those minutes.
        const ClockSection clock = m_jobs.load(p->section);
        const int minutes = p->span.minutes();
        std::vector<RunningJobs::Write> writes = cleared(user);
        writes.push_back({p->section, keys::kStartTime,
                          text::storedDateTime(clock.startTime.addSecs(qint64(minutes) * 60))});
        const QString text = QStringLiteral("<%1> %2: %3 minutes not counted on %4")
                                 .arg(kAwayTag, span(p->span))
                                 .arg(minutes)
                                 .arg(p->taskName);
        posting = m_jobs.post(user, diary::noteRecord(p->job, text, m_jobs.now()), writes);
        break;
    }
    }
    if (posting.result == PostResult::Posted && !batch.commit()) {
        posting.result = PostResult::StoreFailed;
        posting.error = m_store.lastError();
    }
    return posting;
}

} // namespace vidorev
