#pragma once

#include <QByteArray>
#include <QString>

// Windows metafiles, which the picture reader cannot draw: their size comes from their own header.
namespace vidorev::pictures {

enum class MetafileKind { None, Wmf, Emf };

// The kind a file name says, by ".wmf" or ".emf" anywhere in it, spelled exactly so.
MetafileKind metafileKindOfName(const QString &fileName);
// The clipboard type for the kind: "image/x-wmf" or "image/x-emf".
QString metafileMimeType(MetafileKind kind);

struct MetafileSize {
    bool ok = false;
    int width = 0; // pixels
    int height = 0;
    double widthHundredthsMm = 0;
    double heightHundredthsMm = 0;
    QString error; // why there is no size, when !ok
};

// The size recorded at the start of a metafile: an EMF's frame (in 0.01 mm) or a placeable
// WMF's bounding box (in units of which its header says how many make an inch).
MetafileSize metafileSize(const QByteArray &head);
// Reads only the header of the file at path.
MetafileSize readMetafileSize(const QString &path);

} // namespace vidorev::pictures
