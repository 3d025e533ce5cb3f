// The desk as a screen reader works it: through each control's accessibility interface, which
// sets values and presses buttons without the mouse and key events the panels also see.
#include "alarms/down_time.h"
#include "alarms/time_lert.h"
#include "diary/diary_writer.h"
#include "platform/settings_keys.h"
#include "platform/version.h"
#include "shell/main_window.h"
#include "test_env.h"
#include "todo/do_element.h"
#include "todo/do_list.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vidorev {
namespace {

QAccessibleInterface *ax(QWidget *w) {
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
    EXPECT_NE(i, nullptr) << w->objectName().toStdString();
    return i;
}

// What a screen reader does with "activate", "toggle" and "set text".
void press(QWidget *w) {
    QAccessibleInterface *i = ax(w);
    const QString action = i->actionInterface()->actionNames().value(0);
    i->actionInterface()->doAction(action);
    QTest::qWait(
        i->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction())
            ? 150 // a pressed button clicks after a short animation
            : 0);
}
void setText(QWidget *w, const QString &text) {
    QAccessibleInterface *i = ax(w);
    i->editableTextInterface()->replaceText(0, i->textInterface()->characterCount(), text);
}

class ScreenReader : public ::testing::Test {
protected:
    ScreenReader() {
        m_diary = m_env.makeDiary(QStringLiteral("ann"), QStringLiteral("ann-diary.log"));
        m_env.store().save(keys::kAppDiary, QStringLiteral("ann"), keys::kCompat,
                           Version::current().hostTag());
        m_window.show();
        m_window.handleFirstActivation();
        QApplication::setActiveWindow(&m_window);
    }
    template <typename T = QWidget> T *find(const char *name, QWidget *in = nullptr) {
        T *w = (in ? in : &m_window)->findChild<T *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // The showing control of that name, as panels reuse names ("Command7") on other pages; else
    // the hidden one, which the accessibility interface presses just the same.
    QWidget *findShowing(const QString &name) {
        for (QWidget *w : m_window.findChildren<QWidget *>(name))
            if (w->isVisible())
                return w;
        return find(name.toLatin1().constData());
    }
    QString alarm(int n, const QString &key) {
        return m_env.store().get(keys::kAppDiary, keys::alarmSection(n), key);
    }
    // Every showing control that takes the keyboard focus, by what a screen reader calls it.
    QMap<QString, int> showingNames() {
        QMap<QString, int> names;
        for (QWidget *w : m_window.findChildren<QWidget *>())
            if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
                ++names[ax(w)->text(QAccessible::Name)];
        return names;
    }

    test::TestEnv m_env;
    QString m_diary;
    DiaryWriter m_writer{m_env.store(), Version::current().hostTag(), Version::current().full()};
    MainWindow m_window{m_env.services(), m_writer, QStringLiteral("/Uann")};
};

TEST_F(ScreenReader, AlarmChangesAreStoredAndSurviveTheTick) {
    press(find("cmdSetAlarms"));
    auto *bank = find<TimeLert>("TimeLert1");
    bank->tick();
    QWidget *row = bank->row(3);
    press(find("Check", row));
    EXPECT_EQ(alarm(3, keys::kOn), QStringLiteral("1"));
    setText(find("TimeBox", row), QStringLiteral("17:30"));
    EXPECT_EQ(alarm(3, keys::kTime), QStringLiteral("17:30:00"));
    press(find("cmdExtend", row));
    press(find("chkMonday", row));
    EXPECT_EQ(alarm(3, keys::kDays), QStringLiteral("SmTWTFSeeh"));
    bank->tick();
    EXPECT_TRUE(find<QCheckBox>("Check", row)->isChecked());
    EXPECT_EQ(alarm(3, keys::kOn), QStringLiteral("1"));

    // A read-out is not a box to write in.
    auto *left = find<QLineEdit>("Text", row);
    const QString shown = left->text();
    setText(left, QStringLiteral("0"));
    EXPECT_EQ(left->text(), shown);
}

TEST_F(ScreenReader, AnEnteredTaskIsLockedAndAWholeTextEntersOne) {
    press(find("cmdDoList"));
    auto *list = find<DoList>("DoList1");
    QLineEdit *first = list->row(1)->taskBox();
    setText(first, QStringLiteral("Call the printer"));
    EXPECT_TRUE(first->isReadOnly());
    EXPECT_EQ(m_env.diaryLines(m_diary).size(), 1); // the new task's note

    setText(first, QStringLiteral("Something else"));
    EXPECT_EQ(first->text(), QStringLiteral("Call the printer"));
    press(find("cmdOK", list->row(1)));
    const QStringList lines = m_env.diaryLines(m_diary);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.last().contains(QStringLiteral("Call the printer")))
        << lines.last().toStdString();
    EXPECT_FALSE(lines.join(u'\n').contains(QStringLiteral("Something else")));
}

