#include "diary/diary_record.h"

#include "test_env.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace diary = vidorev::diary;

namespace {

const QDateTime kAt(QDate(2026, 12, 4), QTime(15, 45, 12));
const QString kStamp = QStringLiteral(" @ 3:45:12 PM 12-04-2026");

// The layouts the hostile table below does not show: a memo without cash, a Start without a
// code, and the upgrade and task-file notes.
TEST(DiaryRecord, EveryKindHasItsExactLayout) {
    EXPECT_EQ(diary::memoRecord("722", "", "Fix printer", "toner", kAt),
              "[722][Memo ]<Fix printer> toner" + kStamp);
    EXPECT_EQ(diary::startRecord("", "Check timing", kAt), "[][Start]<Check timing>" + kStamp);
    EXPECT_EQ(diary::upgradeRecord("ann", "1.0.0", kAt),
              "[Vidorev][Memo]<UpGrade> Loging for User ann is Vidorev Revision 1.0.0" + kStamp);
    EXPECT_EQ(diary::taskFromFileRecord("722", "Order paper", kAt),
              "[DoList][Note ] <AddTaskFromFile> (722) Order paper" + kStamp);
}

QString chars(std::initializer_list<char16_t> units) {
    QString s;
    for (const char16_t u : units)
        s += QChar(u);
    return s;
}

bool isControl(QChar c) {
    return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
           c.category() == QChar::Separator_Paragraph;
}

// Every class of character that could split a record, reach a terminal or end a field early,
// as free text and as a field between the grammar's delimiters.
struct Hostile {
    const char *what;
    QString typed;
    QString asText;
    QString asField;
};

TEST(DiaryRecord, WhateverIsTypedStaysInItsFieldOnOneLineWithOneStamp) {
    const std::vector<Hostile> table{
        {"at sign", "a@b", "aatb", "aatb"},
        {"CR LF and TAB", "x\r\ny\t", "x&cr;&lf;y&tab;", "x&cr;&lf;y&tab;"},
        {"VT and FF", "a\vb\fc", "a&#x0B;b&#x0C;c", "a&#x0B;b&#x0C;c"},
        {"NEL", chars({u'a', 0x85, u'b'}), "a&#x85;b", "a&#x85;b"},
        {"LS and PS", chars({0x2028, 0x2029}), "&#x2028;&#x2029;", "&#x2028;&#x2029;"},
        {"ESC sequence", "\x1b[2J", "&#x1B;[2J", "&#x1B;&lsqb;2J"},
        {"NUL and US", chars({0x00, 0x1F}), "&#x00;&#x1F;", "&#x00;&#x1F;"},
        {"DEL and CSI", chars({0x7F, 0x9B}), "&#x7F;&#x9B;", "&#x7F;&#x9B;"},
        {"closing bracket", "7]2", "7]2", "7&rsqb;2"},
        {"angle brackets", "a>b<c", "a>b<c", "a&gt;b&lt;c"},
        {"a marker with minutes", "[Stop ]{99}", "[Stop ]{99}", "&lsqb;Stop &rsqb;&lcub;99&rcub;"},
        {"a second stamp", "@ 1:00:00 PM 01-01-2020", "at 1:00:00 PM 01-01-2020",
         "at 1:00:00 PM 01-01-2020"},
        {"ampersand and entity text", "&tab; & co", "&tab; & co", "&tab; & co"}};
    for (const Hostile &h : table) {
        SCOPED_TRACE(h.what);
        const QString &t = h.typed;
        const QString &f = h.asField;
        EXPECT_EQ(diary::eventRecord(t, kAt), "[Event] " + h.asText + kStamp);
        EXPECT_EQ(diary::memoRecord(t, t, t, t, kAt),
                  "[" + f + "] {$" + f + "$} [Memo ]<" + f + "> " + h.asText + kStamp);
        EXPECT_EQ(diary::noteRecord(t, t, kAt), "[" + f + "][Note ] " + h.asText + kStamp);
        EXPECT_EQ(diary::startRecord(t, t, kAt), "[" + f + "][Start]<" + f + ">" + kStamp);
        EXPECT_EQ(diary::stopRecord(t, t, 1, 2, kAt),
                  "[" + f + "][Stop ]{1}<" + f + "> @ 3:45:12 PM after 2 minutes");
        const QStringList records{
            diary::eventRecord(t, kAt),          diary::memoRecord(t, t, t, t, kAt),
            diary::noteRecord(t, t, kAt),        diary::upgradeRecord(t, "1.0.0", kAt),
            diary::startRecord(t, t, kAt),       diary::stopRecord(t, t, 1, 2, kAt),
            diary::taskFromFileRecord(t, t, kAt)};
        for (const QString &r : records) {
            EXPECT_EQ(r.count(u'@'), 1) << r.toStdString();
            EXPECT_FALSE(std::any_of(r.begin(), r.end(), isControl)) << r.toStdString();
        }
    }
}

} // namespace

TEST(DiaryRecord, AnAmountIsTakenInTheLocaleAndWrittenInTheDiarysForm) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale de(QLocale::German, QLocale::Germany);
    const struct {
        const char *typed;
        const QLocale &locale;
        std::optional<QString> written;
    } cases[] = {
        {"", us, QString()},         {" 12.50 ", us, "12.50"},    {"-3", us, "-3"},
        {"12,50", de, "12.50"},      {"12.5", de, "12.5"},        {"1e3", us, "1000"},
        {"12,50", us, std::nullopt}, {"1,000", us, std::nullopt}, {"abc", us, std::nullopt},
        {"$12", us, std::nullopt},   {"inf", us, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(diary::diaryAmount(c.typed, c.locale), c.written) << c.typed;
}
