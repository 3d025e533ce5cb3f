#include "shell/tray_icon.h"

#include "calc_special/money_box.h"
#include "clocks/job_tracker_panel.h"
#include "clocks/task_clock.h"
#include "gui/desk.h"

#include <QMenu>

namespace vidorev::test {
namespace {

QAction *menuAction(Desk &desk, const QString &text) {
    for (QAction *a : desk.window->findChild<TrayIcon *>()->menu()->actions())
        if (a->text() == text)
            return a;
    ADD_FAILURE() << "no menu entry " << text.toStdString();
    return nullptr;
}

// What a user sees of the clocks: the window's flag, each row's buttons and hours.
QStringList seen(const Desk &desk) {
    QStringList rows{desk.find<QPushButton>("cmdStatusFlag")->text()};
    for (int n = 1; n <= 2; ++n) {
        TaskClock *c = desk.find<JobTrackerPanel>("DedUzedova1")->clock(n);
        for (const char *name : {"Command1", "Command2"})
            rows << QString::number(c->findChild<QPushButton *>(name)->isEnabled());
        rows << c->findChild<MoneyBox *>("Text2")->box()->text();
    }
    return rows;
}

// One desk presses the job tracker's buttons, the other the tray menu's entries while its tracker
// shows: after each step the two Diaries, stores and trackers are the same.
TEST(TrayIconTest, MenuStartsAndStopsClocksExactlyAsTheButtonsDo) {
    Desk buttons, tray;
    for (Desk *d : {&buttons, &tray}) {
        d->makeUser("ann");
        d->env.put("annTC1", keys::kJob, "722");
        d->env.put("annTC1", keys::kTaskName, "Fix printer");
        d->env.put("annTC2", keys::kTaskName, "Phone");
        d->open("/Uann");
        d->click("cmdHotJobTrack");
    }
    const struct {
        int clock;
        const char *button, *entry, *paused, *tip;
    } steps[] = {
        {1, "Command1", "Start 722 Fix printer", "", "722 Fix printer, 0 min"},
        {2, "Command1", "Start Phone", "", "Phone, 0 min"}, // halts clock 1
        {2, "Command2", "Stop Phone (10 min)", "722 Fix printer (paused, 10 min)",
         "722 Fix printer, 10 min"}, // resumes clock 1
        {1, "Command2", "Stop 722 Fix printer (20 min)", "", "no clock running"},
    };
    for (const auto &step : steps) {
        for (Desk *d : {&buttons, &tray})
            d->env.clock().advanceSeconds(600);
        buttons.click(step.button, buttons.find<JobTrackerPanel>("DedUzedova1")->clock(step.clock));
        if (*step.paused) {
            EXPECT_FALSE(menuAction(tray, step.paused)->isEnabled());
        }
        if (QAction *entry = menuAction(tray, step.entry))
            entry->trigger();
        EXPECT_EQ(tray.env.diaryLines(tray.env.filePath("diary.log")),
                  buttons.env.diaryLines(buttons.env.filePath("diary.log")));
        EXPECT_EQ(tray.env.snapshot().replaceInStrings(tray.env.dir(), "~"),
                  buttons.env.snapshot().replaceInStrings(buttons.env.dir(), "~"));
        EXPECT_EQ(seen(tray), seen(buttons)) << step.entry;
        EXPECT_EQ(tray.window->findChild<TrayIcon *>()->toolTip(),
                  QString("Vidorev \u2014 ") + step.tip);
    }
    EXPECT_EQ(tray.env.diaryLines(tray.env.filePath("diary.log")).size(), 4);
}

} // namespace
} // namespace vidorev::test
