#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QTime>

// The pieces of one Diary line that the reports and the merge look at. Everything works on the
// line's bytes: no copies, no decoding, so a ten-year Diary is read at disk speed.
namespace vidorev::diary {

// What the line's head says it is, as the writer builds it: "[code][Start]<", "[code][Stop ]{",
// "[code][Memo ]<" or "[code] {$amount$} [Memo ]<". Free text further on ("[Stop ]{999}" typed
// into a memo) never makes a record of a kind.
enum class RecordKind { Other, Start, Stop, Memo };

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

    bool isStart() const { return kind == RecordKind::Start; }
    bool isStop() const { return kind == RecordKind::Stop; }
    // The stamp of a Start record, and of a Stop record (which carries only a time).
    QByteArrayView start() const { return isStart() ? stamp : QByteArrayView(); }
    QByteArrayView stop() const { return isStop() ? stamp : QByteArrayView(); }
};

ParsedLine parseLine(QByteArrayView line);

// Whether the line's own tag (its first bracketed field) is exactly code; code as written in the
// Diary, that is escaped with escapeField().
bool tagIs(QByteArrayView line, QByteArrayView code);

// The text of a decimal number ("20", "-3", "12.50", " 7 ") as a double; false when it is not one.
bool parseNumber(QByteArrayView text, double *value);
// Whole minutes, 64-bit; false when the text is not a whole number.
bool parseMinutes(QByteArrayView text, qint64 *minutes);

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
