#include "todo/todo_utilities.h"

#include "platform/settings_store.h"
#include "todo/todo_book.h"
#include "widgets/controls.h"
#include "widgets/file_picker.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidorev {

namespace {
const QString kPattern = QStringLiteral("*.2d*");

const QString kHelpText = QStringLiteral(
    "A ToDo list has a primary index and a secondary index, the \"Init\" button clears the "
    "selected list and brings the secondary (link) index into line with the primary index. The "
    "\"Save\" button writes a file with the list entries, in primary index order. The \"Load\" "
    "button reads a file to the selected list, filling it in primary index order. Several files "
    "can be loaded into the same list, as long as the primary pointer is not reset to the top by "
    "clicking a list-select button. The two \"Move\" buttons copy a list, with secondary index "
    "and list name, then clear the source. The ToDo List screen shows lists by secondary index.");

// A screen reader tells the list buttons apart by their number, whatever their titles.
QString listName(int index, const QString &title) {
    const QString which =
        index == 0 ? QStringLiteral("Own list") : QStringLiteral("Job list %1").arg(index);
    return title.isEmpty() ? which : which + QStringLiteral(": ") + title;
}
} // namespace

TodoUtilities::TodoUtilities(Services services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_utility(services.store) {
    m_menu = controls::frame(QStringLiteral("frmMenu"), QStringLiteral("ToDo Utilities"), this);

    auto *pathLabel = new QLabel(QStringLiteral("File path"));
    m_pathBox = new QLineEdit;
    m_pathBox->setObjectName(QStringLiteral("Text1"));
    m_pathBox->setAccessibleName(pathLabel->text());
    pathLabel->setBuddy(m_pathBox);
    m_picker = new FilePicker;
    m_picker->setObjectName(QStringLiteral("FileHooker1"));
    m_picker->setPattern(kPattern);

    auto *lists = new QVBoxLayout;
    m_lists[0] = controls::button(QStringLiteral("cmdUserList"), QString(), QString(), nullptr,
                                  listName(0, QString()));
    for (int n = 1; n <= todo::kJobLists; ++n)
        m_lists[size_t(n)] = controls::button(QStringLiteral("cmdList%1").arg(n), QString(),
                                              QString(), nullptr, listName(n, QString()));
    for (size_t i = 0; i < m_lists.size(); ++i) {
        lists->addWidget(m_lists[i]);
        connect(m_lists[i], &QPushButton::clicked, this, [this, i] { chooseList(int(i)); });
    }
    lists->addStretch();

    auto *titleLabel = new QLabel(QStringLiteral("List name"));
    m_titleBox = new QLineEdit;
    m_titleBox->setObjectName(QStringLiteral("txtListTitle"));
    m_titleBox->setToolTip(QStringLiteral("Edit The Name of the selected List"));
    m_titleBox->setAccessibleName(titleLabel->text());
    titleLabel->setBuddy(m_titleBox);

    m_init = controls::button(QStringLiteral("cmdInit"), QStringLiteral("Init List"),
                              QStringLiteral("Clear all data and build a new empty list."));
    m_fixLinks = controls::button(QStringLiteral("cmdFixLinks"), QStringLiteral("Repair Links"),
                                  QStringLiteral("Repair damaged list without data loss."));
    m_clearTime = controls::button(QStringLiteral("cmdClearTime"), QStringLiteral("Clear Times"),
                                   QStringLiteral("Zero all times without any other data change."));
    m_save = controls::button(QStringLiteral("cmdSave"), QStringLiteral("Save to .2do File"),
                              QStringLiteral("Make a new file from list entries"));
    m_load = controls::button(QStringLiteral("cmdLoad"), QStringLiteral("Load from file"),
                              QStringLiteral("Load list with standard tasks"));
    m_back = controls::button(
        QStringLiteral("cmdBack"), QStringLiteral("Move to .2ds File"),
        QStringLiteral("Move entire list to a file, leaving an emty list for new tasks."));
    m_restore = controls::button(QStringLiteral("cmdRestore"), QStringLiteral("Move from file"),
                                 QStringLiteral("Restore a list that had been put into storage."));
    m_help = controls::button(QStringLiteral("cmdHelp"), QStringLiteral("Help / clues"), QString());

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setWordWrap(true);
    m_status->setStyleSheet(QStringLiteral("color: #a00000"));
    m_status->hide();

    auto *titleRow = new QHBoxLayout;
    titleRow->addWidget(titleLabel);
    titleRow->addWidget(m_titleBox, 1);
    auto *actions = new QGridLayout;
    actions->addLayout(titleRow, 0, 0, 1, 3);
    const QList<QPushButton *> buttons{m_init, m_fixLinks, m_clearTime, m_save,
                                       m_load, m_back,     m_restore,   m_help};
    for (int i = 0; i < buttons.size(); ++i)
        actions->addWidget(buttons[i], 1 + i / 3, i % 3);

    auto *grid = new QGridLayout(m_menu);
    grid->addLayout(lists, 0, 0, 4, 1);
    grid->addWidget(pathLabel, 0, 1);
    grid->addWidget(m_pathBox, 0, 2);
    grid->addWidget(m_picker, 1, 1, 1, 2);
    grid->addLayout(actions, 2, 1, 1, 2);
    grid->addWidget(m_status, 3, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(1, 1);

    m_helpFrame = controls::frame(QStringLiteral("frmHelp"), QStringLiteral("Clues"), this);
    auto *helpText = new QLabel(kHelpText);
    helpText->setWordWrap(true);
    auto *gotClue = controls::button(QStringLiteral("cmdGotClue"),
                                     QStringLiteral("OK, got the Clue"), QString());
    auto *helpLayout = new QVBoxLayout(m_helpFrame);
    helpLayout->addWidget(helpText);
    helpLayout->addWidget(gotClue, 0, Qt::AlignRight);
    m_helpFrame->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_menu);
    layout->addWidget(m_helpFrame);
    layout->addStretch();

    connect(m_pathBox, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!m_loading)
            pathChanged(text);
    });
    connect(m_picker, &FilePicker::fileChosen, this,
            [this] { m_pathBox->setText(m_picker->path()); });
    // Enter or leaving the box renames the list; a whole new name (a screen reader's) at once.
    connect(m_titleBox, &QLineEdit::editingFinished, this, &TodoUtilities::renameList);
    connect(m_titleBox, &QLineEdit::textChanged, this, [this] {
        if (!m_loading && controls::wholeValueSet(m_titleBox))
            renameList();
    });
    connect(m_init, &QPushButton::clicked, this, &TodoUtilities::initList);
    connect(m_fixLinks, &QPushButton::clicked, this, &TodoUtilities::repairLinks);
    connect(m_clearTime, &QPushButton::clicked, this, &TodoUtilities::clearTimes);
    connect(m_save, &QPushButton::clicked, this, &TodoUtilities::saveFile);
    connect(m_load, &QPushButton::clicked, this, &TodoUtilities::loadFile);
    connect(m_back, &QPushButton::clicked, this, &TodoUtilities::moveToFile);
    connect(m_restore, &QPushButton::clicked, this, &TodoUtilities::moveFromFile);
    connect(m_help, &QPushButton::clicked, this, [this] { showHelp(true); });
    connect(gotClue, &QPushButton::clicked, this, [this] { showHelp(false); });
}

