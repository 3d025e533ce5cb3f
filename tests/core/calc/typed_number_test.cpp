#include "calc/typed_number.h"

#include <gtest/gtest.h>

using namespace vidorev::calc;

namespace {

TEST(HexOrRoman, AcceptsNumeralsAndRejectsForbiddenPairsAndStrangers) {
    const std::pair<const char *, double> accepted[] = {
        {"0x6a7", 1703},
        {"0X6A7", 1703},
        {"0x", 0},
        // The first character that is no hexadecimal digit ends the number.
        {"0x1g5", 1},
        {"xxv", 25},
        {"MCMXCIX", 1999},
        {"XL", 40},
        {"IIV", 5},
        {"MMMDCCCLXXXVIII", 3888},
        // Deleting the whole line is the empty numeral, 0.
        {"", 0}};
    for (const auto &[text, value] : accepted) {
        const ParsedNumber parsed = parseHexOrRoman(QString::fromLatin1(text));
        EXPECT_TRUE(parsed.accepted) << text;
        EXPECT_EQ(parsed.value, value) << text;
    }
    for (const char *text :
         {"VV", "LD", "DD", "DM", "VL", "vv", "12a", "X V", "INF", "nan", "x0x1"}) {
        const ParsedNumber parsed = parseHexOrRoman(QString::fromLatin1(text));
        EXPECT_FALSE(parsed.accepted) << text;
        EXPECT_EQ(parsed.fault, CalcFault::None) << text;
    }
}

TEST(HexOrRoman, TooManyHexDigitsForADoubleIsAnOverflow) {
    const ParsedNumber longest = parseHexOrRoman(QStringLiteral("0x") + QString(255, u'F'));
    EXPECT_TRUE(longest.accepted);
    EXPECT_GT(longest.value, 1e306);
    const ParsedNumber tooLong = parseHexOrRoman(QStringLiteral("0x") + QString(300, u'F'));
    EXPECT_FALSE(tooLong.accepted);
    EXPECT_EQ(tooLong.fault, CalcFault::Overflow);
}

TEST(LocaleNumber, AcceptsFiniteDecimalsOnly) {
    EXPECT_EQ(localeNumber(QStringLiteral("-2.5")), -2.5);
    EXPECT_EQ(localeNumber(QStringLiteral("1E+12")), 1e12);
    for (const char *text : {"", "inf", "nan", "1e400", "12a"})
        EXPECT_FALSE(localeNumber(QString::fromLatin1(text))) << text;
}

TEST(EntryEdits, TheLastCharacterMayBeAKeyAndTheRestANumber) {
    const struct {
        const char *text, *key, *rest;
        bool recognised;
        double value;
    } edits[] = {{"34*", "*", "34", true, 34},
                 // "-" on an empty line is the subtract key, the rest the empty numeral.
                 {"-", "-", "", true, 0},
                 // A pasted negative number has no key at its end.
                 {"-5", "", "-5", true, -5},
                 // The capital key letters count as their small ones.
                 {"5R", "r", "5", true, 5},
                 {"9Q", "q", "9", true, 9},
                 {"xN", "n", "x", true, 10},
                 {"4T", "t", "4", true, 4},
                 {"15%", "%", "15", true, 15},
                 {"0x1f)", ")", "0x1f", true, 31},
                 // The key is taken off, but the rest is no number: the key is lost.
                 {"abc+", "+", "abc", false, 0},
                 // A whole expression pasted at once is one edit and no number.
                 {"2+3*4=", "=", "2+3*4", false, 0},
                 {"VV", "", "VV", false, 0}};
    for (const auto &e : edits) {
        const EntryEdit edit = readEntryEdit(QString::fromLatin1(e.text));
        EXPECT_EQ(edit.conKey, QString::fromLatin1(e.key)) << e.text;
        EXPECT_EQ(edit.text, QString::fromLatin1(e.rest)) << e.text;
        EXPECT_EQ(edit.recognised, e.recognised) << e.text;
        EXPECT_EQ(edit.recognised ? edit.value : 0, e.value) << e.text;
    }
}

} // namespace
