#include "widgets/file_picker.h"

#include "widgets/latest_run.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>

namespace vidorev {

namespace {

const int kPathRole = Qt::UserRole;
const int kRowRole = Qt::UserRole + 1;
// How long a folder may take to read before the picker says it does not answer.
const int kSlowMs = 1000;

QLabel *labelFor(QWidget *control, const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setBuddy(control);
    control->setAccessibleName(text);
    return label;
}

// The folder tree is always fully open: it draws no branch arrows that promise otherwise.
class FolderTree : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void drawBranches(QPainter *, const QRect &, const QModelIndex &) const override {}
};

} // namespace

FilePicker::FilePicker(QWidget *parent)
    : QWidget(parent)
    , m_drives(new QComboBox(this))
    , m_folders(new FolderTree(this))
    , m_files(new QListWidget(this))
    , m_message(new QLabel(this))
    , m_reads(new widgets::LatestRun(this))
    , m_slow(new QTimer(this)) {
    m_slow->setSingleShot(true);
    m_slow->setInterval(kSlowMs);
    connect(m_slow, &QTimer::timeout, this, &FilePicker::showError);
    m_drives->setObjectName(QStringLiteral("Drive1"));
    m_drives->setToolTip(tr("The drive whose folders are listed"));
    // A long mount point must not widen the picker past its host's room.
    m_drives->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_drives->setMinimumContentsLength(8);
    m_folders->setObjectName(QStringLiteral("Dir1"));
    m_folders->setToolTip(tr("Enter opens a folder; Backspace goes up one"));
    m_files->setObjectName(QStringLiteral("File1"));
    m_files->setToolTip(tr("The files of the open folder that fit the pattern"));
    // The folders above the open one nest as a fixed, always expanded tree.
    m_folders->setHeaderHidden(true);
    m_folders->setRootIsDecorated(false);
    m_folders->setItemsExpandable(false);
    m_folders->setIndentation(12);
    m_folders->setUniformRowHeights(true);
    // One column, so items are rows; selecting items keeps a screen reader's pick on the folder
    // it named (a whole-row pick there goes by the row within the parent).
    m_folders->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_files->setUniformItemSizes(true);
    for (QAbstractItemView *list :
         {static_cast<QAbstractItemView *>(m_folders), static_cast<QAbstractItemView *>(m_files)}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setIconSize(QSize(16, 16));
    }

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(labelFor(m_drives, tr("Drive"), this), 0, 0);
    grid->addWidget(m_drives, 1, 0);
    grid->addWidget(labelFor(m_folders, tr("Folder"), this), 2, 0);
    grid->addWidget(m_folders, 3, 0);
    grid->addWidget(labelFor(m_files, tr("File"), this), 0, 1);
    grid->addWidget(m_files, 1, 1, 3, 1);
    m_message->setObjectName(QStringLiteral("lblFolderMessage"));
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_message->hide();
    grid->addWidget(m_message, 4, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    setTabOrder(m_drives, m_folders);
    setTabOrder(m_folders, m_files);

    connect(m_drives, &QComboBox::currentIndexChanged, this, &FilePicker::driveChosen);
    connect(m_folders, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { folderOpened(item->data(0, kRowRole).toInt()); });
    m_folders->installEventFilter(this);
    // Arrows and clicks move the current folder with the selection, and only Enter or a double
    // click opens it; a screen reader selects a folder without moving to it, and that opens it.
    // Checked once the view has moved its current folder, which it does after selecting.
    connect(
        m_folders, &QTreeWidget::itemSelectionChanged, this,
        [this] {
            const QList<QTreeWidgetItem *> picked = m_folders->selectedItems();
            if (picked.size() == 1 && picked.first() != m_folders->currentItem())
                folderOpened(picked.first()->data(0, kRowRole).toInt());
        },
        Qt::QueuedConnection);
    // The selection, not the current row: a screen reader selects an item without moving to it.
    connect(m_files, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> picked = m_files->selectedItems();
        if (picked.size() == 1)
            fileSelected(m_files->row(picked.first()));
    });

    showLists();
    refresh(); // the drives
}