void TodoUtilities::setInit(bool) {
    for (QPushButton *b : {m_load, m_save, m_restore, m_back, m_init, m_fixLinks, m_clearTime})
        b->setEnabled(false);
    m_loading = true;
    m_path = todo::stashPath(m_services.store, m_user);
    m_pathBox->setText(m_path);
    m_loading = false;
    pointPickerAt(m_path);
    m_utility.select(QString(), QString());
    m_selected = -1;
    todo::ensureOwnTitle(m_services.store, m_user);
    refreshTitles();
    for (QPushButton *b : m_lists)
        b->setEnabled(true);
    showTitleBox();
    report({});
    showHelp(false);
}

void TodoUtilities::refreshTitles() {
    m_lists[0]->setText(m_user);
    m_lists[0]->setAccessibleName(listName(0, m_user));
    const auto titles = todo::jobListTitles(m_services.store, m_user);
    for (int n = 1; n <= todo::kJobLists; ++n) {
        const QString &title = titles[size_t(n - 1)];
        m_lists[size_t(n)]->setText(title);
        m_lists[size_t(n)]->setAccessibleName(listName(n, title));
    }
}

// The title box shows the chosen job list's name; the user's own list is named after the user
// and is not renamed here.
void TodoUtilities::showTitleBox() {
    m_loading = true;
    const bool jobList = m_selected > 0;
    m_titleBox->setText(jobList ? m_lists[size_t(m_selected)]->text() : QString());
    m_titleBox->setEnabled(jobList);
    m_loading = false;
}

