#include "calc/calc_display.h"
#include "calc/calc_entry.h"
#include "calc/tv_calc.h"
#include "diary/diary_writer.h"
#include "platform/settings_keys.h"
#include "shell/main_window.h"
#include "test_env.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace vidorev;

namespace {

// Grabs a widget; with VIDOREV_SHOTS set the picture is kept in that folder to be looked at.
void grab(QWidget &w, const QString &name) {
    const QPixmap shot = w.grab();
    EXPECT_FALSE(shot.isNull());
    const QString dir = qEnvironmentVariable("VIDOREV_SHOTS");
    if (!dir.isEmpty())
        shot.save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

TEST(CalcRender, EveryPadAndPage) {
    test::TestEnv env;
    TVCalc calc(env.services());
    calc.resize(560, 640);
    calc.setInitMe(true);
    calc.show();
    for (const char *pad : {"cmdMono", "cmdTrigPad", "cmdHyperPad", "cmdBinaPad", "cmdExtendPad"}) {
        calc.findChild<QPushButton *>(QString::fromLatin1(pad))->click();
        grab(calc, QStringLiteral("calc_") + QString::fromLatin1(pad));
    }
    for (const char *sel : {"cmdOK", "cmdOhms", "cmdTax"}) {
        calc.findChild<QPushButton *>(QString::fromLatin1(sel))->click();
        grab(calc, QStringLiteral("calc_") + QString::fromLatin1(sel));
    }
}

TEST(CalcRender, EntryAndDisplay) {
    QWidget host;
    auto *entry = new CalcEntry(&host);
    auto *display = new CalcDisplay(&host);
    entry->setGeometry(10, 10, 200, 28);
    display->setGeometry(10, 50, 200, 28);
    display->setLabel(QStringLiteral("Ohms"));
    display->setValue(0.0000471);
    entry->setValue(12.3456);
    host.resize(220, 90);
    host.show();
    grab(host, QStringLiteral("calc_entry_display"));
}

TEST(CalcRender, InTheMainWindowAfterASum) {
    test::TestEnv env;
    DiaryWriter writer(env.store(), QStringLiteral("Vidorev"), QStringLiteral("1.0.0"));
    MainWindow window(env.services(), writer, QString());
    window.show();
    window.findChild<QPushButton *>(QStringLiteral("cmdCalculator"))->click();
    auto *line = window.findChild<QWidget *>(QStringLiteral("TypeInPad1"))
                     ->findChild<QLineEdit *>(QStringLiteral("Text1"));
    for (const QChar c : QStringLiteral("2+3*4="))
        line->insert(QString(c));
    grab(window, QStringLiteral("calc_main_window"));
}

} // namespace
