#pragma once

#include "pictures/files_listing.h"
#include "pictures/metafile_header.h"
#include "pictures/picture_file.h"

#include <QImage>
#include <QString>

// Reading pictures for the explorer: sizes from headers, thumbnails decoded at thumbnail size.
namespace vidorev::pictures {

// The picture's width and height as it is shown, turned as the camera recorded, read from its
// header only (a metafile's from its own header).
PictureSize probePicture(const QString &path);

struct Thumbnail {
    QImage image; // empty when the file cannot be read
    PictureSize size;
    MetafileKind metafile = MetafileKind::None;
};
// The picture in bytes (the whole of the file named name) decoded straight to its thumbnail,
// longer side side pixels. A metafile, which cannot be drawn here, gets a drawn stand-in that
// says so.
Thumbnail decodeThumbnail(const QByteArray &bytes, const QString &name, int side);

// What the explorer shows of a file: its facts, its thumbnail, and why it cannot be shown.
struct ShownFile {
    QString path;
    PictureFile file; // its bytes are dropped once decoded
    Thumbnail thumbnail;
    QString damage; // why the picture is damaged; empty when no damage is seen
};
// Reads path and decodes its thumbnail. Takes as long as the read: run it off the window's
// thread.
ShownFile readShownFile(const QString &path, int side);

// What "Copy" puts on the clipboard: a metafile's own bytes (kind not None), or a picture.
struct ClipboardPicture {
    MetafileKind kind = MetafileKind::None;
    QByteArray metafile;
    QImage image;
    QString error; // why there is nothing to copy
};
// The picture at path for the clipboard, read off the window's thread. A metafile goes under
// its own type only when its name says ".wmf" or ".emf" in lower case; one named otherwise goes
// as the stand-in shown for it, standInSide pixels long.
ClipboardPicture readForClipboard(const QString &path, int standInSide);

// The picture the explorer holds before any file is chosen: 640 x 480, drawn here.
QImage startingPicture();

} // namespace vidorev::pictures
