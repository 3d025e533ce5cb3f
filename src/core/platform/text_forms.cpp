#include "platform/text_forms.h"

#include <cmath>

namespace vidorev::text {

namespace {

// The locale's long time format with its time-zone field removed.
QString longTimeFormatWithoutZone(const QLocale &locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        result += c;
    }
    return result.simplified();
}

} // namespace

QString diaryTime(const QTime &time, const QLocale &locale) {
    return locale.toString(time, longTimeFormatWithoutZone(locale));
}

QString diaryDate(const QDate &date) {
    return date.toString(QStringLiteral("MM-dd-yyyy"));
}

QString stamp(const QDateTime &at, const QLocale &locale) {
    return QStringLiteral(" @ ") + diaryTime(at.time(), locale) + u' ' + diaryDate(at.date());
}

QString number(double value, const QLocale &locale) {
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    if (value == 0.0)
        return QStringLiteral("0");
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::OmitLeadingZeroInExponent);
    QString text = plain.toString(value, 'g', 15);
    return text.replace(u'e', u'E');
}

QString storedDateTime(const QDateTime &at) {
    if (!at.isValid())
        return {};
    // With the offset in force at that moment: in the hour repeated when the clocks go back, the
    // local time alone names two moments an hour apart.
    return at.toOffsetFromUtc(at.offsetFromUtc()).toString(Qt::ISODate);
}

QDateTime parseStoredDateTime(const QString &text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    // A text with an offset names one moment, shown in local time; one without (as written
    // before the offset was kept) is read as local time.
    QDateTime parsed = QDateTime::fromString(trimmed, Qt::ISODate);
    if (parsed.isValid())
        return parsed.toLocalTime();
    static const char *const forms[] = {
        "M/d/yyyy h:mm:ss AP", "M/d/yyyy h:mm:ss ap", "M/d/yyyy H:mm:ss",
        "M/d/yyyy h:mm AP",    "M/d/yyyy H:mm",       "M/d/yyyy",
        "M-d-yyyy h:mm:ss AP", "M-d-yyyy H:mm:ss",
    };
    const QLocale c = QLocale::c();
    for (const char *form : forms) {
        parsed = c.toDateTime(trimmed, QString::fromLatin1(form));
        if (parsed.isValid())
            return parsed;
    }
    return {};
}

QTime parseDiaryTime(const QString &text) {
    const QString trimmed = text.trimmed();
    const QLocale c = QLocale::c();
    for (const char *form : {"h:mm:ss AP", "h:mm:ss ap", "H:mm:ss", "h:mm AP", "H:mm"}) {
        const QTime time = c.toTime(trimmed, QString::fromLatin1(form));
        if (time.isValid())
            return time;
    }
    return {};
}

std::optional<double> typedNumber(const QString &text, const QLocale &locale) {
    const QString trimmed = text.trimmed();
    for (QLocale l : {locale, QLocale::c()}) {
        l.setNumberOptions(QLocale::RejectGroupSeparator);
        bool ok = false;
        const double value = l.toDouble(trimmed, &ok);
        if (ok && std::isfinite(value))
            return value;
    }
    return std::nullopt;
}

} // namespace vidorev::text
