#include "todo/todo_panel.h"

#include "clocks/job_tracker.h"
#include "clocks/running_stack.h"
#include "platform/settings_keys.h"
#include "todo/task_row.h"
#include "widgets/controls.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidorev {

namespace {
const QString kHostName = QStringLiteral("DoList1");

QString ownListName() {
    return QStringLiteral("Own list");
}
QString jobListName(int n) {
    return QStringLiteral("Job list %1").arg(n);
}

// The platform's own line ending, so a pasted list has no stray characters.
QString lineEnd() {
#ifdef Q_OS_WIN
    return QStringLiteral("\r\n");
#else
    return QStringLiteral("\n");
#endif
}
} // namespace

TodoPanel::TodoPanel(Services services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_jobs(services.store, services.clock)
    , m_chain(services.store, QString()) {
    m_frame = new QGroupBox(QStringLiteral("To Do List for "), this);
    m_frame->setObjectName(QStringLiteral("Frame1"));

    auto *lists = new QVBoxLayout;
    // Until a user is set the buttons have no captions; a screen reader still names them.
    m_listButtons[0] = controls::button(
        QStringLiteral("cmdUserDef"), QString(),
        QStringLiteral("Click to Select the User's default To Do List"), nullptr, ownListName());
    for (int n = 1; n <= todo::kJobLists; ++n)
        m_listButtons[size_t(n)] = controls::button(
            QStringLiteral("cmdDoJob%1").arg(n), QString(),
            QStringLiteral("Click to Select this To Do List"), nullptr, jobListName(n));
    for (size_t i = 0; i < m_listButtons.size(); ++i) {
        lists->addWidget(m_listButtons[i]);
        connect(m_listButtons[i], &QPushButton::clicked, this, [this, i] { chooseList(int(i)); });
    }
    lists->addStretch();

    auto *rows = new QVBoxLayout;
    rows->setSpacing(2);
    controls::onEachMinute(this, [this] {
        for (TaskRow *row : m_rows)
            row->showTime();
    });
    for (int k = 1; k <= TaskChain::kSlots; ++k) {
        auto *row = new TaskRow(services, m_jobs);
        row->setObjectName(QStringLiteral("DoElement%1").arg(k));
        controls::nameRow(row, QStringLiteral("Task %1").arg(k));
        m_rows[size_t(k - 1)] = row;
        rows->addWidget(row);
        connect(row, &TaskRow::memoReady, this, [this, k] { rowMemo(k); });
        connect(row, &TaskRow::taskEntered, this, [this, k] { rowEntered(k); });
        connect(row, &TaskRow::clockPosted, this, [this, k] { rowClock(k); });
        connect(row, &TaskRow::linksChanged, this, [this] {
            if (!layOut())
                showRefusal();
            showPage();
        });
        connect(row, &TaskRow::notSaved, this, [this](const QString &reason) {
            showNotice(SettingsStore::notSavedMessage(reason));
        });
    }
    m_head = new TaskRow(services, m_jobs, this);
    m_head->setObjectName(QStringLiteral("DoElement23"));
    m_head->hide();
    rows->addStretch();

    m_pageUp = controls::button(QStringLiteral("cmdTopDo"), QStringLiteral("Pg Up"), QString());
    m_pageDown = controls::button(QStringLiteral("cmdBotDo"), QStringLiteral("Pg Dn"), QString());
    m_copy = controls::button(QStringLiteral("cmdExport"), QStringLiteral("Copy list"), QString());
    m_help = controls::button(QStringLiteral("cmdHelp"), QStringLiteral("Help"), QString());
    m_annotate =
        controls::button(QStringLiteral("cmdAnnotate"), QStringLiteral("Annotate"), QString());
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_pageUp, m_pageDown, m_copy, m_help, m_annotate})
        buttons->addWidget(b);
    buttons->addStretch();

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setWordWrap(true);
    m_status->setStyleSheet(QStringLiteral("color: #a00000"));
    m_status->hide();

    auto *grid = new QGridLayout(m_frame);
    grid->addLayout(lists, 0, 0, 2, 1);
    grid->addLayout(rows, 0, 1);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(m_status, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    m_helpFrame = controls::frame(QStringLiteral("frmHelp"),
                                  QStringLiteral("Help for the ToDo feature"), this);
    auto *helpText = new QLabel(QStringLiteral(
        "To add a task to your ToDo, click in the text area and type the task description; it "
        "locks as soon as you leave the text area. \"OK\" records the task as finished, "
        "\"Cancel\" drops it; neither works while its clock runs or waits. \"Dn\" and \"Up\" move "
        "a task. The small button times the task: \"#\" while it runs, \"0\" while another job "
        "interrupts it. \"Copy list\" puts the numbered list on the clipboard."));
    helpText->setWordWrap(true);
    (new QVBoxLayout(m_helpFrame))->addWidget(helpText);
    m_helpFrame->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The rows and their buttons stay together at the top of a tall window.
    layout->addWidget(m_frame);
    layout->addWidget(m_helpFrame);
    layout->addStretch(1);

    connect(m_pageUp, &QPushButton::clicked, this, [this] {
        if (!setPage(todo::pageUp(m_page)))
            showRefusal();
        showPage();
    });
    connect(m_pageDown, &QPushButton::clicked, this, [this] {
        if (!setPage(todo::pageDown(m_page)))
            showRefusal();
        showPage();
    });
    connect(m_copy, &QPushButton::clicked, this, &TodoPanel::copyList);
    connect(m_help, &QPushButton::clicked, this,
            [this] { m_helpFrame->setVisible(m_helpFrame->isHidden()); });
    connect(m_annotate, &QPushButton::clicked, this, &TodoPanel::annotateRequest);
}

