#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

// A picture file as the explorer reads it to show it: whole, checked, and never waited on.
namespace vidorev::pictures {

// The largest picture file read to be shown; a camera's largest are a tenth of it.
constexpr qint64 kMaxPictureBytes = qint64(256) << 20;

struct PictureFile {
    bool present = false; // a file is there (of whatever kind)
    bool regular = false; // and it is a regular file: size and created tell of it
    bool read = false;    // bytes hold the whole file
    qint64 size = 0;
    QDateTime created;
    QByteArray bytes;
    QString error; // why it was not read ("it is not a regular file", the system's reason)
};

// Reads the file at path whole. What is not a regular file (a pipe, a device, a folder) is
// refused without being opened, and a read that would wait for data (a kernel log posing as a
// file) fails at once: no read here blocks for more data.
PictureFile readPictureFile(const QString &path, qint64 limit = kMaxPictureBytes);

// Why bytes, the whole of a picture file, are damaged: a JPEG or a BMP that ends before its
// picture does, which the decoder would fill with grey or black without a word. Empty when no
// damage is seen.
QString pictureDamage(QByteArrayView bytes);

} // namespace vidorev::pictures
