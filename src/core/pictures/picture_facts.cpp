#include "pictures/picture_facts.h"

#include "platform/text_forms.h"

#include <algorithm>
#include <cmath>

namespace vidorev::pictures {

QString groupThousands(qint64 value) {
    const bool negative = value < 0;
    QString digits = QString::number(negative ? -quint64(value) : quint64(value));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return negative ? u'-' + digits : digits;
}

double megapixels(qint64 width, qint64 height) {
    return std::floor(double(width) * double(height) / 10485.76 + 0.5) / 100.0;
}

QString megapixelText(qint64 width, qint64 height, const QLocale &locale) {
    return text::number(megapixels(width, height), locale);
}

QSize thumbnailSize(const QSize &picture, int side) {
    if (picture.width() <= 0 || picture.height() <= 0)
        return QSize();
    auto scaled = [side](int length, int longer) {
        return std::max(1, int(std::lround(double(length) * side / longer)));
    };
    if (picture.width() < picture.height())
        return QSize(scaled(picture.width(), picture.height()), side);
    return QSize(side, scaled(picture.height(), picture.width()));
}

int pixelsFromHundredthsMm(double hundredthsMm) {
    return int(std::floor(hundredthsMm / 26.458 + 0.5));
}

QString generalDateTime(const QDateTime &at, const QLocale &locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // A listing outlives its century: the year is always written whole.
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return locale.toString(at.date(), format) + u' ' + text::diaryTime(at.time(), locale);
}

QDateTime fileCreated(const QFileInfo &file) {
    const QDateTime born = file.birthTime();
    return born.isValid() ? born : file.lastModified();
}

} // namespace vidorev::pictures
