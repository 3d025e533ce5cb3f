#include "pictures/metafile_header.h"

#include "pictures/picture_facts.h"

#include <QFile>
#include <QtEndian>

#include <cstdlib>

namespace vidorev::pictures {

namespace {

constexpr quint32 kEmfHeaderRecord = 1;
constexpr quint32 kEmfSignature = 0x464D4520; // " EMF"
constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kEmfHeadBytes = 44;
constexpr int kPlaceableHeadBytes = 22;

qint32 i32(const QByteArray &b, int at) {
    return qFromLittleEndian<qint32>(b.constData() + at);
}
quint32 u32(const QByteArray &b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
qint16 i16(const QByteArray &b, int at) {
    return qFromLittleEndian<qint16>(b.constData() + at);
}
quint16 u16(const QByteArray &b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

MetafileSize sized(double widthHmm, double heightHmm) {
    MetafileSize s;
    s.ok = true;
    s.widthHundredthsMm = widthHmm;
    s.heightHundredthsMm = heightHmm;
    s.width = pixelsFromHundredthsMm(widthHmm);
    s.height = pixelsFromHundredthsMm(heightHmm);
    return s;
}

MetafileSize failed(const QString &why) {
    MetafileSize s;
    s.error = why;
    return s;
}

} // namespace

MetafileKind metafileKindOfName(const QString &fileName) {
    if (fileName.contains(QStringLiteral(".wmf")))
        return MetafileKind::Wmf;
    if (fileName.contains(QStringLiteral(".emf")))
        return MetafileKind::Emf;
    return MetafileKind::None;
}

QString metafileMimeType(MetafileKind kind) {
    switch (kind) {
    case MetafileKind::Wmf:
        return QStringLiteral("image/x-wmf");
    case MetafileKind::Emf:
        return QStringLiteral("image/x-emf");
    case MetafileKind::None:
        break;
    }
    return QString();
}

MetafileSize metafileSize(const QByteArray &head) {
    if (head.size() >= kEmfHeadBytes && u32(head, 0) == kEmfHeaderRecord &&
        u32(head, 40) == kEmfSignature) {
        // The frame: left, top, right, bottom in hundredths of a millimetre.
        const double w = std::abs(double(i32(head, 32)) - i32(head, 24));
        const double h = std::abs(double(i32(head, 36)) - i32(head, 28));
        return sized(w, h);
    }
    if (head.size() >= kPlaceableHeadBytes && u32(head, 0) == kPlaceableKey) {
        const quint16 inch = u16(head, 14);
        if (inch == 0)
            return failed(QStringLiteral("the metafile gives no units per inch"));
        const double perUnit = 2540.0 / inch;
        const double w = std::abs(int(i16(head, 10)) - int(i16(head, 6))) * perUnit;
        const double h = std::abs(int(i16(head, 12)) - int(i16(head, 8))) * perUnit;
        return sized(w, h);
    }
    return failed(QStringLiteral("not a placeable WMF or an EMF with a frame"));
}

MetafileSize readMetafileSize(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(file.errorString());
    return metafileSize(file.read(kEmfHeadBytes));
}

} // namespace vidorev::pictures
