// The desk as a screen reader works it: through each control's accessibility interface, which
// sets values and presses buttons without the mouse and key events the panels also see.
#include "gui/desk.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QMap>

namespace vidorev::test {
namespace {

QAccessibleInterface *ax(QWidget *w) {
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
    EXPECT_NE(i, nullptr) << w->objectName().toStdString();
    return i;
}

// What a screen reader does with "activate", "toggle" and "set text"; a pressed button clicks
// after a short animation.
void press(QWidget *w) {
    QAccessibleActionInterface *a = ax(w)->actionInterface();
    a->doAction(a->actionNames().value(0));
    QTest::qWait(a->actionNames().contains(QAccessibleActionInterface::pressAction()) ? 150 : 0);
}

// On every page the window hosts, every control a user can reach by keyboard has a name of its
// own: repeated rows say which row they are.
TEST(ScreenReader, EveryShowingControlHasAUniqueName) {
    Desk m_desk;
    m_desk.makeUser("ann");
    m_desk.env.put(keys::kSecAdmin, keys::kKeyHold, "ann");
    // An unlocked desk: the log reader shows its totals and the hours chart.
    m_desk.env.put(keys::kSecAdmin, keys::kLocked, keys::kNo);
    m_desk.open("/Uann");
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
        press(m_desk.find("cmdMainMenu"));
        m_desk.setUser("ann");
        const QStringList way = QString::fromLatin1(page).split(u'|');
        const auto walk = [&](const QString &steps) {
            for (const QString &step : steps.split(u'/', Qt::SkipEmptyParts))
                if (QWidget *w = m_desk.showing(step))
                    press(w);
        };
        walk(way.value(0));
        if (QString::fromLatin1(page) == QLatin1String("cmdSetAlarms"))
            press(m_desk.find("cmdAdminTimers"));
        QMap<QString, int> names; // what a screen reader calls each showing focusable control
        for (QWidget *w : m_desk.window->findChildren<QWidget *>())
            if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
                ++names[ax(w)->text(QAccessible::Name)];
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
} // namespace vidorev::test
