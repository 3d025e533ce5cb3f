#include "calc_special/electronics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vidorev::electronics {
namespace {

using calc::CalcFault;

constexpr double kNone = std::numeric_limits<double>::quiet_NaN(); // "expect a fault"

// A value is expected as given, or a division-by-zero fault where kNone stands.
void expectOutcome(const Outcome &got, double want, const char *what) {
    SCOPED_TRACE(what);
    if (std::isnan(want)) {
        EXPECT_EQ(got.fault, CalcFault::DivideByZero);
    } else {
        EXPECT_TRUE(got.ok());
        EXPECT_NEAR(got.value, want, 1e-9 * std::max(1.0, std::abs(want)));
    }
    EXPECT_TRUE(std::isfinite(got.value));
}

TEST(Electronics, OhmsLawDividerAndLoad) {
    const struct {
        OhmsInput in;
        double tap, current, power, loadI, loadP;
    } cases[] = {
        {{1000, 0, 10, 0}, 0, 0.01, 0.1, 0, 0},
        {{1000, 500, 10, 0}, 5, 0.01, 0.1, 0, 0},
        {{1000, 500, 10, 500}, 10.0 / 3, 10.0 / 750, 100.0 / 750, 1.0 / 150, 1.0 / 45},
        {{1000, 1500, 10, 0}, 0, 0.01, 0.1, 0, 0}, // tap above the top: no tap voltage
        {{1000, 1500, 10, 500}, 0, 0, 0, 0, 0},    // ... and no sound answer with a load
        {{1000, 0, 10, 500}, 0, 0, 0, 0, 0},       // a load needs a tap
        {{0, 500, 10, 0}, 0, 0, 0, 0, 0},
        {{1000, 500, 0, 0}, 0, 0, 0, 0, 0},
        // A load that cancels the tap leaves no parallel resistance to speak of.
        {{1000, 500, 10, -500}, kNone, kNone, kNone, kNone, kNone},
        {{500, 1000, 10, 0}, 0, 0.02, 0.2, 0, 0},
        // Tap and load in parallel exactly cancel the upper arm: no current can be named.
        {{1000, 500, 10, -250}, kNone, kNone, kNone, kNone, kNone},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.in.r << " " << c.in.rt << " " << c.in.v << " " << c.in.rl);
        const OhmsResult r = ohmsLaw(c.in);
        expectOutcome(r.tapVolts, c.tap, "tap");
        expectOutcome(r.current, c.current, "current");
        expectOutcome(r.power, c.power, "power");
        expectOutcome(r.loadCurrent, c.loadI, "load current");
        expectOutcome(r.loadPower, c.loadP, "load power");
    }
}

TEST(Electronics, OhmsSentenceGrowsWithTapAndLoad) {
    const OhmsShown shown{QStringLiteral("0.013 Amps"), QStringLiteral("0.133 Watts"),
                          QStringLiteral("3.333 Volts"), QStringLiteral("0.0067 Amps"),
                          QStringLiteral("0.022 Watts")};
    EXPECT_EQ(ohmsSentence({1000, 0, 10, 0}, shown),
              QStringLiteral("<Ohms> 10 Volts into 1000 Ohms Causes 0.013 Amps to flow, for "
                             "0.133 Watts."));
    EXPECT_EQ(ohmsSentence({1000, 500, 10, 500}, shown),
              QStringLiteral("<Ohms> 10 Volts into 1000 Ohms Causes 0.013 Amps to flow, for "
                             "0.133 Watts. A tap at 500 Ohms will see 3.333 Volts. A Load of 500 "
                             "Ohms will pull 0.0067 Amps for 0.022 Watts."));
    // A load without a tap is not told.
    EXPECT_FALSE(ohmsSentence({1000, 0, 10, 500}, shown).contains(QStringLiteral("Load")));
    EXPECT_TRUE(ohmsSentence({1000, 0, 0, 0}, shown).isEmpty());
}

TransState trans(double pz, double pv, double pi, double sz, double sv, double si) {
    return {{calc::checked(pz), calc::checked(pv), calc::checked(pi)},
            {calc::checked(sz), calc::checked(sv), calc::checked(si)},
            {}};
}

