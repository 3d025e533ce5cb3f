#include "calc_special/per_cent_box.h"
#include "calc_special/round_penny.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace vidorev {
namespace {

TEST(PerCentBox, TypedSevenReadsSevenHundredthsAndNonNumbersRaiseNothing) {
    PerCentBox box;
    QSignalSpy changed(&box, &PerCentBox::valueChanged);
    QTest::keyClicks(box.box(), QStringLiteral("7"));
    EXPECT_DOUBLE_EQ(box.text(), 0.07);
    EXPECT_EQ(changed.count(), 1);
    box.box()->clear();
    changed.clear();
    QTest::keyClicks(box.box(), QStringLiteral("abc"));
    EXPECT_DOUBLE_EQ(box.text(), 0.0);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(box.box()->text(), QStringLiteral("abc")); // the text stays as typed
}

TEST(PerCentBox, WrittenValuesShowAsPercentAndReadBack) {
    PerCentBox box;
    box.setText(0.075);
    EXPECT_EQ(box.box()->text(), QStringLiteral("7.5"));
    box.setText(0.07);
    EXPECT_DOUBLE_EQ(box.text(), 0.07);
}

TEST(PerCentBox, EnterIsReportedWhateverTheText) {
    PerCentBox box;
    QSignalSpy enter(&box, &PerCentBox::enterPressed);
    QTest::keyClicks(box.box(), QStringLiteral("7%"));
    QTest::keyClick(box.box(), Qt::Key_Return);
    QTest::keyClick(box.box(), Qt::Key_Enter);
    EXPECT_EQ(enter.count(), 2);
}

TEST(MoneyBoxes, ALockedRoundPennyIsQuietButALockedPerCentBoxIsNot) {
    RoundPenny penny;
    PerCentBox percent;
    QSignalSpy pennyChanged(&penny, &RoundPenny::valueChanged);
    QSignalSpy percentChanged(&percent, &PerCentBox::valueChanged);
    penny.setLocked(true);
    percent.setLocked(true);
    penny.setText(12.5);
    percent.setText(0.05);
    EXPECT_EQ(pennyChanged.count(), 0);
    EXPECT_EQ(percentChanged.count(), 1);
    EXPECT_TRUE(penny.box()->isReadOnly());

    penny.setLocked(false);
    penny.setText(3);
    EXPECT_EQ(pennyChanged.count(), 1);
}

TEST(RoundPenny, WrittenAmountsAreCutToWholeCents) {
    RoundPenny box;
    box.setText(0.29);
    EXPECT_EQ(box.box()->text(), QStringLiteral("0.28"));
    box.setText(1.15);
    EXPECT_EQ(box.box()->text(), QStringLiteral("1.14"));
    box.setText(-0.001);
    EXPECT_EQ(box.box()->text(), QStringLiteral("-0.01"));
    EXPECT_EQ(box.cents(), -1);
    box.setText(45.999);
    EXPECT_DOUBLE_EQ(box.text(), 45.99);
    // What the user types is read as typed.
    box.box()->setText(QStringLiteral("45.999"));
    EXPECT_DOUBLE_EQ(box.text(), 45.999);
}

TEST(MoneyBoxes, TextBoxFillsTheComponentAndTakesItsToolTipAndColour) {
    RoundPenny box;
    box.setToolTip(QStringLiteral("Time, decimal hours"));
    box.resize(150, 40);
    box.show();
    EXPECT_EQ(box.box()->toolTip(), QStringLiteral("Time, decimal hours"));
    EXPECT_EQ(box.box()->geometry(), box.rect());
    box.setBackColor(Qt::yellow);
    EXPECT_EQ(box.backColor(), QColor(Qt::yellow));
    EXPECT_EQ(box.box()->objectName(), QStringLiteral("Text1"));
}

} // namespace
} // namespace vidorev