void TodoUtilities::chooseList(int index) {
    m_selected = index;
    const QString prefix = index == 0 ? m_user : todo::jobListPrefix(m_user, index);
    m_utility.select(prefix, m_lists[size_t(index)]->text());
    showTitleBox();
    for (QPushButton *b : {m_init, m_fixLinks, m_clearTime})
        b->setEnabled(true);
    for (QPushButton *b : m_lists)
        b->setEnabled(true);
    m_lists[size_t(index)]->setEnabled(false);
    report({});
    updateFileButtons();
}

void TodoUtilities::pathChanged(const QString &path) {
    m_path = path;
    updateFileButtons();
}

void TodoUtilities::updateFileButtons() {
    for (QPushButton *b : {m_load, m_save, m_restore, m_back})
        b->setEnabled(false);
    if (!todo::isUsablePath(m_path))
        return;
    if (!todo::setStashPath(m_services.store, m_user, m_path))
        report({false, SettingsStore::notSavedMessage(m_services.store.lastError())});
    const todo::FileButtons allowed =
        todo::fileButtons(m_path, m_utility.selected(), QFileInfo(m_path).isFile());
    m_load->setEnabled(allowed.load);
    m_save->setEnabled(allowed.save);
    m_restore->setEnabled(allowed.moveFrom);
    m_back->setEnabled(allowed.moveTo);
}

void TodoUtilities::renameList() {
    if (m_selected <= 0 || m_titleBox->text() == m_lists[size_t(m_selected)]->text())
        return;
    if (!todo::renameList(m_services.store, m_utility.prefix(), m_titleBox->text())) {
        report({false, SettingsStore::notSavedMessage(m_services.store.lastError())});
        return;
    }
    m_utility.setTitle(m_titleBox->text());
    refreshTitles();
}

void TodoUtilities::report(const todo::ActionResult &result) {
    m_status->setText(result.message);
    m_status->setVisible(!result.ok && !result.message.isEmpty());
}

void TodoUtilities::pointPickerAt(const QString &path) {
    m_picker->setPattern(kPattern);
    m_picker->refresh();
    m_picker->setPath(path);
}

void TodoUtilities::initList() {
    report(m_utility.init());
    refreshTitles();
    showTitleBox();
}

void TodoUtilities::repairLinks() {
    report(m_utility.repairLinks());
}

void TodoUtilities::clearTimes() {
    report(m_utility.clearTimes());
}

void TodoUtilities::saveFile() {
    const todo::ActionResult result = m_utility.saveTaskFile(m_path);
    report(result);
    if (result.ok)
        pointPickerAt(m_path);
    updateFileButtons();
}

void TodoUtilities::loadFile() {
    report(m_utility.loadTaskFile(m_path, m_user, m_services.clock.now()));
    updateFileButtons();
}

void TodoUtilities::moveToFile() {
    const todo::ActionResult result = m_utility.moveToStorage(m_path);
    report(result);
    pointPickerAt(m_path);
    refreshTitles();
    showTitleBox();
    updateFileButtons();
}

void TodoUtilities::moveFromFile() {
    report(m_utility.moveFromStorage(m_path));
    pointPickerAt(m_path);
    refreshTitles();
    showTitleBox();
    updateFileButtons();
}

void TodoUtilities::showHelp(bool show) {
    m_helpFrame->setVisible(show);
    m_menu->setVisible(!show);
}

} // namespace vidorev
