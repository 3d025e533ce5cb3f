#include "pictures/picture_probe.h"

#include "pictures/picture_facts.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>

namespace vidorev::pictures {

namespace {

PictureSize failed(const QString &why) {
    return PictureSize{false, 0, 0, why};
}

// The reader, set to turn the picture as the camera recorded.
struct OrientedReader {
    explicit OrientedReader(const QString &path)
        : reader(path) {
        reader.setAutoTransform(true);
    }
    explicit OrientedReader(QIODevice *device)
        : reader(device) {
        reader.setAutoTransform(true);
    }
    // The stored size and the size as shown.
    QSize stored() { return reader.size(); }
    QSize shown() {
        const QSize s = stored();
        return reader.transformation().testFlag(QImageIOHandler::TransformationRotate90)
                   ? s.transposed()
                   : s;
    }
    QImageReader reader;
};

PictureSize metafileProbe(const QString &path) {
    const MetafileSize m = readMetafileSize(path);
    return m.ok ? PictureSize{true, m.width, m.height, QString()} : failed(m.error);
}

QImage metafileStandIn(MetafileKind kind, const QSize &size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0xf4, 0xf1, 0xe8));
    QPainter p(&image);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DashLine));
    p.drawRect(image.rect().adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    const QString name = kind == MetafileKind::Wmf ? QStringLiteral("WMF") : QStringLiteral("EMF");
    p.drawText(image.rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap,
               name + QStringLiteral(" metafile\nnot drawn here"));
    return image;
}

} // namespace

PictureSize probePicture(const QString &path) {
    if (!QFileInfo(path).isFile())
        return failed(QStringLiteral("the file is missing"));
    if (metafileKindOfName(QFileInfo(path).fileName().toLower()) != MetafileKind::None)
        return metafileProbe(path);
    OrientedReader r(path);
    const QSize shown = r.shown();
    if (!shown.isValid())
        return failed(r.reader.errorString());
    return PictureSize{true, shown.width(), shown.height(), QString()};
}

Thumbnail decodeThumbnail(const QByteArray &bytes, const QString &name, int side) {
    Thumbnail t;
    t.metafile = metafileKindOfName(name.toLower());
    if (t.metafile != MetafileKind::None) {
        const MetafileSize m = metafileSize(bytes);
        t.size = m.ok ? PictureSize{true, m.width, m.height, QString()} : failed(m.error);
        if (t.size.ok)
            t.image = metafileStandIn(t.metafile,
                                      thumbnailSize(QSize(t.size.width, t.size.height), side));
        return t;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    OrientedReader r(&buffer);
    const QSize stored = r.stored();
    const QSize shown = r.shown();
    if (!stored.isValid()) {
        t.size = failed(r.reader.errorString());
        return t;
    }
    t.size = PictureSize{true, shown.width(), shown.height(), QString()};
    // The decoder scales before it turns, so the scale goes by the stored size.
    r.reader.setScaledSize(thumbnailSize(stored, side));
    t.image = r.reader.read();
    if (t.image.isNull())
        t.size = failed(r.reader.errorString());
    return t;
}

ShownFile readShownFile(const QString &path, int side) {
    ShownFile shown;
    shown.path = path;
    shown.file = readPictureFile(path);
    if (!shown.file.read) {
        shown.thumbnail.size = failed(shown.file.error);
        return shown;
    }
    shown.damage = pictureDamage(shown.file.bytes);
    if (shown.damage.isEmpty())
        shown.thumbnail = decodeThumbnail(shown.file.bytes, QFileInfo(path).fileName(), side);
    shown.file.bytes.clear();
    return shown;
}

ClipboardPicture readForClipboard(const QString &path, int standInSide) {
    ClipboardPicture copy;
    const QString name = QFileInfo(path).fileName();
    const PictureFile file = readPictureFile(path);
    if (!file.read) {
        copy.error = QStringLiteral("Cannot read %1: %2").arg(name, file.error);
        return copy;
    }
    copy.kind = metafileKindOfName(name);
    if (copy.kind != MetafileKind::None) {
        copy.metafile = file.bytes;
        return copy;
    }
    if (pictureDamage(file.bytes).isEmpty()) {
        QBuffer buffer;
        buffer.setData(file.bytes);
        buffer.open(QIODevice::ReadOnly);
        OrientedReader r(&buffer);
        copy.image = r.reader.read();
        // A metafile named in capitals goes as a bitmap: what is shown for it.
        if (copy.image.isNull() && metafileKindOfName(name.toLower()) != MetafileKind::None)
            copy.image = decodeThumbnail(file.bytes, name, standInSide).image;
    }
    if (copy.image.isNull())
        copy.error = QStringLiteral("Cannot read %1 as a picture.").arg(name);
    return copy;
}

QImage startingPicture() {
    QImage image(640, 480, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, QColor(0x2b, 0x5d, 0x9c));
    sky.setColorAt(1, QColor(0xf2, 0xc1, 0x7c));
    p.fillRect(0, 0, 640, 300, sky);
    p.fillRect(0, 300, 640, 180, QColor(0x3d, 0x6b, 0x3a));
    p.setBrush(QColor(0xff, 0xe0, 0x80));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(470, 230), 60, 60);
    p.setBrush(QColor(0x2f, 0x4f, 0x2f));
    p.drawPolygon(QPolygonF({QPointF(0, 300), QPointF(180, 150), QPointF(360, 300)}));
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(56);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 340, 640, 100), Qt::AlignCenter, QStringLiteral("Vidorev"));
    return image;
}

} // namespace vidorev::pictures
