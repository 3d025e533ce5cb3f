#include "calc/typed_number.h"

#include <gtest/gtest.h>

using namespace vidorev::calc;

namespace {

struct Accepted {
    const char *text;
    double value;
};

class ParserAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(ParserAccepts, HexadecimalAndRoman) {
    const ParsedNumber parsed = parseHexOrRoman(QString::fromLatin1(GetParam().text));
    EXPECT_TRUE(parsed.accepted);
    EXPECT_EQ(parsed.fault, CalcFault::None);
    EXPECT_EQ(parsed.value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParserAccepts,
    ::testing::Values(Accepted{"0x6a7", 1703}, Accepted{"0X6A7", 1703}, Accepted{"0x", 0},
                      // The first character that is no hexadecimal digit ends the number.
                      Accepted{"0x1g5", 1}, Accepted{"0xff zz", 255}, Accepted{"xxv", 25},
                      Accepted{"MCMXCIX", 1999}, Accepted{"mcmxcix", 1999}, Accepted{"CM", 900},
                      Accepted{"CD", 400}, Accepted{"XL", 40}, Accepted{"XC", 90},
                      Accepted{"IX", 9}, Accepted{"IV", 4}, Accepted{"IIII", 4}, Accepted{"IIV", 5},
                      Accepted{"MMMDCCCLXXXVIII", 3888},
                      // Deleting the whole line is the empty numeral, 0.
                      Accepted{"", 0}));

class ParserRejects : public ::testing::TestWithParam<const char *> {};

TEST_P(ParserRejects, ForbiddenPairsAndStrangers) {
    const ParsedNumber parsed = parseHexOrRoman(QString::fromLatin1(GetParam()));
    EXPECT_FALSE(parsed.accepted);
    EXPECT_EQ(parsed.fault, CalcFault::None);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParserRejects,
                         ::testing::Values("VV", "LD", "12a", "DD", "LL", "DM", "VL", "vv", "X V",
                                           "abc", "INF", "nan", "x0x1"));

TEST(HexParser, TooManyDigitsForADoubleIsAnOverflow) {
    const ParsedNumber longest = parseHexOrRoman(QStringLiteral("0x") + QString(255, u'F'));
    EXPECT_TRUE(longest.accepted);
    EXPECT_GT(longest.value, 1e306);

    const ParsedNumber tooLong = parseHexOrRoman(QStringLiteral("0x") + QString(300, u'F'));
    EXPECT_FALSE(tooLong.accepted);
    EXPECT_EQ(tooLong.fault, CalcFault::Overflow);
}

TEST(LocaleNumber, AcceptsFiniteDecimalsOnly) {
    EXPECT_EQ(localeNumber(QStringLiteral("2.5")), 2.5);
    EXPECT_EQ(localeNumber(QStringLiteral("-5")), -5);
    EXPECT_EQ(localeNumber(QStringLiteral("1E+12")), 1e12);
    EXPECT_FALSE(localeNumber(QString()));
    EXPECT_FALSE(localeNumber(QStringLiteral("inf")));
    EXPECT_FALSE(localeNumber(QStringLiteral("nan")));
    EXPECT_FALSE(localeNumber(QStringLiteral("1e400")));
    EXPECT_FALSE(localeNumber(QStringLiteral("12a")));
}

struct Edit {
    const char *text;
    const char *key;
    const char *rest;
    bool recognised;
    double value;
};

class EntryEdits : public ::testing::TestWithParam<Edit> {};

TEST_P(EntryEdits, KeyThenNumber) {
    const EntryEdit edit = readEntryEdit(QString::fromLatin1(GetParam().text));
    EXPECT_EQ(edit.conKey, QString::fromLatin1(GetParam().key));
    EXPECT_EQ(edit.text, QString::fromLatin1(GetParam().rest));
    EXPECT_EQ(edit.recognised, GetParam().recognised);
    if (edit.recognised) {
        EXPECT_EQ(edit.value, GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, EntryEdits,
    ::testing::Values(Edit{"2", "", "2", true, 2}, Edit{"2+", "+", "2", true, 2},
                      Edit{"34*", "*", "34", true, 34}, Edit{"4=", "=", "4", true, 4},
                      // "-" on an empty line is the subtract key, the rest the empty numeral.
                      Edit{"-", "-", "", true, 0},
                      // A pasted negative number has no key at its end.
                      Edit{"-5", "", "-5", true, -5},
                      // The capital key letters count as their small ones.
                      Edit{"5R", "r", "5", true, 5}, Edit{"9Q", "q", "9", true, 9},
                      Edit{"xN", "n", "x", true, 10}, Edit{"4T", "t", "4", true, 4},
                      Edit{"15%", "%", "15", true, 15}, Edit{"(", "(", "", true, 0},
                      Edit{"0x1f)", ")", "0x1f", true, 31}, Edit{"/", "/", "", true, 0},
                      // The key is taken off, but the rest is no number: the key is lost.
                      Edit{"abc+", "+", "abc", false, 0},
                      // A whole expression pasted at once is one edit and no number.
                      Edit{"2+3*4=", "=", "2+3*4", false, 0}, Edit{"VV", "", "VV", false, 0},
                      Edit{"xxv", "", "xxv", true, 25}, Edit{"", "", "", true, 0}));

TEST(EntryEdits, AnOverlongHexNumberIsAFaultNotAValue) {
    const EntryEdit edit = readEntryEdit(QStringLiteral("0x") + QString(300, u'9') + u'+');
    EXPECT_EQ(edit.conKey, QStringLiteral("+"));
    EXPECT_FALSE(edit.recognised);
    EXPECT_EQ(edit.fault, CalcFault::Overflow);
}

} // namespace
