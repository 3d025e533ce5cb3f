#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

// The Diary's line grammar: one builder per record kind. Every record is one line whose only
// "@" is its stamp's; text in any field is escaped so that nothing typed can split a record,
// add a second stamp, reach a terminal as a control, or end its field early for a reader.
namespace vidorev::diary {

// "@" -> "at", TAB -> "&tab;", LF -> "&lf;", CR -> "&cr;"; every other control character
// (C0, DEL, C1 such as NEL) and U+2028/U+2029 -> "&#x" + upper-case hex + ";" ("&#x1B;").
// "&" itself stays as typed.
QString escape(const QString &text);
// A job code, tag, amount, task name or user name, the fields that sit among the grammar's
// delimiters: escape() and "[" -> "&lsqb;", "]" -> "&rsqb;", "<" -> "&lt;", ">" -> "&gt;",
// "{" -> "&lcub;", "}" -> "&rcub;". A reader that filters on "[" + code + "]" escapes the code
// it looks for the same way.
QString escapeField(const QString &text);

QString eventRecord(const QString &text, const QDateTime &at, const QLocale &locale = QLocale());
// An amount of money as typed in the locale (a decimal comma where the locale has one), in the
// Diary's own form ("12,50" -> "12.50", the places typed kept); "" for nothing typed, and no
// value for text that is no amount.
std::optional<QString> diaryAmount(const QString &typed, const QLocale &locale = QLocale());
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
