#include "diary_log/line_parse.h"

#include "diary_log/line_reader.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vidorev::diary {
namespace {

constexpr QByteArrayView kStart("[Start]");
constexpr QByteArrayView kStop("[Stop ]");
constexpr QByteArrayView kMemo("[Memo ]");

QByteArrayView between(QByteArrayView line, qsizetype from, char open, char close) {
    const qsizetype a = line.indexOf(open, from);
    if (a < 0)
        return {};
    const qsizetype b = line.indexOf(close, a + 1);
    if (b < 0)
        return {};
    return line.sliced(a + 1, b - a - 1);
}

QByteArrayView trimmed(QByteArrayView text) {
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

// Reads up to max digits at pos; -1 when there is none.
int digits(QByteArrayView text, qsizetype *pos, int max) {
    int value = 0;
    int count = 0;
    while (*pos < text.size() && count < max && text[*pos] >= '0' && text[*pos] <= '9') {
        value = value * 10 + (text[*pos] - '0');
        ++*pos;
        ++count;
    }
    return count == 0 ? -1 : value;
}

// A field's text in a message: as written, cut short, with control characters shown.
QString quoted(QByteArrayView field) {
    constexpr qsizetype kShown = 24;
    field = trimmed(field);
    QString text = lineText(field.first(std::min(field.size(), kShown)));
    if (field.size() > kShown)
        text += QStringLiteral("...");
    return u'"' + visibleText(text) + u'"';
}

// The figures of a Stop or a Memo record.
void takeFigures(ParsedLine &p) {
    if (p.isStop()) {
        const Figure f = runMinutesFigure(p.minutes, &p.runMinutes);
        p.hasRunMinutes = f == Figure::Real;
        p.badFigure = f == Figure::Impossible;
    } else if (p.kind == RecordKind::Memo) {
        const Figure f = amountFigure(p.cash, &p.amount);
        p.hasAmount = f == Figure::Real;
        p.badFigure = f == Figure::Impossible;
    }
}

} // namespace

Figure runMinutesFigure(QByteArrayView text, qint64 *minutes) {
    if (trimmed(text).isEmpty())
        return Figure::None;
    double value = 0;
    if (!parseNumber(text, &value) || !std::isfinite(value) || value < 0 ||
        value >= double(kMostRunMinutes) + 0.5)
        return Figure::Impossible;
    *minutes = std::llround(value);
    return Figure::Real;
}

Figure amountFigure(QByteArrayView text, double *amount) {
    if (trimmed(text).isEmpty())
        return Figure::None;
    double value = 0;
    if (!parseNumber(text, &value) || !std::isfinite(value) || std::fabs(value) > kMostAmount)
        return Figure::Impossible;
    *amount = value;
    return Figure::Real;
}

QString badFigureWhy(const ParsedLine &line) {
    if (!line.badFigure)
        return {};
    return line.isStop() ? QStringLiteral("run minutes %1 cannot be real").arg(quoted(line.minutes))
                         : QStringLiteral("amount %1 cannot be real").arg(quoted(line.cash));
}

ParsedLine parseLine(QByteArrayView line) {
    ParsedLine p;
    const qsizetype at = line.indexOf('@');
    if (at >= 0) {
        p.hasStamp = true;
        p.stamp = line.sliced(at + 1);
        const qsizetype after = p.stamp.indexOf(QByteArrayView("after"));
        if (after >= 0)
            p.stamp.truncate(after);
    }
    const qsizetype open = line.indexOf('[');
    if (open < 0)
        return p;
    const qsizetype close = line.indexOf(']', open + 1);
    if (close < 0)
        return p;
    p.hasTag = true;
    p.tag = line.sliced(open + 1, close - open - 1);
    p.task = between(line, close + 1, '<', '>');

    // The head decides the kind only where the writer puts it: at the start of the line.
    if (open != 0)
        return p;
    QByteArrayView head = line.sliced(close + 1);
    if (head.startsWith(kStart)) {
        p.kind = RecordKind::Start;
    } else if (head.startsWith(kStop)) {
        p.kind = RecordKind::Stop;
        head = head.sliced(kStop.size());
        if (head.startsWith('{')) {
            const qsizetype end = head.indexOf('}');
            if (end > 0)
                p.minutes = head.sliced(1, end - 1);
        }
        takeFigures(p);
    } else {
        if (head.startsWith(QByteArrayView(" {$"))) {
            const qsizetype end = head.indexOf(QByteArrayView("$}"), 3);
            if (end < 0 || !head.sliced(end + 2).startsWith(QByteArrayView(" [Memo ]")))
                return p;
            p.cash = head.sliced(3, end - 3);
            head = head.sliced(end + 3);
        }
        if (!head.startsWith(kMemo))
            return p;
        p.kind = RecordKind::Memo;
        const qsizetype headAt = line.size() - head.size();
        qsizetype textFrom = headAt + kMemo.size();
        if (textFrom < line.size() && line[textFrom] == '<') {
            const qsizetype gt = line.indexOf('>', textFrom + 1);
            if (gt >= 0)
                textFrom = gt + 1;
        }
        const qsizetype textEnd = at >= textFrom ? at - 1 : line.size();
        if (textEnd > textFrom)
            p.memo = line.sliced(textFrom, textEnd - textFrom);
        takeFigures(p);
    }
    return p;
}

bool tagIs(QByteArrayView line, QByteArrayView code) {
    return line.size() >= code.size() + 2 && line[0] == '[' && line[code.size() + 1] == ']' &&
           line.sliced(1, code.size()) == code;
}

bool parseNumber(QByteArrayView text, double *value) {
    text = trimmed(text);
    if (text.startsWith('+'))
        text = text.sliced(1);
    if (text.isEmpty())
        return false;
    const char *end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, *value);
    return result.ec == std::errc() && result.ptr == end;
}