void TodoPanel::setUser(const QString &user) {
    // Read again for the same user (a clock changed from the tray or the away bar), the list
    // keeps what is being typed into a new task's box: it is not entered until the user leaves.
    std::vector<std::pair<QLineEdit *, QString>> typing;
    for (TaskRow *row : m_rows)
        if (user == m_user && !row->taskBox()->isReadOnly() && !row->taskBox()->text().isEmpty())
            typing.emplace_back(row->taskBox(), row->taskBox()->text());
    m_user = user;
    m_frame->setTitle(QStringLiteral("To Do List for ") + user);
    m_frame->setAccessibleName(m_frame->title());
    m_listButtons[0]->setText(user);
    m_listButtons[0]->setAccessibleName(user.isEmpty() ? ownListName() : user);
    m_titles = todo::loadTitles(m_services.store, user);
    for (int n = 1; n <= todo::kJobLists; ++n) {
        m_listButtons[size_t(n)]->setText(m_titles[size_t(n - 1)]);
        m_listButtons[size_t(n)]->setAccessibleName(
            m_titles[size_t(n - 1)].isEmpty() ? jobListName(n) : m_titles[size_t(n - 1)]);
    }
    loadList();
    for (const auto &[box, text] : typing)
        if (!box->isReadOnly() && box->text().isEmpty())
            box->insert(text); // as typed: entered when the user leaves the box
}

void TodoPanel::chooseList(int index) {
    // A list the store did not take is not shown: the old one stays.
    if (!todo::setListOnShow(m_services.store, m_user,
                             index == 0 ? m_user : todo::jobListPrefix(m_user, index))) {
        showRefusal();
        return;
    }
    loadList();
}

void TodoPanel::loadList() {
    SettingsStore::Batch batch(m_services.store);
    m_status->hide();
    const QString prefix = todo::listOnShow(m_services.store, m_user);
    m_chain.setPrefix(prefix);
    const int index = todo::listIndex(m_user, prefix);
    m_title = index == 0 ? m_user : index > 0 ? m_titles[size_t(index - 1)] : prefix;
    for (size_t i = 0; i < m_listButtons.size(); ++i)
        m_listButtons[i]->setEnabled(int(i) != index);
    for (TaskRow *row : m_rows) {
        row->setRoot(m_user);
        row->setUser(prefix);
        row->setCaption(m_title);
    }
    m_head->setRoot(m_user);
    m_head->setUser(prefix);
    m_head->setCaption(m_title);
    m_chain.repairOnLoad();
    m_page = todo::pageFromName(
        m_services.store.get(keys::kAppDiary, m_chain.section(), keys::kShift, QString()));
    (void)layOut(); // one of the batch's writes: its commit below tells
    showPage();
    m_helpFrame->hide();
    if (!batch.commit())
        showRefusal();
}