TEST_F(ScreenReader, MessagesAreReadByTheirText) {
    QWidget *alert = find("Alert");
    EXPECT_EQ(ax(alert)->text(QAccessible::Name), QStringLiteral(" "));
    press(find("cmdHotJobTrack"));
    EXPECT_EQ(ax(findShowing("Label8"))->text(QAccessible::Name), QStringLiteral("ann"));
}

// On every page the window hosts, every control a user can reach by keyboard has a name of its
// own: repeated rows say which row they are.
TEST_F(ScreenReader, EveryShowingControlHasAUniqueName) {
    m_env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kKeyHold, QStringLiteral("ann"));
    // An unlocked desk: the log reader shows its totals and the hours chart.
    m_env.store().save(keys::kAppDiary, keys::kSecAdmin, keys::kLocked, keys::kNo);
    const char *pages[] = {
        "cmdMainMenu", "cmdHotJobTrack", "cmdDoList", "Command4", "Command2",
        "Command2/cmdHoursChart|cmdChartBack/Command1", "cmdCalculator", "cmdSetAlarms",
        "cmdTimeZone",
        // The note pad and the scratch pad.
        "cmdHotNotes", "cmdShowPdox",
        "Command17", // the picture explorer
        // A page inside another is reached through it: "outer/inner".
        "cmdCalculator/cmdTax", "cmdCalculator/cmdLoan", "cmdCalculator/cmdOhms",
        "cmdCalculator/cmdTransformer", "cmdCalculator/cmdBridge", "cmdCalculator/cmdTube",
        "cmdCalculator/cmdOpAmp", "cmd2DoLS",
        // New Diary, Help, and every frame of the Options panel; a page
        // that offers no "Main Menu" is left by its own buttons: "|exit".
        "Command1|Command2", "Command1/Command6|Command7/Command2", "Command7", "cmdAdmin|Command6",
        "cmdAdmin/Command3|cmdSoundOK/Command6", "cmdAdmin/Command7|Command8/Command6",
        "cmdAdmin/Command9|cmdBillingOK/Command6", "cmdAdmin/cmdJoinLogs|Command17/Command6",
        "cmdAdmin/cmdHolidays|cmdCloseHolidays/Command6",
        "cmdAdmin/cmdPanic|cmdCancelPanic/Command6"};
    int checked = 0;
    for (const char *page : pages) {
        press(find("cmdMainMenu"));
        find<QLineEdit>("txtUserId")->setText(QStringLiteral("ann"));
        const QStringList way = QString::fromLatin1(page).split(u'|');
        const auto walk = [this, page](const QString &steps) {
            for (const QString &step : steps.split(u'/', Qt::SkipEmptyParts)) {
                QWidget *w = findShowing(step);
                EXPECT_NE(w, nullptr) << page << ": no " << step.toStdString();
                if (w != nullptr)
                    press(w);
            }
        };
        walk(way.value(0));
        if (QString::fromLatin1(page) == QLatin1String("cmdSetAlarms"))
            press(find("cmdAdminTimers"));
        const QMap<QString, int> names = showingNames();
        for (auto n = names.begin(); n != names.end(); ++n) {
            EXPECT_FALSE(n.key().trimmed().isEmpty()) << page;
            EXPECT_EQ(n.value(), 1) << page << ": " << n.key().toStdString();
            checked += n.value();
        }
        walk(way.value(1));
    }
    EXPECT_GT(checked, 150);
}

} // namespace
} // namespace vidorev