TEST(Electronics, TransformerRatioFromEachPair) {
    const struct {
        TransState state;
        Quantity pair;
        std::optional<double> n;
        const char *text;
    } cases[] = {
        {trans(0, 120, 0, 0, 12, 0), Quantity::Voltage, 10.0, "10:1"},
        {trans(800, 0, 0, 8, 0, 0), Quantity::Impedance, 10.0, "10:1"},
        {trans(8, 0, 0, 800, 0, 0), Quantity::Impedance, 0.1, "1:10"},
        {trans(0, 0, 0.1, 0, 0, 1), Quantity::Current, 10.0, "10:1"},
        {trans(0, 5, 0, 0, 5, 0), Quantity::Voltage, 1.0, "1:1"},
        {trans(0, 120, 0, 0, 0, 0), Quantity::Voltage, std::nullopt, ""},
        {trans(0, 120, 0, 0, -12, 0), Quantity::Voltage, std::nullopt, ""},
        {trans(0, 1e300, 0, 0, 1e-300, 0), Quantity::Voltage, std::nullopt, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const auto n = ratioFromPair(c.state, c.pair);
        ASSERT_EQ(n.has_value(), c.n.has_value());
        if (n) {
            EXPECT_NEAR(*n, *c.n, 1e-12);
            EXPECT_EQ(ratioText(*n), QString::fromLatin1(c.text));
            EXPECT_NEAR(*parseRatio(ratioText(*n)), *n, 1e-12);
        }
    }
    EXPECT_EQ(parseRatio(QStringLiteral("2.5")), 2.5);
    EXPECT_EQ(parseRatio(QStringLiteral("1:0")), 0.0);
    EXPECT_FALSE(parseRatio(QStringLiteral("Error: division by zero")));
    EXPECT_FALSE(parseRatio(QStringLiteral("1:2:3")));
}

TEST(Electronics, TransformerDerivesTheOtherSideAndCompletesBoth) {
    // 120 V : 12 V, then 0.1 A into the primary.
    TransState s =
        transformerCommit(trans(0, 120, 0.1, 0, 12, 0), Winding::Primary, Quantity::Current, 10);
    expectOutcome(s.secondary.i, 1, "secondary current");
    expectOutcome(s.primary.z, 1200, "primary impedance");
    expectOutcome(s.secondary.z, 12, "secondary impedance");
    expectOutcome(s.primary.v, 120, "primary voltage");
    expectOutcome(s.power, 12, "power");

    s = transformerCommit(trans(0, 0, 0, 0, 12, 2), Winding::Secondary, Quantity::Voltage, 10);
    expectOutcome(s.primary.v, 120, "primary voltage from the secondary");
    expectOutcome(s.secondary.z, 6, "secondary impedance from volts and amps");
    expectOutcome(s.power, 0, "no primary current yet");

    s = transformerCommit(trans(800, 0, 0, 0, 0, 0), Winding::Primary, Quantity::Impedance, 10);
    expectOutcome(s.secondary.z, 8, "secondary impedance");
    s = transformerCommit(trans(0, 0, 0, 8, 4, 0), Winding::Secondary, Quantity::Impedance, 10);
    expectOutcome(s.primary.z, 800, "primary impedance");
    expectOutcome(s.secondary.i, 0.5, "secondary current");

    s = transformerCommit(trans(0, 0, 0, 0, 0, 2), Winding::Secondary, Quantity::Current, 4);
    expectOutcome(s.primary.i, 0.5, "primary current from the secondary");
}

TEST(Electronics, TransformerWithoutTurnsDerivesNothing) {
    // A zero ratio (typed "1:0") faults what it would derive; the committed side stays sound.
    TransState s =
        transformerCommit(trans(100, 120, 0, 0, 0, 0), Winding::Primary, Quantity::Voltage, 0);
    expectOutcome(s.secondary.v, kNone, "secondary voltage");
    expectOutcome(s.primary.i, 1.2, "primary current");
    expectOutcome(s.power, 144, "power");
    s = transformerCommit(trans(0, 0, 0, 0, 12, 0), Winding::Secondary, Quantity::Voltage, 0);
    expectOutcome(s.primary.v, kNone, "primary voltage");
    expectOutcome(s.power, kNone, "power");
    s = transformerCommit(trans(0, 0, 0, 0, 12, 0), Winding::Secondary, Quantity::Voltage, -2);
    EXPECT_EQ(s.primary.v.fault, CalcFault::Invalid);
}

TEST(Electronics, TransformerSentence) {
    EXPECT_EQ(
        transformerSentence({QStringLiteral("1200"), QStringLiteral("120"), QStringLiteral("0.1"),
                             QStringLiteral("12"), QStringLiteral("12"), QStringLiteral("1"),
                             QStringLiteral("10:1"), QStringLiteral("12 Watts")}),
        QStringLiteral("<Transformer> (Primary)1200 Ohms 120 Volts 0.1 Amps (Secondary) 12 "
                       "Ohms 12 Volts 1 Amps (Ratio) 10:1 (Power) 12 Watts."));
}

TEST(Electronics, BridgeTheveninAndNodes) {
    const struct {
        BridgeInput in;
        bool computed;
        double vth, rth, loadI, loadV, loadP, left, right;
    } cases[] = {
        {{10, 1000, 1000, 1000, 1000, 1000}, true, 0, 1000, 0, 0, 0, 5, 5},
        {{10, 1000, 2000, 1000, 1000, 1000},
         true,
         (2.0 / 3 - 0.5) * 10,
         2000.0 / 3 + 500,
         (5.0 / 3) / (1000 + 2000.0 / 3 + 500),
         (5.0 / 3) / (1000 + 2000.0 / 3 + 500) * 1000,
         (5.0 / 3) / (1000 + 2000.0 / 3 + 500) * (5.0 / 3) / (1000 + 2000.0 / 3 + 500) * 1000,
         80.0 / 13,
         80.0 / 13 - (5.0 / 3) / (1000 + 2000.0 / 3 + 500) * 1000},
        {{10, 1000, 1000, 1000, 1000, 0}, false, 0, 0, 0, 0, 0, 0, 0},
        {{0, 1000, 1000, 1000, 1000, 1000}, false, 0, 0, 0, 0, 0, 0, 0},
        // Left arms that sum to zero: no Thevenin source and no load values; the left node,
        // found through the other arms, stays sound.
        {{10, 1000, -1000, 1000, 1000, 1000}, true, kNone, kNone, kNone, kNone, kNone, 20, kNone},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.in.r15 << " " << c.in.r14);
        const BridgeResult r = bridge(c.in);
        EXPECT_EQ(r.computed, c.computed);
        expectOutcome(r.vth, c.vth, "Vth");
        expectOutcome(r.rth, c.rth, "Rth");
        expectOutcome(r.loadCurrent, c.loadI, "load current");
        expectOutcome(r.loadVoltage, c.loadV, "load voltage");
        expectOutcome(r.loadPower, c.loadP, "load power");
        expectOutcome(r.leftNode, c.left, "left node");
        expectOutcome(r.rightNode, c.right, "right node");
    }
    // The shown figures of the unbalanced bridge.
    const BridgeResult r = bridge({10, 1000, 2000, 1000, 1000, 1000});
    EXPECT_NEAR(r.vth.value, 1.6667, 1e-4);
    EXPECT_NEAR(r.rth.value, 1166.67, 1e-2);
    EXPECT_NEAR(r.loadCurrent.value, 0.000769, 1e-6);
    EXPECT_NEAR(r.loadVoltage.value, 0.769, 1e-3);
    EXPECT_NEAR(r.leftNode.value, 6.1538, 1e-4);
    EXPECT_NEAR(r.rightNode.value, 5.3846, 1e-4);
}

