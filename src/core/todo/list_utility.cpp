#include "todo/list_utility.h"

#include "diary/diary_file.h"
#include "diary/diary_record.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"
#include "todo/list_files.h"
#include "todo/todo_book.h"

#include <QFile>

#include <utility>

namespace vidorev {

namespace todo {

namespace {
const QString kHeadTask = keys::kHeadNode + keys::kTask;
} // namespace

bool isUsablePath(const QString &path) {
    return path.size() >= 5;
}

FileButtons fileButtons(const QString &path, bool listSelected, bool fileExists) {
    FileButtons b;
    if (!isUsablePath(path) || !listSelected)
        return b;
    if (path.endsWith(u'o'))
        b.load = b.save = true;
    else if (path.endsWith(u's'))
        (fileExists ? b.moveFrom : b.moveTo) = true;
    return b;
}

QString stashPath(const SettingsStore &store, const QString &user) {
    return store.get(keys::kAppDiary, keys::doDataSection(user), keys::kStashPath, QString());
}

bool setStashPath(SettingsStore &store, const QString &user, const QString &path) {
    return store.save(keys::kAppDiary, keys::doDataSection(user), keys::kStashPath, path);
}

QString ensureOwnTitle(SettingsStore &store, const QString &user) {
    const QString section = keys::doDataSection(user);
    QString title = store.get(keys::kAppDiary, section, kHeadTask, QString());
    if (title.isEmpty()) {
        title = user;
        store.save(keys::kAppDiary, section, kHeadTask, title);
    }
    return title;
}

std::array<QString, 7> jobListTitles(const SettingsStore &store, const QString &user) {
    std::array<QString, 7> titles;
    for (int n = 1; n <= kJobLists; ++n)
        titles[size_t(n - 1)] =
            store.get(keys::kAppDiary, keys::jobListSection(user, n), kHeadTask, QString());
    return titles;
}

bool renameList(SettingsStore &store, const QString &prefix, const QString &title) {
    return store.save(keys::kAppDiary, prefix + keys::kSufDoData, kHeadTask, title);
}

} // namespace todo

using todo::ActionResult;

namespace {
QString id(int node) {
    return QString::number(node);
}
} // namespace

ListUtility::ListUtility(SettingsStore &store)
    : m_store(store)
    , m_chain(store, QString()) {}

void ListUtility::select(const QString &prefix, const QString &title) {
    m_chain.setPrefix(prefix);
    m_title = title;
    m_pointer = 1;
}

QString ListUtility::soFar(const QString &node) const {
    return QString::number(
        m_store.getInt(keys::kAppDiary, m_chain.clockSection(node), keys::kSoFar, 0));
}

bool ListUtility::setSoFar(const QString &node, const QString &minutes) {
    return m_store.save(keys::kAppDiary, m_chain.clockSection(node), keys::kSoFar, minutes);
}

ActionResult ListUtility::refused() const {
    return {false, SettingsStore::notSavedMessage(m_store.lastError())};
}

ActionResult ListUtility::commitAt(SettingsStore::Batch &batch, int pointer) {
    // The pointer moves only once the action is in the store.
    if (!batch.commit())
        return refused();
    m_pointer = pointer;
    return {};
}

void ListUtility::writeRing() {
    for (int i = 0; i < todo::kStorageNodes; ++i) {
        m_chain.setPrior(id(i), id(i == 0 ? TaskChain::kSlots : i - 1));
        m_chain.setNext(id(i), id(i == TaskChain::kSlots ? 0 : i + 1));
    }
}

ActionResult ListUtility::init() {
    SettingsStore::Batch batch(m_store);
    writeRing();
    for (int i = 0; i < todo::kStorageNodes; ++i) {
        m_chain.setTask(id(i), QString());
        setSoFar(id(i), QStringLiteral("0"));
    }
    return commitAt(batch, 1);
}

ActionResult ListUtility::repairLinks() {
    SettingsStore::Batch batch(m_store);
    writeRing();
    return commitAt(batch, 1);
}

ActionResult ListUtility::clearTimes() {
    SettingsStore::Batch batch(m_store);
    for (int i = 1; i <= TaskChain::kSlots; ++i)
        setSoFar(id(i), QStringLiteral("0"));
    return commitAt(batch, kPointerDone);
}

ActionResult ListUtility::saveTaskFile(const QString &path) {
    QStringList lines;
    for (int i = 1; i <= TaskChain::kSlots; ++i) {
        const QString task = m_chain.task(id(i));
        if (!task.isEmpty())
            lines << todo::taskFileLine(task);
    }
    QString error;
    if (!todo::writeLinesSafely(path, lines, &error))
        return {false, error};
    m_pointer = kPointerDone;
    return {};
}

ActionResult ListUtility::loadTaskFile(const QString &path, const QString &user,
                                       const QDateTime &at) {
    if (m_pointer >= kPointerDone)
        return {};
    const QString diaryPath =
        m_store.get(keys::kAppDiary, user, keys::kFileKey, keys::kNoDiaryPath);
    if (!diary::writerCanAppend(diaryPath))
        return {false, QStringLiteral("No Diary file at \"%1\": nothing loaded").arg(diaryPath)};
    QString error;
    const std::optional<QStringList> tasks =
        todo::readTaskFile(path, kPointerDone - m_pointer, &error);
    if (!tasks)
        return {false, error};

    // The old values, to put back should the Diary refuse the notes after all.
    std::vector<std::pair<QString, QString>> old{{keys::kHeadNode, m_chain.next(keys::kHeadNode)}};
    QStringList notes;
    SettingsStore::Batch batch(m_store);
    SettingsStore::Batch writes(m_store); // inner: tells whether the writes took, before the notes
    m_chain.setNext(keys::kHeadNode, QStringLiteral("1"));
    int slot = m_pointer;
    for (const QString &task : *tasks) {
        old.emplace_back(id(slot), m_chain.task(id(slot)));
        m_chain.setTask(id(slot), task);
        notes << diary::taskFromFileRecord(m_title, task, at);
        ++slot;
    }
    if (!writes.commit()) {
        (void)batch.commit(); // rolls back
        return refused();
    }
    const diary::AppendResult appended = diary::appendLines(diaryPath, notes, &error);
    if (appended != diary::AppendResult::Appended) {
        m_chain.setNext(old.front().first, old.front().second);
        for (size_t k = 1; k < old.size(); ++k)
            m_chain.setTask(old[k].first, old[k].second);
        (void)batch.commit();
        return {false, QStringLiteral("Diary not written (%1): nothing loaded")
                           .arg(appended == diary::AppendResult::Missing
                                    ? QStringLiteral("no file at %1").arg(diaryPath)
                                    : error)};
    }
    return commitAt(batch, slot);
}

ActionResult ListUtility::moveToStorage(const QString &path) {
    QStringList lines;
    for (int i = 0; i < todo::kStorageNodes; ++i)
        lines << todo::storageLine(m_chain.task(id(i)), m_chain.prior(id(i)), m_chain.next(id(i)),
                                   soFar(id(i)).toLongLong());
    QString error;
    if (!todo::writeLinesSafely(path, lines, &error))
        return {false, error + QStringLiteral(": the list is kept")};
    // The file is whole on disk: only now may the list be emptied.
    SettingsStore::Batch batch(m_store);
    writeRing();
    for (int i = 0; i < todo::kStorageNodes; ++i) {
        m_chain.setTask(id(i), QString());
        setSoFar(id(i), QStringLiteral("0"));
    }
    if (!batch.commit())
        return {false, SettingsStore::notSavedMessage(m_store.lastError()) +
                           QStringLiteral(" (the file is written; the list is kept)")};
    return {};
}

ActionResult ListUtility::moveFromStorage(const QString &path) {
    QString error;
    const auto nodes = todo::readStorageFile(path, &error);
    if (!nodes)
        return {false, error};
    SettingsStore::Batch batch(m_store);
    for (int i = 0; i < todo::kStorageNodes; ++i) {
        const todo::StoredNode &node = (*nodes)[size_t(i)];
        m_chain.setTask(id(i), node.task);
        m_chain.setPrior(id(i), node.prior);
        m_chain.setNext(id(i), node.next);
        if (node.soFar)
            setSoFar(id(i), *node.soFar);
    }
    if (!batch.commit())
        return {false, SettingsStore::notSavedMessage(m_store.lastError()) +
                           QStringLiteral(" (the file is kept)")};
    // Every value is in the store: the file may go.
    QFile file(path);
    if (!file.remove())
        return {false, QStringLiteral("The list is restored, but %1 could not be deleted: %2")
                           .arg(path, file.errorString())};
    return {};
}

} // namespace vidorev
