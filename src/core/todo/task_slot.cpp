#include "todo/task_slot.h"

#include "calc_special/money_text.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"
#include "todo/task_chain.h"

namespace vidorev::todo {

namespace {
const QString kZero = QStringLiteral("0");

void zeroTally(SettingsStore &store, const TaskChain &chain, const QString &node) {
    store.save(keys::kAppDiary, chain.clockSection(node), keys::kSoFar, kZero);
}
} // namespace

int SlotView::minutesAt(const QDateTime &now) const {
    ClockSection s;
    s.status = status;
    s.soFar = soFarMinutes;
    s.startTime = runningSince;
    return s.minutesAt(now);
}

SlotView load(SettingsStore &store, TaskChain &chain, const QString &node) {
    SlotView view;
    view.unlinked = chain.checkUnlinked(node);
    view.prior = chain.prior(node);
    view.next = chain.next(node);
    view.text = chain.task(node);
    const ClockSection clock = RunningJobs::loadSection(store, chain.clockSection(node));
    view.status = clock.status;
    view.soFarMinutes = clock.soFar;
    view.runningSince = clock.status == ClockStatus::Run ? clock.startTime : QDateTime();
    if (view.text.isEmpty()) {
        view.soFarMinutes = 0;
        zeroTally(store, chain, node);
    }
    return view;
}

std::optional<QString> add(SettingsStore &store, TaskChain &chain, const QString &node,
                           const SlotView &view, const QString &caption, const QString &text,
                           QString *saveError) {
    if (text.isEmpty() || text == chain.task(node))
        return std::nullopt;
    SettingsStore::Batch batch(store);
    chain.setPrior(node, view.prior);
    chain.setNext(node, view.next);
    chain.setTask(node, text);
    zeroTally(store, chain, node);
    if (!batch.commit()) {
        *saveError = store.lastError();
        return std::nullopt;
    }
    return QStringLiteral("<AddTask> (") + caption + QStringLiteral(") ") + text;
}

std::optional<QString> remove(SettingsStore &store, TaskChain &chain, const QString &node,
                              Outcome outcome, const QString &caption, const QString &text,
                              QString *saveError) {
    // A free slot has nothing to finish or drop, and nothing to say about it.
    if (text.isEmpty())
        return std::nullopt;
    // A task being timed, or waiting to resume, cannot leave the list.
    const ClockStatus status = RunningJobs::loadSection(store, chain.clockSection(node)).status;
    if (status != ClockStatus::Stop)
        return std::nullopt;
    SettingsStore::Batch batch(store);
    chain.setTask(node, QString());
    zeroTally(store, chain, node);
    if (!batch.commit()) {
        *saveError = store.lastError();
        return std::nullopt;
    }
    const QString tag = outcome == Outcome::Finish ? QStringLiteral("<FinishTask> (")
                                                   : QStringLiteral("<DropTask> (");
    return tag + caption + QStringLiteral(") ") + text;
}

QString charged(int minutes) {
    const qint64 cents = money::hoursCents(minutes);
    if (cents == 0)
        return {};
    return QStringLiteral(" = ") + money::centsText(cents) + QStringLiteral(" Hours");
}

Posting pressClock(RunningJobs &jobs, const QString &user, const TaskChain &chain,
                   const QString &node, const QString &caption, const QString &text) {
    if (text.isEmpty())
        return {};
    const QString section = chain.clockSection(node);
    switch (jobs.load(section).status) {
    case ClockStatus::Halt:
        return {};
    case ClockStatus::Stop:
        return jobs.start(user, section, caption, text);
    case ClockStatus::Run:
        return jobs.stop(user, section);
    }
    return {};
}

} // namespace vidorev::todo
