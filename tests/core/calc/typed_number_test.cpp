#include "calc/typed_number.h"
#include "test_env.h"

using namespace vidorev::calc;

namespace {

// Hexadecimal up to its first non-digit, or Roman numerals without forbidden pairs; the empty
// line is the numeral 0; more hex digits than a double holds is an overflow.
TEST(TypedNumber, HexOrRomanNumeralsAndLocaleNumbers) {
    QStringList read;
    for (const char *text : {"0X6A7", "0x", "0x1g5", "xxv", "MCMXCIX", "IIV", "", "VV", "LD", "DM",
                             "VL", "vv", "12a", "X V", "INF", "x0x1"}) {
        const ParsedNumber p = parseHexOrRoman(text);
        read << (p.accepted ? QString::number(p.value) : "no");
    }
    EXPECT_EQ(read.join(' '), "1703 0 1 25 1999 5 0 no no no no no no no no no");
    EXPECT_GT(parseHexOrRoman("0x" + QString(255, u'F')).value, 1e306);
    EXPECT_EQ(parseHexOrRoman("0x" + QString(300, u'F')).fault, CalcFault::Overflow);
    EXPECT_EQ(parseHexOrRoman("VV").fault, CalcFault::None);
    EXPECT_EQ(localeNumber("1E+12"), 1e12);
    for (const char *text : {"", "inf", "nan", "1e400", "12a"})
        EXPECT_FALSE(localeNumber(text)) << text;
}

// The last character of an edit may be a key (a capital key letter counts as its small one),
// the rest a number; a key taken off a rest that is no number is lost.
TEST(TypedNumber, TheLastCharacterMayBeAKeyAndTheRestANumber) {
    const std::pair<const char *, const char *> edits[] = {
        {"34*", "* 34 34"},     {"-", "-  0"}, // "-" on an empty line is the subtract key
        {"-5", " -5 -5"},                      // a pasted negative number has no key at its end
        {"5R", "r 5 5"},        {"xN", "n x 10"},     {"15%", "% 15 15"},
        {"0x1f)", ") 0x1f 31"}, {"abc+", "+ abc no"}, {"2+3*4=", "= 2+3*4 no"},
        {"VV", " VV no"}};
    for (const auto &[text, expected] : edits) {
        const EntryEdit e = readEntryEdit(text);
        EXPECT_EQ(e.conKey + ' ' + e.text + ' ' + (e.recognised ? QString::number(e.value) : "no"),
                  expected)
            << text;
    }
}

} // namespace
