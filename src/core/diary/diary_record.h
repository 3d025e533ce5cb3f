#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The Diary's line grammar: one builder per record kind. Every record is one line whose only
// "@" is its stamp's; free text in any field is escaped so that no typed "@", TAB or line
// break can split a record or add a second stamp.
namespace vidorev::diary {

// "@" -> "at", TAB -> "&tab;", LF -> "&lf;", CR -> "&cr;".
QString escape(const QString &text);

QString eventRecord(const QString &text, const QDateTime &at, const QLocale &locale = QLocale());
// amount empty: no cash piece.
QString memoRecord(const QString &jobCode, const QString &amount, const QString &taskName,
                   const QString &text, const QDateTime &at, const QLocale &locale = QLocale());
QString noteRecord(const QString &tag, const QString &text, const QDateTime &at,
                   const QLocale &locale = QLocale());
QString upgradeRecord(const QString &user, const QString &versionText, const QDateTime &at,
                      const QLocale &locale = QLocale());
QString startRecord(const QString &jobCode, const QString &taskName, const QDateTime &at,
                    const QLocale &locale = QLocale());
// A Stop record carries no date: its stamp ends with the total minutes.
QString stopRecord(const QString &jobCode, const QString &taskName, qint64 runMinutes,
                   qint64 totalMinutes, const QDateTime &at, const QLocale &locale = QLocale());
QString taskFromFileRecord(const QString &listTitle, const QString &taskText, const QDateTime &at,
                           const QLocale &locale = QLocale());

} // namespace vidorev::diary
