#include "calc/calc_display.h"
#include "calc/calc_entry.h"
#include "calc_special/tv_tron.h"
#include "diary/diary_writer.h"
#include "shell/main_window.h"
#include "test_env.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

namespace vidorev {
namespace {

// Types a value into an entry line and commits it with Enter, as the user does.
void enter(QWidget *in, const char *name, const QString &value) {
    auto *e = in->findChild<CalcEntry *>(QString::fromLatin1(name));
    ASSERT_NE(e, nullptr) << name;
    e->box()->selectAll();
    QTest::keyClicks(e->box(), value);
    QTest::keyClick(e->box(), Qt::Key_Return);
}

QString shown(QWidget *in, const char *name) {
    auto *d = in->findChild<CalcDisplay *>(QString::fromLatin1(name));
    EXPECT_NE(d, nullptr) << name;
    return d ? d->text() : QString();
}

TEST(TVTronInMainWindow, OhmsCopyWritesOneCalcNoteAndTheClipboard) {
    test::TestEnv env;
    const QString diary = env.makeDiary(QStringLiteral("ann"));
    DiaryWriter writer(env.store(), QStringLiteral("Vidorev 1.0.0"), QStringLiteral("1.0.0"));
    MainWindow window(env.services(), writer, QStringLiteral("/Uann"));
    window.show();
    window.handleFirstActivation();
    window.findChild<QPushButton *>(QStringLiteral("cmdCalculator"))->click();
    window.findChild<QPushButton *>(QStringLiteral("cmdOhms"))->click();
    auto *tron = window.findChild<TVTron *>(QStringLiteral("TVTron1"));
    ASSERT_TRUE(tron->isVisible());
    for (const auto &[name, value] : {std::pair{"CalcEntry1", "1000"},
                                      {"CalcEntry3", "10"},
                                      {"CalcEntry2", "500"},
                                      {"CalcEntry10", "500"}})
        enter(tron, name, QString::fromLatin1(value));
    tron->findChild<QPushButton *>(QStringLiteral("cmdCopyOhms"))->click();

    const QString sentence = QStringLiteral(
        "<Ohms> 10 Volts into 1000 Ohms Causes 0.013 Amps to flow, for 0.133 Watts. A tap at "
        "500 Ohms will see 3.333 Volts. A Load of 500 Ohms will pull 0.0067 Amps for 0.022 "
        "Watts.");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), sentence);
    // Beside the user's first-login record, one note.
    const QStringList notes =
        env.diaryLines(diary).filter(QRegularExpression(QStringLiteral("^\\[Calc\\]\\[Note ")));
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes.first().contains(sentence)) << notes.first().toStdString();
}

TEST(TVTron, SheetsShowResultsAndFaultsInPlace) {
    TVTron tron;
    tron.resize(720, 480);
    tron.show();

    tron.setActFunct(QStringLiteral("Bridge"));
    EXPECT_TRUE(tron.findChild<QWidget *>(QStringLiteral("frmBridge"))->isVisible());
    EXPECT_FALSE(tron.findChild<QWidget *>(QStringLiteral("frmResist"))->isVisible());
    for (const auto &[name, value] : {std::pair{"CalcEntry11", "10"},
                                      {"CalcEntry12", "1000"},
                                      {"CalcEntry13", "1000"},
                                      {"CalcEntry14", "1000"},
                                      {"CalcEntry16", "1000"},
                                      {"CalcEntry15", "2000"}})
        enter(&tron, name, QString::fromLatin1(value));
    EXPECT_EQ(shown(&tron, "CalcDisplay7"), QStringLiteral("6.154 Volts"));
    EXPECT_EQ(shown(&tron, "CalcDisplay8"), QStringLiteral("5.385 Volts"));
    // Left arms that cancel: the Thevenin figures cannot be had, the left node still can.
    enter(&tron, "CalcEntry15", QStringLiteral("0-1000=")); // a negative is typed as arithmetic
    EXPECT_EQ(shown(&tron, "CalcDisplay4"), QStringLiteral("Error: division by zero"));
    EXPECT_EQ(shown(&tron, "CalcDisplay7"), QStringLiteral("20 Volts"));

    tron.setActFunct(QStringLiteral("Trans"));
    auto *ratio = tron.findChild<QWidget *>(QStringLiteral("frmTrans"))
                      ->findChild<QLineEdit *>(QStringLiteral("Text1"), Qt::FindDirectChildrenOnly);
    ASSERT_NE(ratio, nullptr);
    enter(&tron, "CalcEntry5", QStringLiteral("120"));
    enter(&tron, "CalcEntry8", QStringLiteral("12"));
    EXPECT_EQ(ratio->text(), QStringLiteral("10:1"));
    enter(&tron, "CalcEntry6", QStringLiteral("0.1"));
    EXPECT_EQ(tron.findChild<CalcEntry *>(QStringLiteral("CalcEntry9"))->value(), 1.0);
    EXPECT_EQ(shown(&tron, "CalcDisplay1"), QStringLiteral("12 Watts"));
    // A ratio typed as no turns on the secondary derives nothing.
    ratio->setText(QStringLiteral("1:0"));
    enter(&tron, "CalcEntry5", QStringLiteral("240"));
    EXPECT_EQ(tron.findChild<CalcEntry *>(QStringLiteral("CalcEntry8"))->text(),
              QStringLiteral("Error: division by zero"));
    tron.findChild<QCheckBox *>(QStringLiteral("Check1"))->setChecked(true);
    EXPECT_TRUE(ratio->text().isEmpty());
    EXPECT_FALSE(tron.findChild<QCheckBox *>(QStringLiteral("Check1"))->isChecked());

    tron.setActFunct(QStringLiteral("VT"));
    enter(&tron, "ceCathV", QStringLiteral("2"));
    enter(&tron, "ceCathR", QStringLiteral("1000"));
    EXPECT_EQ(tron.findChild<QLineEdit *>(QStringLiteral("txtTransCond"))->text(),
              QStringLiteral("1"));
    EXPECT_EQ(tron.findChild<QLabel *>(QStringLiteral("Label37"))->text(), QStringLiteral("2 ma"));

    tron.setActFunct(QStringLiteral("OA"));
    for (const auto &[name, value] : {std::pair{"ceAmpHi", "15"},
                                      {"ceAmpLo", "0-15="},
                                      {"cePosSerial", "10000"},
                                      {"ceAmpPosGnd", "10000"},
                                      {"ceNegSerial", "10000"},
                                      {"ceOpAmpInD", "2"},
                                      {"ceOpAmpInA", "0.5"},
                                      {"ceOpAmpBack", "10000"}})
        enter(&tron, name, QString::fromLatin1(value));
    EXPECT_EQ(shown(&tron, "pmcdAmpDC"), QStringLiteral("1.5 Volts DC"));
    EXPECT_EQ(shown(&tron, "pmcdAmpAC"), QStringLiteral("0.0 (N/A)"));
    EXPECT_EQ(tron.findChild<QLabel *>(QStringLiteral("lblOpAmpInD"))->text(),
              QStringLiteral("DC(+)"));
    EXPECT_EQ(tron.findChild<QLabel *>(QStringLiteral("lblOpAmpInA"))->text(),
              QStringLiteral("DC(-)"));
    enter(&tron, "ceAmpHi", QStringLiteral("1"));
    EXPECT_TRUE(tron.findChild<QLabel *>(QStringLiteral("lblOpAmpPosClip"))->isVisible());
    EXPECT_EQ(shown(&tron, "pmcdAmpDC"), QStringLiteral("1 Volts DC"));
}

} // namespace
} // namespace vidorev
