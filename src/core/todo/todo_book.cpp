#include "todo/todo_book.h"

#include "platform/settings_keys.h"
#include "platform/settings_store.h"

namespace vidorev::todo {

namespace {
const QString kHeadTask = keys::kHeadNode + keys::kTask;
const QString &kJobListLegacy = keys::kJobListLegacy;
} // namespace

QString pageName(Page page) {
    switch (page) {
    case Page::Top:
        return QStringLiteral("Top");
    case Page::Mid:
        return QStringLiteral("Mid");
    case Page::Bot:
        return QStringLiteral("Bot");
    case Page::Ped:
        return QStringLiteral("Ped");
    }
    return QStringLiteral("Top");
}

Page pageFromName(const QString &name) {
    for (Page p : {Page::Mid, Page::Bot, Page::Ped})
        if (name == pageName(p))
            return p;
    return Page::Top;
}

Page pageOfRow(int row) {
    if (row <= 6)
        return Page::Top;
    if (row <= 11)
        return Page::Mid;
    if (row <= 16)
        return Page::Bot;
    return Page::Ped;
}

int firstRowOf(Page page) {
    return 1 + 5 * int(page);
}

Page pageUp(Page page) {
    return page == Page::Top ? Page::Top : Page(int(page) - 1);
}

Page pageDown(Page page) {
    return page == Page::Ped ? Page::Ped : Page(int(page) + 1);
}

Page pageAfterEnter(Page current, int row) {
    switch (row) {
    case 6:
    case 7:
        return Page::Mid;
    case 11:
    case 12:
        return Page::Bot;
    case 16:
    case 17:
        return Page::Ped;
    default:
        return current;
    }
}

PageButtons pageButtons(Page page, const std::array<qsizetype, 22> &lengths) {
    const auto text = [&lengths](int from, int to) {
        qsizetype sum = 0;
        for (int k = from; k <= to; ++k)
            sum += lengths[size_t(k - 1)];
        return sum > 0;
    };
    switch (page) {
    case Page::Top:
        return {false, text(6, 22)};
    case Page::Mid:
        return {text(1, 7), text(11, 22)};
    case Page::Bot:
        return {text(1, 12), text(16, 22)};
    case Page::Ped:
        return {text(1, 17), false};
    }
    return {};
}

QString jobListPrefix(const QString &user, int n) {
    return user + keys::kSufJobList + QString::number(n);
}

std::array<QString, kJobLists> loadTitles(SettingsStore &store, const QString &user) {
    SettingsStore::Batch batch(store);
    std::array<QString, kJobLists> titles;
    const QString own = keys::doDataSection(user);
    for (int n = 1; n <= kJobLists; ++n) {
        const QString section = keys::jobListSection(user, n);
        QString title = store.get(keys::kAppDiary, section, kHeadTask, QString());
        if (title.isEmpty())
            title = store.get(keys::kAppDiary, own, kJobListLegacy + QString::number(n), QString());
        store.save(keys::kAppDiary, section, kHeadTask, title);
        titles[size_t(n - 1)] = title;
    }
    for (int n = 1; n <= kJobLists; ++n)
        store.save(keys::kAppDiary, own, kJobListLegacy + QString::number(n), QString());
    return titles;
}

QString listOnShow(const SettingsStore &store, const QString &user) {
    return store.get(keys::kAppDiary, keys::doDataSection(user), keys::kTask, user);
}

bool setListOnShow(SettingsStore &store, const QString &user, const QString &prefix) {
    return store.save(keys::kAppDiary, keys::doDataSection(user), keys::kTask, prefix);
}

int listIndex(const QString &user, const QString &prefix) {
    // Names compare as the store compares them: "Ann" and "ann" are one user.
    const auto same = [](const QString &a, const QString &b) {
        return a.toCaseFolded() == b.toCaseFolded();
    };
    if (same(prefix, user))
        return 0;
    for (int n = 1; n <= kJobLists; ++n)
        if (same(prefix, jobListPrefix(user, n)))
            return n;
    return -1;
}

QString copyListText(const QString &title, const std::array<QString, 22> &texts,
                     const std::array<QString, 22> &charged, const QString &lineEnd) {
    QString out = QStringLiteral("To Do List ") + title + lineEnd;
    for (size_t k = 0; k < texts.size(); ++k)
        if (!texts[k].isEmpty())
            out += QString::number(k + 1) + QStringLiteral(") ") + texts[k] + charged[k] + lineEnd;
    return out;
}

} // namespace vidorev::todo
