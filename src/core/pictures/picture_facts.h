#pragma once

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QSize>
#include <QString>

// The numbers the picture explorer shows and lists.
namespace vidorev::pictures {

// "1234567" -> "1,234,567"; fewer than four digits stay as they are. Sizes are 64-bit.
QString groupThousands(qint64 value);

// Width x height in pixels as megapixels (of 1,048,576 pixels), rounded half up to two places:
// 640 x 480 -> 0.29.
double megapixels(qint64 width, qint64 height);
QString megapixelText(qint64 width, qint64 height, const QLocale &locale = QLocale());

// A thumbnail keeps the picture's proportions with its longer side side long.
QSize thumbnailSize(const QSize &picture, int side);

// A length in hundredths of a millimetre as whole screen pixels (26.458 per pixel), half up.
int pixelsFromHundredthsMm(double hundredthsMm);

// The general date-time text a listing and the date box show: the locale's short date with the
// whole year, then its long time of day ("7/4/2003 10:15:00 AM").
QString generalDateTime(const QDateTime &at, const QLocale &locale = QLocale());

// When the file was made: its birth time where the file system records one, else the time its
// contents last changed.
QDateTime fileCreated(const QFileInfo &file);

} // namespace vidorev::pictures
