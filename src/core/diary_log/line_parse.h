#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QTime>

// The pieces of one Diary line that the reports and the merge look at. Everything works on the
// line's bytes: no copies, no decoding, so a ten-year Diary is read at disk speed.
namespace vidorev::diary {

// What the line's head says it is, as the writer builds it: "[code][Start]<", "[code][Stop ]{",
// "[code][Memo ]<" or "[code] {$amount$} [Memo ]<". Free text further on ("[Stop ]{999}" typed
// into a memo) never makes a record of a kind.
enum class RecordKind { Other, Start, Stop, Memo };

// A figure that cannot be real is never added by any reader: a run of more minutes than a
// hundred years hold, an amount beyond a thousand million million either way.
inline constexpr qint64 kMostRunMinutes = qint64(36525) * 24 * 60;
inline constexpr double kMostAmount = 1e15;

// What a minutes or amount field holds: nothing (empty), a real figure, or text that cannot be
// one (not a number, not finite, negative minutes, or beyond the limits above).
enum class Figure { None, Real, Impossible };
// Run minutes: whole minutes from 0 to kMostRunMinutes; a fraction rounds.
Figure runMinutesFigure(QByteArrayView text, qint64 *minutes);
// An amount of money, positive or negative.
Figure amountFigure(QByteArrayView text, double *amount);

struct ParsedLine {
    RecordKind kind = RecordKind::Other;
    QByteArrayView tag;   // between the first "[" and the first "]" after it
    QByteArrayView task;  // between the first "<" and the first ">" after the tag's "]"
    QByteArrayView stamp; // after the first "@", up to "after" when one follows; leading blank kept
    QByteArrayView minutes; // a Stop record's run minutes ("{20}" right after "[Stop ]")
    QByteArrayView cash;    // a Memo record's amount ("{$12.50$}" before "[Memo ]")
    QByteArrayView memo;    // a Memo record's text: after its task's ">" up to two before the "@"
    bool hasTag = false;
    bool hasStamp = false;
    // The figures every reader adds: a Stop's run minutes and a Memo's amount, when real.
    qint64 runMinutes = 0;
    double amount = 0.0;
    bool hasRunMinutes = false;
    bool hasAmount = false;
    // The minutes or the amount is there but cannot be real: the line adds nothing anywhere
    // and its reader notes it (badFigureWhy()).
    bool badFigure = false;

    bool isStart() const { return kind == RecordKind::Start; }
    bool isStop() const { return kind == RecordKind::Stop; }
    // The stamp of a Start record, and of a Stop record (which carries only a time).
    QByteArrayView start() const { return isStart() ? stamp : QByteArrayView(); }
    QByteArrayView stop() const { return isStop() ? stamp : QByteArrayView(); }
};

ParsedLine parseLine(QByteArrayView line);
// Why a line's figure was not taken, for the user: "run minutes "-100" cannot be real".
QString badFigureWhy(const ParsedLine &line);

// Whether the line's own tag (its first bracketed field) is exactly code; code as written in the
// Diary, that is escaped with escapeField().
bool tagIs(QByteArrayView line, QByteArrayView code);

// The text of a decimal number ("20", "-3", "12.50", " 7 ") as a double; false when it is not one.
bool parseNumber(QByteArrayView text, double *value);
// A running sum of minutes that stops at the 64-bit ends rather than wrapping.
void addMinutes(qint64 *total, qint64 minutes);

// A stamp's time and date (" 3:45:12 PM 12-04-2026", " 15:45:12 12-04-2026"): 12- or 24-hour
// time, then a Diary date. A Stop record's stamp has a time only: date is then invalid.
struct StampTime {
    QTime time;
    QDate date;
};
StampTime parseStamp(QByteArrayView stamp);

// A key that orders stamps by date and then time of day (local wall time, as written), or -1
// when the stamp has no readable date and time.
qint64 stampKey(QByteArrayView stamp);

} // namespace vidorev::diary