void addMinutes(qint64 *total, qint64 minutes) {
    if (__builtin_add_overflow(*total, minutes, total))
        *total =
            minutes > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

StampTime parseStamp(QByteArrayView stamp) {
    StampTime out;
    const QByteArrayView text = trimmed(stamp);
    qsizetype pos = 0;
    int hour = digits(text, &pos, 2);
    if (hour < 0 || pos >= text.size() || text[pos] != ':')
        return out;
    ++pos;
    const int minute = digits(text, &pos, 2);
    if (minute < 0)
        return out;
    int second = 0;
    if (pos < text.size() && text[pos] == ':') {
        ++pos;
        second = digits(text, &pos, 2);
        if (second < 0)
            return out;
    }
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    // 12-hour forms: "AM"/"PM" in either case, with or without dots ("a.m.").
    if (pos < text.size() && (text[pos] | 0x20) != 'a' && (text[pos] | 0x20) != 'p') {
        // 24-hour form: nothing to adjust.
    } else if (pos < text.size()) {
        const bool pm = (text[pos] | 0x20) == 'p';
        ++pos;
        if (pos < text.size() && text[pos] == '.')
            ++pos;
        if (pos >= text.size() || (text[pos] | 0x20) != 'm')
            return out;
        ++pos;
        if (pos < text.size() && text[pos] == '.')
            ++pos;
        if (hour < 1 || hour > 12)
            return out;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    out.time = QTime(hour, minute, second);
    if (!out.time.isValid())
        return out;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    const int month = digits(text, &pos, 2);
    if (month < 0 || pos >= text.size() || text[pos] != '-')
        return out;
    ++pos;
    const int day = digits(text, &pos, 2);
    if (day < 0 || pos >= text.size() || text[pos] != '-')
        return out;
    ++pos;
    const int year = digits(text, &pos, 4);
    if (year < 0 || pos != text.size())
        return out;
    out.date = QDate(year, month, day);
    return out;
}

qint64 stampKey(QByteArrayView stamp) {
    const StampTime t = parseStamp(stamp);
    if (!t.time.isValid() || !t.date.isValid())
        return -1;
    return t.date.toJulianDay() * 86400 + t.time.msecsSinceStartOfDay() / 1000;
}

} // namespace vidorev::diary