TEST(Electronics, TubeStageStepByStep) {
    const struct {
        TubeInput in;
        std::optional<double> gm, ma, dc, load, ac;
    } cases[] = {
        {{0, 2, 1000, 0, 0, {}}, 1, 2, {}, {}, {}},
        {{0, 2, 0, 250, 100000, {}}, {}, {}, {}, {}, {}},
        {{0, 1.5, 680, 250, 100000, {}}, 1.47, 2.2, 250 - 100000 * 1.5 / 680, 100000, {}},
        {{1, 2, 1000, 250, 100000, {100000, 0, -5}}, 1, 2, 50, 50000, 50},
        // A load that cancels the plate resistor leaves no plate load and no signal.
        {{1, 2, 1000, 250, -100000, {100000, 0, 0}}, 1, 2, 450, kNone, kNone},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.in.cathodeV << " " << c.in.cathodeR);
        const TubeResult r = tubeStage(c.in);
        const std::pair<const std::optional<Outcome> &, const std::optional<double> &> parts[] = {
            {r.transCond, c.gm},
            {r.plateMilliamps, c.ma},
            {r.plateDC, c.dc},
            {r.plateLoad, c.load},
            {r.plateAC, c.ac}};
        for (const auto &[got, want] : parts) {
            ASSERT_EQ(got.has_value(), want.has_value());
            if (got)
                expectOutcome(*got, *want, "tube");
        }
    }
}

Line line(const char *text) {
    const QString t = QString::fromLatin1(text);
    return {t, t.toDouble()};
}

