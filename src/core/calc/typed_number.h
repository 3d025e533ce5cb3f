#pragma once

#include "calc/calc_fault.h"

#include <QLocale>
#include <QString>

#include <optional>

// Reading the calculator's entry line: a trailing key character, decimal numbers as the locale
// writes them, "0x" hexadecimal, and Roman numerals in either case.
namespace vidorev::calc {

// The locale's numeric test: the whole text is a finite number.
std::optional<double> localeNumber(const QString &text, const QLocale &locale = QLocale());

// The parser for text that is not a decimal number.
struct ParsedNumber {
    bool accepted = false;
    double value = 0.0;
    CalcFault fault = CalcFault::None; // a hexadecimal number too long for a double
};
ParsedNumber parseHexOrRoman(const QString &text);

// The key a character stands for on the entry line ("=", "+", "-", ")", "(", "*", "/", "r",
// "%", "q", "n", "t"; the letters in either case), or an empty string.
QString entryKey(QChar c);

// What one edit of the entry line means.
struct EntryEdit {
    QString conKey;          // the key typed as the last character, or empty
    QString text;            // the line after the key character has been taken off
    bool recognised = false; // the remaining text is a number: value holds it
    double value = 0.0;
    CalcFault fault = CalcFault::None;
};
EntryEdit readEntryEdit(const QString &text, const QLocale &locale = QLocale());

} // namespace vidorev::calc
