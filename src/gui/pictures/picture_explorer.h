#pragma once

#include "pictures/files_listing.h"
#include "pictures/picture_probe.h"
#include "platform/services.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vidorev {

class FilePicker;

namespace widgets {
class LatestRun;
}

// The picture-file thumbnail browser: pick a drive, a folder and a picture; see its thumbnail,
// name, size, creation date, width, height and megapixels; copy it; list the folder's pictures,
// or all its files, to "Files.lst".
class PictureExplorer : public QWidget {
    Q_OBJECT
public:
    explicit PictureExplorer(Services services, QWidget *parent = nullptr);
    ~PictureExplorer() override;

    QString host() const { return m_host; }
    // Writing it starts the panel at the remembered drive, folder and file.
    void setHost(const QString &host);

    // The thumbnail box's side, in pixels.
    static constexpr int kThumbSide = 161;

    bool listing() const { return m_listing; }
    // Stops a running listing; the old "Files.lst", if any, stays.
    void stopListing();
    // A chosen file is being read (off the window's thread; a newer choice supersedes it).
    bool reading() const;

    // How files are read, off the window's thread: tests put slow or blocked readers here.
    using ShowReader = std::function<pictures::ShownFile(const QString &path, int side)>;
    void setReaders(ShowReader show, pictures::PictureProbe probe);

private:
    void folderChanged();
    void fileChosen();
    void showFile(const QString &path);
    void fileRead(const pictures::ShownFile &shown);
    void showNumbers(const pictures::ListedFile &file, int width, int height, bool known);
    void showThumbnail(const QImage &image);
    void copy();
    void startListing(pictures::ListingKind kind);
    void listed(const pictures::ListedFile &file, int position, int length);
    void endListing(bool ok, const QString &error, const QStringList &unreadable, int count);
    void setBusy();
    void setListingControls(bool listing);
    void say(const QString &message);
    void stored(bool ok);

    Services m_services;
    QString m_host;
    bool m_loading = false;
    bool m_listing = false;
    bool m_busy = false;
    bool m_settingBusy = false;
    // The picture held: a file, or the starting picture while heldPath is empty.
    QString m_heldPath;
    QImage m_starting;
    ShowReader m_showReader;
    pictures::PictureProbe m_probe;
    widgets::LatestRun *m_reads = nullptr;
    widgets::LatestRun *m_copies = nullptr;
    widgets::LatestRun *m_listings = nullptr;

    FilePicker *m_picker = nullptr;
    QLabel *m_thumb = nullptr; // pbxMain
    QLineEdit *m_name = nullptr;
    QLineEdit *m_size = nullptr;
    QLineEdit *m_date = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_height = nullptr;
    QLineEdit *m_pixels = nullptr;
    QCheckBox *m_active = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_list = nullptr;
    QPushButton *m_listAll = nullptr;
    QPushButton *m_stop = nullptr;
    QLabel *m_status = nullptr;
};

} // namespace vidorev
