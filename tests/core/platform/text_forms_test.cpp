#include "local_zone.h"
#include "platform/text_forms.h"
#include "platform/version.h"
#include "test_env.h"

#include <gtest/gtest.h>

namespace text = vidorev::text;

TEST(TextForms, DiaryTimeDateAndStamp) {
    const QDateTime at(QDate(2026, 12, 4), QTime(15, 45, 12));
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(text::diaryTime(at.time(), us), "3:45:12 PM");
    EXPECT_EQ(text::diaryTime(at.time(), QLocale(QLocale::German, QLocale::Germany)), "15:45:12");
    EXPECT_EQ(text::diaryDate(QDate(2026, 1, 5)), "01-05-2026");
    EXPECT_EQ(text::stamp(at, us), " @ 3:45:12 PM 12-04-2026");
}

TEST(TextForms, GeneralNumberText) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(text::number(20, us), "20");
    EXPECT_EQ(text::number(0.1 + 0.2, us), "0.3");
    EXPECT_EQ(text::number(-2.5, us), "-2.5");
    EXPECT_EQ(text::number(1234567.25, us), "1234567.25"); // no thousands separators
    EXPECT_EQ(text::number(1e20, us), "1E+20");
    EXPECT_EQ(text::number(-0.0, us), "0");
    EXPECT_EQ(text::number(2.5, QLocale(QLocale::German, QLocale::Germany)), "2,5");
}

TEST(TextForms, StoredDateTimesReadBackExactFromEitherForm) {
    const QDateTime at(QDate(2026, 12, 4), QTime(15, 45, 12));
    EXPECT_EQ(text::parseStoredDateTime(text::storedDateTime(at)), at);
    EXPECT_EQ(text::parseStoredDateTime("12/4/2026 3:45:12 PM"), at);
    EXPECT_EQ(text::parseStoredDateTime("12/4/2026 15:45:12"), at);
    for (const char *junk : {"", " ", "tomorrow", "13/45/2026 1:00:00 PM", "12"})
        EXPECT_FALSE(text::parseStoredDateTime(junk).isValid()) << junk;
}

// In the hour repeated when New York's clocks go back, only the offset tells the two apart.
TEST(TextForms, StoredDateTimesKeepTheirOffsetFromUtc) {
    const vidorev::test::LocalZone zone("America/New_York");
    for (const char *iso :
         {"2026-11-01T01:30:00-04:00", "2026-11-01T01:30:00-05:00", "2026-03-08T03:10:00-04:00"}) {
        const QDateTime at = vidorev::test::localAt(iso);
        EXPECT_EQ(text::storedDateTime(at), QString::fromLatin1(iso));
        const QDateTime read = text::parseStoredDateTime(QString::fromLatin1(iso));
        EXPECT_EQ(read, at) << iso;
        EXPECT_EQ(read.timeSpec(), Qt::LocalTime) << iso;
        EXPECT_EQ(read.offsetFromUtc(), at.offsetFromUtc()) << iso;
    }
    // Texts written before the offset was kept read as local time.
    EXPECT_EQ(text::parseStoredDateTime("2026-12-04T15:45:12"),
              QDateTime(QDate(2026, 12, 4), QTime(15, 45, 12)));
}

TEST(TextForms, DiaryTimesReadInTwelveOrTwentyFourHourForm) {
    EXPECT_EQ(text::parseDiaryTime("3:45:12 PM"), QTime(15, 45, 12));
    EXPECT_EQ(text::parseDiaryTime("15:45:12"), QTime(15, 45, 12));
    EXPECT_EQ(text::parseDiaryTime("12:00:01 AM"), QTime(0, 0, 1));
    EXPECT_FALSE(text::parseDiaryTime("noon").isValid());
}

TEST(Version, TagsAndCaptionFollowTheVersionNumber) {
    const vidorev::Version v{3, 7, 12};
    EXPECT_EQ(v.hostTag(), "PLM12D3S7K5");
    EXPECT_EQ(v.windowCaption(), "Vidorev  V3.7");
    EXPECT_EQ(v.full(), "3.7.12");
}
