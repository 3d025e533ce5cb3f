#include "pictures/picture_explorer.h"

#include "pictures/metafile_header.h"
#include "pictures/picture_facts.h"
#include "pictures/picture_place.h"
#include "pictures/picture_probe.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"
#include "shell/file_choice.h"
#include "widgets/controls.h"
#include "widgets/file_picker.h"
#include "widgets/latest_run.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vidorev {

namespace {

// How often a listing shows how far it got.
constexpr int kProgressEveryMs = 50;

using widgets::LatestRun;

QLineEdit *readout(const QString &name, const QString &tip, const QString &label) {
    auto *box = new QLineEdit;
    box->setObjectName(name);
    box->setToolTip(tip);
    box->setAccessibleName(label);
    box->setReadOnly(true);
    controls::keepReadOnly(box);
    return box;
}

} // namespace

PictureExplorer::PictureExplorer(Services services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_starting(pictures::startingPicture())
    , m_showReader(pictures::readShownFile)
    , m_probe(pictures::probePicture)
    , m_reads(new LatestRun(this))
    , m_copies(new LatestRun(this))
    , m_listings(new LatestRun(this)) {
    m_picker = new FilePicker;
    m_picker->setObjectName(QStringLiteral("FileHooker1"));
    m_picker->findChild<QComboBox *>(QStringLiteral("Drive1"))
        ->setToolTip(QStringLiteral("Drive Selector"));
    m_picker->findChild<QTreeWidget *>(QStringLiteral("Dir1"))
        ->setToolTip(QStringLiteral("Select the folder with Pictures"));
    auto *files = m_picker->findChild<QListWidget *>(QStringLiteral("File1"));
    files->setToolTip(QStringLiteral("Select the picture file"));
    // Wide enough for a camera's file names.
    files->setMinimumWidth(files->fontMetrics().horizontalAdvance(QStringLiteral("IMG_0000.JPEG")) +
                           files->verticalScrollBar()->sizeHint().width() + 12);

    m_thumb = new QLabel;
    m_thumb->setObjectName(QStringLiteral("pbxMain"));
    m_thumb->setToolTip(QStringLiteral("Thumbnail of selected picture file"));
    m_thumb->setAccessibleName(QStringLiteral("Thumbnail"));
    m_thumb->setFixedSize(kThumbSide + 2, kThumbSide + 2);
    m_thumb->setFrameShape(QFrame::Box);
    m_thumb->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_thumb->setAutoFillBackground(true);
    m_thumb->setBackgroundRole(QPalette::Base);

    m_name = readout(QStringLiteral("txtFileName"), QStringLiteral("Current File"),
                     QStringLiteral("Current file"));
    m_size = readout(QStringLiteral("txtFileSize"), QStringLiteral("File Size"),
                     QStringLiteral("Size in bytes"));
    m_date = readout(QStringLiteral("txtFileDate"), QStringLiteral("File Creation Date"),
                     QStringLiteral("Created"));
    m_width = readout(QStringLiteral("txtWidth"), QStringLiteral("image Width in pixels"),
                      QStringLiteral("Width"));
    m_height = readout(QStringLiteral("txtHeight"), QStringLiteral("image Height in pixels"),
                       QStringLiteral("Height"));
    m_pixels = readout(QStringLiteral("txtPixels"), QStringLiteral("Megapixels in image"),
                       QStringLiteral("Megapixels"));

    m_active = new QCheckBox(QStringLiteral("Busy"));
    m_active->setObjectName(QStringLiteral("cbxActive"));
    m_active->setToolTip(
        QStringLiteral("Checked while thumbnail is being generated and file statistics updated"));
    m_copy = controls::button(QStringLiteral("cmdCopy"), QStringLiteral("Copy"),
                              QStringLiteral("Put Picture on clipboard"));
    m_list = controls::button(QStringLiteral("cmdList"), QStringLiteral("List"),
                              QStringLiteral("Write a graphics file-list"));
    m_listAll = controls::button(QStringLiteral("cmdListAll"), QStringLiteral("A L L"),
                                 QStringLiteral("Make a file list of all files"), nullptr,
                                 QStringLiteral("List all files"));
    m_stop = controls::button(QStringLiteral("cmdStop"), QStringLiteral("Stop"),
                              QStringLiteral("Stop the listing; Files.lst stays as it was"),
                              nullptr, QStringLiteral("Stop listing"));
    m_stop->setEnabled(false);

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setWordWrap(true);
    m_status->setStyleSheet(QStringLiteral("color: #a00000"));
    m_status->hide();

    auto *facts = new QGridLayout;
    const QList<QPair<QString, QLineEdit *>> rows{
        {QStringLiteral("File"), m_name},     {QStringLiteral("Size"), m_size},
        {QStringLiteral("Created"), m_date},  {QStringLiteral("Width"), m_width},
        {QStringLiteral("Height"), m_height}, {QStringLiteral("Megapixels"), m_pixels}};
    for (int i = 0; i < rows.size(); ++i) {
        auto *label = new QLabel(rows[i].first);
        label->setBuddy(rows[i].second);
        facts->addWidget(label, i, 0);
        facts->addWidget(rows[i].second, i, 1);
    }
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_copy, m_list, m_listAll, m_stop})
        buttons->addWidget(b);

    auto *right = new QVBoxLayout;
    auto *top = new QHBoxLayout;
    top->addWidget(m_thumb, 0, Qt::AlignTop);
    top->addWidget(m_active, 0, Qt::AlignTop);
    top->addStretch();
    right->addLayout(top);
    right->addLayout(facts);
    right->addLayout(buttons);
    right->addWidget(m_status);
    right->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_picker, 1);
    layout->addLayout(right, 1);
    setTabOrder(m_name, m_size);
    setTabOrder(m_size, m_date);
    setTabOrder(m_date, m_width);
    setTabOrder(m_width, m_height);
    setTabOrder(m_height, m_pixels);
    setTabOrder(m_pixels, m_active);
    setTabOrder(m_active, m_copy);

    connect(m_picker, &FilePicker::folderChanged, this, &PictureExplorer::folderChanged);
    connect(m_picker, &FilePicker::fileChosen, this, &PictureExplorer::fileChosen);
    connect(m_copy, &QPushButton::clicked, this, &PictureExplorer::copy);
    connect(m_list, &QPushButton::clicked, this,
            [this] { startListing(pictures::ListingKind::Pictures); });
    connect(m_listAll, &QPushButton::clicked, this,
            [this] { startListing(pictures::ListingKind::AllFiles); });
    connect(m_stop, &QPushButton::clicked, this, &PictureExplorer::stopListing);
    // The busy box tells; it is not for the user to set, by any way in.
    connect(m_active, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_settingBusy && on != m_busy)
            setBusy();
    });

    m_picker->setPattern(pictures::kBrowsePattern);
    showNumbers({}, m_starting.width(), m_starting.height(), true);
    showThumbnail(m_starting.scaled(
        pictures::thumbnailSize(m_starting.size(), kThumbSide * devicePixelRatio()),
        Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

PictureExplorer::~PictureExplorer() = default;

void PictureExplorer::setHost(const QString &host) {
    m_host = host;
    if (listing())
        return;
    const pictures::PicturePlace place = pictures::readPlace(m_services.store, host);
    m_picker->setPattern(pictures::kBrowsePattern);
    // The picker reads off the window's thread: each step follows once the one before was read.
    m_picker->setPath(place.folder, [this, place] {
        // A remembered folder that cannot be read any more is said, here, once the drive is open.
        const QString unreadable = m_picker->folderError();
        auto selectFile = [this, place, unreadable] {
            const int file =
                pictures::rememberedSelection(place.file, int(m_picker->files().size()));
            if (file >= 0)
                m_picker->setPath(
                    shell::joinFolderAndName(m_picker->folder(), m_picker->files()[file]));
            say(unreadable);
        };
        if (QDir::cleanPath(QDir::fromNativeSeparators(place.folder)) != m_picker->folder() &&
            !place.drive.isEmpty())
            m_picker->setPath(place.drive, selectFile);
        else
            selectFile();
    });
}

bool PictureExplorer::reading() const {
    return m_reads->isRunning() || m_copies->isRunning();
}

void PictureExplorer::setReaders(ShowReader show, pictures::PictureProbe probe) {
    m_showReader = std::move(show);
    m_probe = std::move(probe);
}

void PictureExplorer::folderChanged() {
    if (listing() || m_loading)
        return;
    // A new folder is browsed again, whatever a listing left the pattern at.
    if (m_picker->pattern() != pictures::kBrowsePattern)
        m_picker->setPattern(pictures::kBrowsePattern);
    SettingsStore::Batch batch(m_services.store);
    pictures::saveDrive(m_services.store, m_host, m_picker->drive());
    pictures::saveFolder(m_services.store, m_host, QDir::toNativeSeparators(m_picker->folder()));
    pictures::saveFile(m_services.store, m_host, -1);
    stored(batch.commit());
}

void PictureExplorer::fileChosen() {
    if (listing() || m_loading)
        return;
    say(QString());
    showFile(m_picker->path());
    stored(pictures::saveFile(m_services.store, m_host, m_picker->fileIndex()));
}

void PictureExplorer::showFile(const QString &path) {
    controls::showText(m_name, QDir::toNativeSeparators(path));
    m_heldPath = path;
    // Until the file is read, nothing of the one before stands beside its name.
    showThumbnail(QImage());
    showNumbers({}, 0, 0, false);
    // Read and decoded off the window's thread: a file may take long or never answer. A newer
    // choice supersedes this one, whose result is then dropped.
    const int side = int(kThumbSide * devicePixelRatio());
    m_reads->start([this, reader = m_showReader, path, side](const LatestRun::Handle &) {
        const pictures::ShownFile shown = reader(path, side);
        return LatestRun::Done([this, shown] { fileRead(shown); });
    });
    setBusy();
}

void PictureExplorer::fileRead(const pictures::ShownFile &shown) {
    const QString name = QFileInfo(shown.path).fileName();
    const pictures::Thumbnail &t = shown.thumbnail;
    const bool whole = t.size.ok && shown.damage.isEmpty();
    pictures::ListedFile facts;
    facts.present = shown.file.regular;
    facts.size = shown.file.size;
    facts.created = shown.file.created;
    showThumbnail(whole ? t.image : QImage());
    showNumbers(facts, t.size.width, t.size.height, whole);
    if (!shown.file.present)
        say(name + QStringLiteral(" is missing."));
    else if (!shown.damage.isEmpty())
        say(QStringLiteral("%1 is damaged: %2.").arg(name, shown.damage));
    else if (!t.size.ok)
        say(QStringLiteral("Cannot read %1 as a picture: %2").arg(name, t.size.error));
    setBusy();
}

void PictureExplorer::showNumbers(const pictures::ListedFile &file, int width, int height,
                                  bool known) {
    controls::showText(m_size, file.present ? pictures::groupThousands(file.size) : QString());
    controls::showText(m_date, file.present ? pictures::generalDateTime(file.created) : QString());
    controls::showText(m_width, known ? QString::number(width) : QString());
    controls::showText(m_height, known ? QString::number(height) : QString());
    controls::showText(m_pixels, known ? pictures::megapixelText(width, height) : QString());
}

void PictureExplorer::showThumbnail(const QImage &image) {
    if (image.isNull()) {
        m_thumb->clear();
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio());
    m_thumb->setPixmap(pixmap);
}

void PictureExplorer::copy() {
    say(QString());
    if (m_heldPath.isEmpty()) {
        QGuiApplication::clipboard()->setImage(m_starting);
        return;
    }
    m_copies->start([this, path = m_heldPath](const LatestRun::Handle &) {
        const pictures::ClipboardPicture picture = pictures::readForClipboard(path, kThumbSide);
        return LatestRun::Done([this, picture] {
            setBusy();
            if (!picture.error.isEmpty()) {
                say(picture.error);
            } else if (picture.kind != pictures::MetafileKind::None) {
                auto *data = new QMimeData;
                data->setData(pictures::metafileMimeType(picture.kind), picture.metafile);
                QGuiApplication::clipboard()->setMimeData(data);
            } else {
                QGuiApplication::clipboard()->setImage(picture.image);
            }
        });
    });
    setBusy();
}

void PictureExplorer::startListing(pictures::ListingKind kind) {
    if (listing())
        return;
    say(QString());
    m_loading = true;
    const bool pictures = kind == pictures::ListingKind::Pictures;
    m_picker->setPattern(pictures ? pictures::kPictureListPattern : pictures::kAllFilesPattern);
    const int start =
        pictures ? m_services.store.getInt(m_host, keys::kSecPictures, keys::kFile, -1) : 0;
    auto run = std::make_shared<pictures::ListingRun>(kind, m_picker->folder(), m_picker->files(),
                                                      start, m_probe);
    m_loading = false;
    if (run->atEnd()) // nothing to list: nothing is written
        return;
    // The listing reads every file of the folder: on a thread of its own, which Stop drops.
    m_reads->stop();
    m_listing = true;
    setListingControls(true);
    setBusy();
    m_listings->start([this, run](const LatestRun::Handle &handle) -> LatestRun::Done {
        if (!run->open())
            return [this, error = run->error()] { endListing(false, error, {}, 0); };
        QElapsedTimer shown;
        shown.start();
        while (!run->atEnd()) {
            if (handle.stopped())
                return {}; // the run's end drops what it wrote
            const pictures::ListedFile file = run->step();
            if (shown.elapsed() >= kProgressEveryMs) {
                shown.restart();
                handle.post([this, file, at = run->position(), of = run->length()] {
                    listed(file, at, of);
                });
            }
        }
        if (!handle.claimEnd())
            return {};
        const bool ok = run->finish();
        return [this, ok, error = run->error(), unreadable = run->unreadable(),
                count = run->fileCount()] { endListing(ok, error, unreadable, count); };
    });
}

void PictureExplorer::listed(const pictures::ListedFile &file, int position, int length) {
    controls::showText(m_name, file.path);
    showNumbers(file, file.picture.width, file.picture.height, file.picture.ok);
    say(QStringLiteral("Listing %1 of %2 files...")
            .arg(pictures::groupThousands(position), pictures::groupThousands(length)));
}

void PictureExplorer::endListing(bool ok, const QString &error, const QStringList &unreadable,
                                 int count) {
    if (!ok)
        say(QStringLiteral("Files.lst not written: %1").arg(error));
    else if (!unreadable.isEmpty())
        say(QStringLiteral("Files.lst written; not read as pictures: %1")
                .arg(unreadable.join(QStringLiteral(", "))));
    else
        say(QStringLiteral("Files.lst written: %1 files.").arg(count));
    m_listing = false;
    m_loading = true;
    m_picker->refresh();
    m_loading = false;
    setListingControls(false);
    setBusy();
}

void PictureExplorer::stopListing() {
    // Once the listing is being put in place it ends as written, and says so.
    if (!listing() || !m_listings->stop())
        return;
    m_listing = false;
    setListingControls(false);
    setBusy();
    say(QStringLiteral("Listing stopped; Files.lst left as it was."));
}

void PictureExplorer::setListingControls(bool on) {
    for (QWidget *w : {static_cast<QWidget *>(m_picker), static_cast<QWidget *>(m_copy),
                       static_cast<QWidget *>(m_list), static_cast<QWidget *>(m_listAll)})
        w->setEnabled(!on);
    m_stop->setEnabled(on);
    if (on)
        m_stop->setFocus();
}

void PictureExplorer::setBusy() {
    m_busy = m_listing || reading();
    m_settingBusy = true;
    m_active->setChecked(m_busy);
    m_settingBusy = false;
}

void PictureExplorer::say(const QString &message) {
    m_status->setText(message);
    m_status->setVisible(!message.isEmpty());
}

void PictureExplorer::stored(bool ok) {
    if (!ok)
        say(SettingsStore::notSavedMessage(m_services.store.lastError()));
}

} // namespace vidorev
