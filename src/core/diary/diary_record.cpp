#include "diary/diary_record.h"

#include "platform/text_forms.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vidorev::diary {

namespace {

// Characters that split a line for some reader, or that a terminal acts on: the C0 controls,
// DEL, the C1 controls (NEL among them) and the Unicode line and paragraph separators.
bool isControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

// "&#x1B;": upper-case hex, at least two digits.
QString numericEntity(char16_t c) {
    return QStringLiteral("&#x") + QString::number(c, 16).toUpper().rightJustified(2, u'0') + u';';
}

} // namespace

QString escape(const QString &text) {
    QString result;
    result.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'@':
            result += QLatin1String("at");
            break;
        case u'\t':
            result += QLatin1String("&tab;");
            break;
        case u'\n':
            result += QLatin1String("&lf;");
            break;
        case u'\r':
            result += QLatin1String("&cr;");
            break;
        default:
            if (isControl(c.unicode()))
                result += numericEntity(c.unicode());
            else
                result += c;
        }
    }
    return result;
}

QString escapeField(const QString &text) {
    // Readers take a code up to the line's first "]", a task name from its first "<", minutes
    // and amounts from its first "{" and records by their bracketed markers: no field may
    // supply any of these.
    static const std::array<std::pair<QChar, QLatin1String>, 6> kDelimiters{{
        {u'[', QLatin1String("&lsqb;")},
        {u']', QLatin1String("&rsqb;")},
        {u'<', QLatin1String("&lt;")},
        {u'>', QLatin1String("&gt;")},
        {u'{', QLatin1String("&lcub;")},
        {u'}', QLatin1String("&rcub;")},
    }};
    QString result = escape(text);
    for (const auto &[c, entity] : kDelimiters)
        result.replace(c, entity);
    return result;
}

QString eventRecord(const QString &text, const QDateTime &at, const QLocale &locale) {
    return QStringLiteral("[Event] ") + escape(text) + text::stamp(at, locale);
}

std::optional<QString> diaryAmount(const QString &typed, const QLocale &locale) {
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return QString();
    const std::optional<double> value = text::typedNumber(text, locale);
    if (!value)
        return std::nullopt;
    // Keep the places the user typed: "12,50" is 12.50, not 12.5.
    int places = 0;
    for (const QChar point : {locale.decimalPoint().front(), QChar(u'.')}) {
        const qsizetype at = text.lastIndexOf(point);
        if (at >= 0) {
            while (at + 1 + places < text.size() && text[at + 1 + places].isDigit())
                ++places;
            break;
        }
    }
    if (text.contains(u'e', Qt::CaseInsensitive))
        return text::number(*value, QLocale::c());
    return QLocale::c().toString(*value, 'f', std::min(places, 6));
}

QString memoRecord(const QString &jobCode, const QString &amount, const QString &taskName,
                   const QString &text, const QDateTime &at, const QLocale &locale) {
    const QString cash = amount.isEmpty()
                             ? QString()
                             : QStringLiteral(" {$") + escapeField(amount) + QStringLiteral("$} ");
    return u'[' + escapeField(jobCode) + u']' + cash + QStringLiteral("[Memo ]<") +
           escapeField(taskName) + QStringLiteral("> ") + escape(text) + text::stamp(at, locale);
}

QString noteRecord(const QString &tag, const QString &text, const QDateTime &at,
                   const QLocale &locale) {
    return u'[' + escapeField(tag) + QStringLiteral("][Note ] ") + escape(text) +
           text::stamp(at, locale);
}

QString upgradeRecord(const QString &user, const QString &versionText, const QDateTime &at,
                      const QLocale &locale) {
    return QStringLiteral("[Vidorev][Memo]<UpGrade> Loging for User ") + escapeField(user) +
           QStringLiteral(" is Vidorev Revision ") + versionText + text::stamp(at, locale);
}

QString startRecord(const QString &jobCode, const QString &taskName, const QDateTime &at,
                    const QLocale &locale) {
    return u'[' + escapeField(jobCode) + QStringLiteral("][Start]<") + escapeField(taskName) +
           u'>' + text::stamp(at, locale);
}

QString stopRecord(const QString &jobCode, const QString &taskName, qint64 runMinutes,
                   qint64 totalMinutes, const QDateTime &at, const QLocale &locale) {
    return u'[' + escapeField(jobCode) + QStringLiteral("][Stop ]{") + QString::number(runMinutes) +
           QStringLiteral("}<") + escapeField(taskName) + QStringLiteral("> @ ") +
           text::diaryTime(at.time(), locale) + QStringLiteral(" after ") +
           QString::number(totalMinutes) + QStringLiteral(" minutes");
}

QString taskFromFileRecord(const QString &listTitle, const QString &taskText, const QDateTime &at,
                           const QLocale &locale) {
    return QStringLiteral("[DoList][Note ] <AddTaskFromFile> (") + escape(listTitle) +
           QStringLiteral(") ") + escape(taskText) + text::stamp(at, locale);
}

} // namespace vidorev::diary
