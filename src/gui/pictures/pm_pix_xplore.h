#pragma once

#include "pictures/files_listing.h"
#include "platform/services.h"

#include <QImage>
#include <QWidget>

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace vidorev {

class FileHooker;

// The picture-file thumbnail browser: pick a drive, a folder and a picture; see its thumbnail,
// name, size, creation date, width, height and megapixels; copy it; list the folder's pictures,
// or all its files, to "Files.lst".
class pmPixXplore : public QWidget {
    Q_OBJECT
public:
    explicit pmPixXplore(Services services, QWidget *parent = nullptr);
    ~pmPixXplore() override;

    QString host() const { return m_host; }
    // Writing it starts the panel at the remembered drive, folder and file.
    void setHost(const QString &host);

    // The thumbnail box's side, in pixels.
    static constexpr int kThumbSide = 161;

    bool listing() const { return m_run != nullptr; }
    // Stops a running listing; the old "Files.lst", if any, stays.
    void stopListing();

private:
    void folderChanged();
    void fileChosen();
    void showFile(const QString &path);
    void showNumbers(const QString &path, int width, int height, bool known);
    void showThumbnail(const QImage &image);
    void copy();
    void startListing(pictures::ListingKind kind);
    void listSome();
    void endListing();
    void setBusy(bool busy);
    void setListingControls(bool listing);
    void say(const QString &message);
    void stored(bool ok);

    Services m_services;
    QString m_host;
    bool m_loading = false;
    bool m_busy = false;
    bool m_settingBusy = false;
    // The picture held: a file, or the starting picture while heldPath is empty.
    QString m_heldPath;
    QImage m_starting;
    std::unique_ptr<pictures::ListingRun> m_run;
    QTimer *m_pump = nullptr;

    FileHooker *m_picker = nullptr;
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
