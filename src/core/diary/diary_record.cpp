#include "diary/diary_record.h"

#include "platform/text_forms.h"

namespace vidorev::diary {

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
            result += c;
        }
    }
    return result;
}

QString eventRecord(const QString &text, const QDateTime &at, const QLocale &locale) {
    return QStringLiteral("[Event] ") + escape(text) + text::stamp(at, locale);
}

QString memoRecord(const QString &jobCode, const QString &amount, const QString &taskName,
                   const QString &text, const QDateTime &at, const QLocale &locale) {
    const QString cash = amount.isEmpty()
                             ? QString()
                             : QStringLiteral(" {$") + escape(amount) + QStringLiteral("$} ");
    return u'[' + escape(jobCode) + u']' + cash + QStringLiteral("[Memo ]<") + escape(taskName) +
           QStringLiteral("> ") + escape(text) + text::stamp(at, locale);
}

QString noteRecord(const QString &tag, const QString &text, const QDateTime &at,
                   const QLocale &locale) {
    return u'[' + escape(tag) + QStringLiteral("][Note ] ") + escape(text) +
           text::stamp(at, locale);
}

QString upgradeRecord(const QString &user, const QString &versionText, const QDateTime &at,
                      const QLocale &locale) {
    return QStringLiteral("[Vidorev][Memo]<UpGrade> Loging for User ") + escape(user) +
           QStringLiteral(" is Vidorev Revision ") + versionText + text::stamp(at, locale);
}

QString startRecord(const QString &jobCode, const QString &taskName, const QDateTime &at,
                    const QLocale &locale) {
    return u'[' + escape(jobCode) + QStringLiteral("][Start]<") + escape(taskName) + u'>' +
           text::stamp(at, locale);
}

QString stopRecord(const QString &jobCode, const QString &taskName, qint64 runMinutes,
                   qint64 totalMinutes, const QDateTime &at, const QLocale &locale) {
    return u'[' + escape(jobCode) + QStringLiteral("][Stop ]{") + QString::number(runMinutes) +
           QStringLiteral("}<") + escape(taskName) + QStringLiteral("> @ ") +
           text::diaryTime(at.time(), locale) + QStringLiteral(" after ") +
           QString::number(totalMinutes) + QStringLiteral(" minutes");
}

QString taskFromFileRecord(const QString &listTitle, const QString &taskText, const QDateTime &at,
                           const QLocale &locale) {
    return QStringLiteral("[DoList][Note ] <AddTaskFromFile> (") + escape(listTitle) +
           QStringLiteral(") ") + escape(taskText) + text::stamp(at, locale);
}

} // namespace vidorev::diary
