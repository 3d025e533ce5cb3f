#include "calc/typed_number.h"

#include <cmath>

namespace vidorev::calc {

std::optional<double> localeNumber(const QString &text, const QLocale &locale) {
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    // "inf" and "nan" pass the locale's conversion but are no numbers to calculate with.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

namespace {

int romanLetterValue(QChar c) {
    switch (c.unicode()) {
    case u'M':
        return 1000;
    case u'D':
        return 500;
    case u'C':
        return 100;
    case u'L':
        return 50;
    case u'X':
        return 10;
    case u'V':
        return 5;
    case u'I':
        return 1;
    default:
        return 0;
    }
}

// A smaller letter before a larger one: the smaller was already added once, so the pair adds
// the difference less the smaller (CM adds 800 after the C's 100).
int subtractivePair(QChar previous, QChar c) {
    static const struct {
        char16_t previous, c;
        int adds;
    } pairs[] = {{u'C', u'M', 800}, {u'C', u'D', 300}, {u'X', u'C', 80},
                 {u'X', u'L', 30},  {u'I', u'X', 8},   {u'I', u'V', 3}};
    for (const auto &pair : pairs)
        if (previous == QChar(pair.previous) && c == QChar(pair.c))
            return pair.adds;
    return 0;
}

bool forbiddenPair(QChar previous, QChar c) {
    static const char16_t pairs[][2] = {{u'D', u'D'}, {u'L', u'L'}, {u'V', u'V'},
                                        {u'D', u'M'}, {u'L', u'D'}, {u'V', u'L'}};
    for (const auto &pair : pairs)
        if (previous == QChar(pair[0]) && c == QChar(pair[1]))
            return true;
    return false;
}

ParsedNumber parseHex(const QString &upper) {
    double sum = 0.0;
    for (qsizetype i = 2; i < upper.size(); ++i) {
        const QChar c = upper[i];
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c.unicode() - u'0';
        else if (c >= u'A' && c <= u'F')
            digit = c.unicode() - u'A' + 10;
        else
            break;
        sum = sum * 16.0 + digit;
        if (std::isinf(sum))
            return {false, 0.0, CalcFault::Overflow};
    }
    return {true, sum, CalcFault::None};
}

ParsedNumber parseRoman(const QString &upper) {
    double sum = 0.0;
    QChar previous;
    for (const QChar c : upper) {
        bool recognised = false;
        if (const int adds = subtractivePair(previous, c); adds != 0) {
            sum += adds;
            recognised = true;
        }
        if (forbiddenPair(previous, c))
            return {};
        if (!recognised) {
            const int letter = romanLetterValue(c);
            if (letter == 0)
                return {};
            sum += letter;
        }
        previous = c;
    }
    return {true, sum, CalcFault::None};
}

} // namespace

ParsedNumber parseHexOrRoman(const QString &text) {
    const QString upper = text.toUpper();
    if (upper.startsWith(QStringLiteral("0X")))
        return parseHex(upper);
    return parseRoman(upper);
}

QString entryKey(QChar c) {
    switch (c.unicode()) {
    case u'=':
    case u'+':
    case u'-':
    case u')':
    case u'(':
    case u'*':
    case u'/':
    case u'%':
    case u'r':
    case u'q':
    case u'n':
    case u't':
        return QString(c);
    case u'R':
    case u'Q':
    case u'N':
    case u'T':
        return QString(c.toLower());
    default:
        return QString();
    }
}

EntryEdit readEntryEdit(const QString &text, const QLocale &locale) {
    EntryEdit edit;
    edit.text = text;
    if (!text.isEmpty()) {
        edit.conKey = entryKey(text.back());
        if (!edit.conKey.isEmpty())
            edit.text.chop(1);
    }
    if (const auto number = localeNumber(edit.text, locale)) {
        edit.recognised = true;
        edit.value = *number;
        return edit;
    }
    const ParsedNumber parsed = parseHexOrRoman(edit.text);
    edit.recognised = parsed.accepted;
    edit.value = parsed.value;
    edit.fault = parsed.fault;
    return edit;
}

} // namespace vidorev::calc
