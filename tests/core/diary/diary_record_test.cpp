#include "diary/diary_record.h"

#include <gtest/gtest.h>

namespace diary = vidorev::diary;

namespace {

const QDateTime kAt(QDate(2026, 12, 4), QTime(15, 45, 12));
const QString kStamp = QStringLiteral(" @ 3:45:12 PM 12-04-2026");

TEST(DiaryRecord, EveryKindHasItsExactLayout) {
    EXPECT_EQ(diary::eventRecord("Met Bob @ noon", kAt), "[Event] Met Bob at noon" + kStamp);
    EXPECT_EQ(diary::eventRecord("3 for 2@1", kAt), "[Event] 3 for 2at1" + kStamp);
    EXPECT_EQ(diary::memoRecord("722", "12.50", "Fix printer", "toner", kAt),
              "[722] {$12.50$} [Memo ]<Fix printer> toner" + kStamp);
    EXPECT_EQ(diary::memoRecord("722", "", "Fix printer", "toner", kAt),
              "[722][Memo ]<Fix printer> toner" + kStamp);
    EXPECT_EQ(diary::noteRecord("DoList", "<AddTask> (722) Call supplier", kAt),
              "[DoList][Note ] <AddTask> (722) Call supplier" + kStamp);
    EXPECT_EQ(diary::upgradeRecord("ann", "1.0.0", kAt),
              "[Vidorev][Memo]<UpGrade> Loging for User ann is Vidorev Revision 1.0.0" + kStamp);
    EXPECT_EQ(diary::startRecord("", "Check timing", kAt), "[][Start]<Check timing>" + kStamp);
    EXPECT_EQ(diary::stopRecord("722", "Check timing", 40, 100, kAt),
              "[722][Stop ]{40}<Check timing> @ 3:45:12 PM after 100 minutes");
    EXPECT_EQ(diary::taskFromFileRecord("722", "Order paper", kAt),
              "[DoList][Note ] <AddTaskFromFile> (722) Order paper" + kStamp);
}

TEST(DiaryRecord, LineBreaksAndTabsBecomeEntities) {
    EXPECT_EQ(diary::escape("two\r\nlines\tand @"), "two&cr;&lf;lines&tab;and at");
    EXPECT_EQ(diary::escape("@@\n\n"), "atat&lf;&lf;");
}

// Whatever a user types into any field, each record stays one line with one "@".
TEST(DiaryRecord, HostileTextInAnyFieldKeepsOneLineAndOneStamp) {
    const QStringList hostile{"a@b", "x\r\ny", "\t@\n@\r", "@ 1:00:00 PM 01-01-2020", "[Stop ]@"};
    for (const QString &h : hostile) {
        const QStringList records{
            diary::eventRecord(h, kAt),           diary::memoRecord(h, h, h, h, kAt),
            diary::noteRecord(h, h, kAt),         diary::upgradeRecord(h, "1.0.0", kAt),
            diary::startRecord(h, h, kAt),        diary::stopRecord(h, h, 1, 2, kAt),
            diary::taskFromFileRecord(h, h, kAt),
        };
        for (const QString &r : records) {
            EXPECT_EQ(r.count(u'@'), 1) << r.toStdString();
            EXPECT_FALSE(r.contains(u'\n') || r.contains(u'\r') || r.contains(u'\t'))
                << r.toStdString();
        }
    }
}

} // namespace
