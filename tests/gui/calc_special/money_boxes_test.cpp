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
    QSignalSpy enter(&box, &PerCentBox::enterPressed);
    QTest::keyClicks(box.box(), QStringLiteral("7"));
    EXPECT_DOUBLE_EQ(box.text(), 0.07);
    EXPECT_EQ(changed.count(), 1);
    QTest::keyClicks(box.box(), QStringLiteral("%"));
    EXPECT_DOUBLE_EQ(box.text(), 0.0);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(box.box()->text(), QStringLiteral("7%")); // the text stays as typed
    QTest::keyClick(box.box(), Qt::Key_Return);         // reported whatever the text
    EXPECT_EQ(enter.count(), 1);
}

TEST(RoundPenny, PassesOnItsToolTipCutsWrittenAmountsAndReadsTypedOnesAsTyped) {
    RoundPenny box;
    box.setToolTip(QStringLiteral("Time, decimal hours"));
    EXPECT_EQ(box.box()->toolTip(), QStringLiteral("Time, decimal hours"));
    for (const auto &[value, shown] :
         {std::pair{0.29, "0.29"}, {1.15, "1.15"}, {-0.001, "-0.01"}}) {
        box.setText(value);
        EXPECT_EQ(box.box()->text(), QString::fromUtf8(shown));
    }
    box.box()->setText(QStringLiteral("45.999"));
    EXPECT_DOUBLE_EQ(box.text(), 45.999);
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
    penny.setLocked(false);
    penny.setText(3);
    EXPECT_EQ(pennyChanged.count(), 1);
}

} // namespace
} // namespace vidorev