bool TodoPanel::layOut() {
    SettingsStore::Batch batch(m_services.store);
    m_head->setIdent(keys::kHeadNode);
    const QStringList nodes = m_chain.walk();
    for (int k = 1; k <= TaskChain::kSlots; ++k) {
        const QString &node = nodes[k - 1];
        m_rows[size_t(k - 1)]->setIdent(node);
        const QString clock = m_chain.clockSection(node);
        m_services.store.save(keys::kAppDiary, clock, keys::kContainer, kHostName);
        m_services.store.save(keys::kAppDiary, clock, keys::kScroll,
                              todo::pageName(todo::pageOfRow(k)));
        m_services.store.save(keys::kAppDiary, clock, keys::kList, m_chain.prefix());
    }
    const QString chain = m_services.store.get(keys::kAppDiary, m_user, keys::kStack, QString());
    m_annotate->setEnabled(!chain.isEmpty());
    const auto l = lengths();
    if (std::all_of(l.begin(), l.end(), [](qsizetype n) { return n == 0; }))
        (void)setPage(todo::Page::Top);
    return batch.commit();
}

bool TodoPanel::setPage(todo::Page page) {
    if (!m_services.store.save(keys::kAppDiary, m_chain.section(), keys::kShift,
                               todo::pageName(page)))
        return false;
    m_page = page;
    return true;
}

void TodoPanel::showRefusal() {
    showNotice(SettingsStore::notSavedMessage(m_services.store.lastError()));
}

void TodoPanel::showPage() {
    const int first = todo::firstRowOf(m_page);
    for (int k = 1; k <= TaskChain::kSlots; ++k)
        m_rows[size_t(k - 1)]->setVisible(k >= first && k < first + todo::kRowsPerPage);
    const todo::PageButtons buttons = todo::pageButtons(m_page, lengths());
    m_pageUp->setEnabled(buttons.up);
    m_pageDown->setEnabled(buttons.down);
}

std::array<qsizetype, 22> TodoPanel::lengths() const {
    std::array<qsizetype, 22> l{};
    for (size_t i = 0; i < m_rows.size(); ++i)
        l[i] = m_rows[i]->length();
    return l;
}

void TodoPanel::rowMemo(int k) {
    m_memo = row(k)->memoText();
    showPage();
    emit memoReady();
}

void TodoPanel::rowEntered(int k) {
    if (!setPage(todo::pageAfterEnter(m_page, k)))
        showRefusal();
    showPage();
    if (k < TaskChain::kSlots)
        row(k + 1)->taskBox()->setFocus();
    rowMemo(k);
}

void TodoPanel::rowClock(int k) {
    const Posting &posting = row(k)->lastPosting();
    showNotice(job_tracker::postingMessage(posting));
    if (posting.result != PostResult::Posted && posting.result != PostResult::StoreFailed)
        return;
    m_memo = posting.record;
    // A refused posting has said so already.
    if (!layOut() && posting.result == PostResult::Posted)
        showRefusal();
    showPage();
    emit timingChanged();
}

void TodoPanel::showNotice(const QString &text) {
    m_status->setText(text);
    m_status->setVisible(!text.isEmpty());
}

void TodoPanel::showHot() {
    const QString chain = m_services.store.get(keys::kAppDiary, m_user, keys::kStack, QString());
    if (m_user.isEmpty() || chain.isEmpty())
        return;
    const QString running = running_stack::top(chain);
    const QString list = m_services.store.get(keys::kAppDiary, running, keys::kList,
                                              todo::pageName(todo::Page::Top));
    if (!todo::setListOnShow(m_services.store, m_user, list)) {
        showRefusal();
        return;
    }
    loadList();
    if (!setPage(todo::pageFromName(m_services.store.get(keys::kAppDiary, running, keys::kScroll,
                                                         todo::pageName(todo::Page::Top)))))
        showRefusal();
    showPage();
}

void TodoPanel::copyList() {
    std::array<QString, 22> texts, charged;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        texts[i] = m_rows[i]->text();
        charged[i] = m_rows[i]->charged();
    }
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(todo::copyListText(m_title, texts, charged, lineEnd()));
}

} // namespace vidorev