bool FilePicker::eventFilter(QObject *watched, QEvent *event) {
    // Backspace in the folder list goes up one folder, as in the platform's file dialogs.
    if (watched == m_folders && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Backspace) {
        const int row = m_choice.openFolderRow();
        if (row > 0)
            folderOpened(row - 1);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QString FilePicker::path() const {
    return m_presetPath.isEmpty() ? m_choice.path() : m_presetPath;
}

void FilePicker::setPath(const QString &path, std::function<void()> then) {
    // The host's choice supersedes whatever was being read.
    startReading(path, false,
                 [this, path, then = std::move(then)](const shell::FolderReader &read) -> Apply {
                     const shell::PathListing found = shell::readPath(path, read);
                     const QList<shell::Drive> drives = shell::drives();
                     return [this, found, drives, then] {
                         endReading();
                         m_loading = true;
                         if (m_choice.openPath(found))
                             showLists();
                         showDrives(drives);
                         showError();
                         m_loading = false;
                         if (then)
                             then();
                     };
                 });
    // The host's choice is the chosen path already; one that is not there is dropped once read.
    if (!path.trimmed().isEmpty())
        m_presetPath = QDir::toNativeSeparators(
            QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath()));
}

QString FilePicker::pattern() const {
    return m_choice.pattern();
}

void FilePicker::setPattern(const QString &pattern) {
    m_loading = true;
    m_choice.setPattern(pattern);
    showLists();
    m_loading = false;
}

void FilePicker::movePrior() {
    move(shell::FileMove::Prior);
}
void FilePicker::moveLast() {
    move(shell::FileMove::Last);
}
void FilePicker::moveFirst() {
    move(shell::FileMove::First);
}
void FilePicker::moveNext() {
    move(shell::FileMove::Next);
}

bool FilePicker::endOfList() const {
    return m_choice.endOfList();
}
bool FilePicker::startOfList() const {
    return m_choice.startOfList();
}

void FilePicker::refresh() {
    startReading(m_choice.folder(), false,
                 [this, folder = m_choice.folder()](const shell::FolderReader &read) -> Apply {
                     const shell::FolderListing listing = shell::readOpenFolder(folder, read);
                     const QList<shell::Drive> drives = shell::drives();
                     return [this, listing, drives] {
                         endReading();
                         m_loading = true;
                         m_choice.reopen(listing);
                         showLists();
                         showDrives(drives);
                         showError();
                         m_loading = false;
                     };
                 });
}

QString FilePicker::folder() const {
    return m_choice.folder();
}
QString FilePicker::drive() const {
    return QDir::toNativeSeparators(m_drives->currentData().toString());
}
const QStringList &FilePicker::files() const {
    return m_choice.files();
}
int FilePicker::fileIndex() const {
    return m_choice.index();
}
QString FilePicker::folderError() const {
    return m_choice.error();
}

QStringList FilePicker::driveRoots() const {
    QStringList roots;
    for (int i = 0; i < m_drives->count(); ++i)
        roots << m_drives->itemData(i).toString();
    return roots;
}

bool FilePicker::reading() const {
    return m_reads->isRunning();
}

void FilePicker::waitForListing() {
    while (m_reads->isRunning())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void FilePicker::setFolderReader(shell::FolderReader reader) {
    m_reader = std::move(reader);
}

void FilePicker::showError() {
    QString text = m_choice.error();
    const QString folder = QDir::toNativeSeparators(m_readingFolder);
    if (reading() && m_slow->isActive() && m_sayReading)
        text = tr("Reading %1...").arg(folder);
    else if (reading() && !m_slow->isActive())
        text = tr("The folder %1 is not answering; another folder or drive can be "
                  "chosen meanwhile.")
                   .arg(folder);
    // Problems in red; the reading state in the label's own colour.
    m_message->setStyleSheet(text == m_choice.error() ? QStringLiteral("color: #a00000")
                                                      : QString());
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

void FilePicker::startReading(const QString &what, bool said,
                              std::function<Apply(const shell::FolderReader &)> work) {
    m_readingFolder = what;
    m_sayReading = said;
    m_presetPath.clear();
    m_reads->start([work = std::move(work), read = m_reader](const widgets::LatestRun::Handle &) {
        // Runs on the window's thread, and only while this is still the latest reading.
        return widgets::LatestRun::Done(work(read));
    });
    m_slow->start();
    showError();
}

void FilePicker::endReading() {
    m_presetPath.clear();
    m_slow->stop();
    m_readingFolder.clear();
}

void FilePicker::openFolder(const QString &folder) {
    startReading(folder, true, [this, folder](const shell::FolderReader &read) -> Apply {
        const shell::FolderListing listing = read(folder);
        return [this, listing] { folderRead(listing); };
    });
}

void FilePicker::folderRead(const shell::FolderListing &listing) {
    endReading();
    const QString before = m_choice.folder();
    m_loading = true;
    // Opened or not, the lists show the folder that is open, the drive list its drive
    // (stepping through folders can cross onto another volume).
    if (m_choice.openListing(listing))
        showLists();
    m_drives->setCurrentIndex(shell::driveFor(m_choice.folder(), driveRoots()));
    showError();
    m_loading = false;
    if (m_choice.folder() != before)
        emit folderChanged();
}

void FilePicker::move(shell::FileMove move) {
    const shell::MoveResult r =
        shell::moveSelection(move, m_choice.index(), int(m_choice.files().size()));
    // Selecting the row chooses the file as a click would: path() follows, fileChosen() comes.
    if (r.index != m_choice.index())
        m_files->setCurrentRow(r.index);
    if (r.listEnd)
        emit listEnd();
}

void FilePicker::showDrives(const QList<shell::Drive> &drives) {
    const bool was = m_loading;
    m_loading = true;
    QStringList roots;
    m_drives->clear();
    for (const shell::Drive &d : drives) {
        const QString root = QDir::toNativeSeparators(d.root);
        m_drives->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon),
                          d.label.isEmpty() ? root : root + QStringLiteral("  [") + d.label + u']',
                          d.root);
        roots << d.root;
    }
    m_drives->setCurrentIndex(shell::driveFor(m_choice.folder(), roots));
    m_loading = was;
}

void FilePicker::showLists() {
    const bool was = m_loading;
    m_loading = true;
    m_folders->clear();
    QTreeWidgetItem *parent = nullptr;
    QTreeWidgetItem *open = nullptr;
    const QList<shell::FolderEntry> &folders = m_choice.folders();
    for (int row = 0; row < folders.size(); ++row) {
        const shell::FolderEntry &f = folders[row];
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_folders);
        item->setText(0, f.name);
        // Open folders and the folders that lead to them look open, as in a folder tree.
        item->setIcon(0,
                      style()->standardIcon(f.open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirIcon));
        item->setData(0, kPathRole, f.path);
        item->setData(0, kRowRole, row);
        if (f.open) {
            parent = item;
            open = item;
        }
    }
    m_folders->expandAll();
    m_folders->setCurrentItem(open);

    m_files->clear();
    m_files->addItems(m_choice.files());
    m_files->setCurrentRow(m_choice.index());
    if (m_choice.index() >= 0)
        m_files->scrollToItem(m_files->currentItem());
    m_loading = was;
}

void FilePicker::driveChosen(int row) {
    if (m_loading || row < 0)
        return;
    openFolder(m_drives->itemData(row).toString());
}

void FilePicker::folderOpened(int row) {
    if (m_loading || row < 0)
        return;
    openFolder(m_choice.folders().value(row).path);
}

void FilePicker::fileSelected(int row) {
    if (m_loading || !m_choice.choose(row))
        return;
    m_presetPath.clear();
    if (m_files->currentRow() != row) {
        m_loading = true;
        m_files->setCurrentRow(row);
        m_loading = false;
    }
    emit fileChosen();
}

} // namespace vidorev