TEST(Electronics, OpAmpStagesAndLimits) {
    const struct {
        const char *name;
        const char *vd, *va, *rsPos, *rsNeg, *rgPos, *rgNeg, *rf;
        double prevDc, prevAc;
        OpAmpStage stage;
        double dc, ac;
        bool clipPos, clipNeg;
    } cases[] = {
        {"inverting", "0.5", "0.2", "", "1000", "1000", "", "10000", 7, 7, OpAmpStage::Inverting,
         -5, -2, false, false},
        {"non-inverting", "1", "0.5", "1000", "", "1000", "1000", "9000", 7, 7,
         OpAmpStage::NonInverting, 5, 2.5, false, false},
        {"differential", "2", "0.5", "10000", "10000", "10000", "", "10000", 7, 7,
         OpAmpStage::Differential, 1.5, 0, false, false},
        {"differential with Rg- keeps the read-outs", "2", "0.5", "10000", "10000", "10000",
         "10000", "10000", 1.5, 0, OpAmpStage::Differential, 1.5, 0, false, false},
        {"open loop, inverting", "1", "0", "", "1000", "1000", "", "", 7, 7, OpAmpStage::Inverting,
         -15, 0, false, true},
        {"open loop, non-inverting", "1", "", "1000", "", "1000", "1000", "", 7, 7,
         OpAmpStage::NonInverting, 15, 0, true, false},
        {"open loop, AC only", "0", "2", "", "1000", "1000", "", "", 7, 7, OpAmpStage::Inverting, 0,
         30, true, true},
        {"open loop, AC only, direct", "", "2", "1000", "", "1000", "1000", "", 7, 7,
         OpAmpStage::NonInverting, 0, 30, true, true},
        {"open loop without input keeps the read-outs", "0", "0", "", "1000", "1000", "", "", 1, 2,
         OpAmpStage::Inverting, 1, 2, false, false},
        // The cases the direct stage leaves to physics: no divider to ground passes V
        // straight on; no resistor from the inverting input to ground, or a feedback of 0,
        // makes a follower.
        {"follower", "1", "0.5", "1000", "", "1000", "", "0", 7, 7, OpAmpStage::NonInverting, 0.5,
         0.25, false, false},
        {"no divider", "1", "0.5", "1000", "", "", "1000", "9000", 7, 7, OpAmpStage::NonInverting,
         10, 5, false, false},
        {"no Rg-", "1", "0.5", "1000", "", "1000", "", "9000", 7, 7, OpAmpStage::NonInverting, 0.5,
         0.25, false, false},
        {"feedback 0", "1", "0.5", "1000", "", "1000", "1000", "0", 7, 7, OpAmpStage::NonInverting,
         0.5, 0.25, false, false},
        // An inverted AC output swings as far as a positive one and is cut the same way.
        {"inverted swing clipped", "0", "4", "", "1000", "1000", "", "10000", 7, 7,
         OpAmpStage::Inverting, 0, -30, true, true},
        {"inverted swing clipped below", "1", "2", "", "1000", "1000", "", "10000", 7, 7,
         OpAmpStage::Inverting, -10, -15, false, true},
        // Nothing computes without supplies or a path for the signal.
        {"no path", "1", "1", "", "", "1000", "1000", "1000", 1, 2, OpAmpStage::None, 1, 2, false,
         false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        OpAmpInput in{line("15"),
                      line("-15"),
                      line(c.vd),
                      line(c.va),
                      line(c.rsPos),
                      line(c.rsNeg),
                      line(c.rgPos),
                      line(c.rgNeg),
                      line(c.rf),
                      calc::checked(c.prevDc),
                      calc::checked(c.prevAc)};
        const OpAmpResult r = opAmp(in);
        EXPECT_EQ(r.run, c.stage != OpAmpStage::None);
        EXPECT_EQ(r.stage, c.stage);
        expectOutcome(r.dc, c.dc, "DC");
        expectOutcome(r.ac, c.ac, "AC");
        EXPECT_EQ(r.clipPositive, c.clipPos);
        EXPECT_EQ(r.clipNegative, c.clipNeg);
    }
}

TEST(Electronics, OpAmpDivisionsByZeroAreFaults) {
    const struct {
        const char *rsPos, *rsNeg, *rgPos, *rgNeg;
    } cases[] = {
        {"", "0", "1000", ""},         // inverting with no input resistor
        {"1000", "", "-1000", "1000"}, // a divider that sums to zero
        {"1000", "", "1000", "0"},     // an inverting input tied to ground
        {"10000", "0", "10000", ""},   // differential with no inverting resistor
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.rsPos << "/" << c.rsNeg << "/" << c.rgPos << "/" << c.rgNeg);
        const OpAmpResult r = opAmp({line("15"),
                                     line("-15"),
                                     line("1"),
                                     line("0.5"),
                                     line(c.rsPos),
                                     line(c.rsNeg),
                                     line(c.rgPos),
                                     line(c.rgNeg),
                                     line("9000"),
                                     {},
                                     {}});
        expectOutcome(r.dc, kNone, "DC");
        EXPECT_FALSE(r.clipPositive || r.clipNegative);
    }
    EXPECT_FALSE(opAmp({line(""),
                        line("-15"),
                        line("1"),
                        line("0.5"),
                        line("1000"),
                        line(""),
                        line("1000"),
                        line("1000"),
                        line("9000"),
                        {},
                        {}})
                     .run);
}

} // namespace
} // namespace vidorev::electronics
