#pragma once

#include "pictures/files_listing.h"
#include "pictures/metafile_header.h"

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
// The picture decoded straight to its thumbnail, longer side side pixels. A metafile, which
// cannot be drawn here, gets a drawn stand-in that says so.
Thumbnail loadThumbnail(const QString &path, int side);

// The whole picture, for the clipboard; empty when it cannot be read.
QImage loadPicture(const QString &path);

// The picture the explorer holds before any file is chosen: 640 x 480, drawn here.
QImage startingPicture();

} // namespace vidorev::pictures
