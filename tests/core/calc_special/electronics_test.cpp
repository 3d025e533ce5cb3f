#include "calc_special/electronics.h"
#include "test_env.h"

#include <cmath>

namespace vidorev::electronics {
namespace {

// An outcome as six significant digits, or its fault: "/0" for a division by zero, "!" else;
// "-" for a step not taken.
QString show(const std::optional<Outcome> &o) {
    if (!o)
        return "-";
    EXPECT_TRUE(std::isfinite(o->value));
    if (!o->ok())
        return o->fault == calc::CalcFault::DivideByZero ? "/0" : "!";
    return QString::number(o->value, 'g', 6);
}
QString show(std::initializer_list<std::optional<Outcome>> outcomes) {
    QStringList all;
    for (const auto &o : outcomes)
        all << show(o);
    return all.join(' ');
}

TEST(Electronics, OhmsLawDividerAndLoad) {
    // tap volts, current, power, load current, load power
    const std::pair<OhmsInput, const char *> cases[] = {
        {{1000, 500, 10, 0}, "5 0.01 0.1 0 0"},
        {{1000, 500, 10, 500}, "3.33333 0.0133333 0.133333 0.00666667 0.0222222"},
        {{1000, 1500, 10, 0}, "0 0.01 0.1 0 0"}, // tap above the top: no tap voltage
        {{1000, 1500, 10, 500}, "0 0 0 0 0"},    // ... and no sound answer with a load
        {{1000, 0, 10, 500}, "0 0 0 0 0"},       // a load needs a tap
        {{0, 500, 10, 0}, "0 0 0 0 0"},
        // A load that cancels the tap leaves no parallel resistance; one that with the tap
        // cancels the upper arm leaves no current to name.
        {{1000, 500, 10, -500}, "/0 /0 /0 /0 /0"},
        {{1000, 500, 10, -250}, "/0 /0 /0 /0 /0"}};
    for (const auto &[in, expected] : cases) {
        const OhmsResult r = ohmsLaw(in);
        EXPECT_EQ(show({r.tapVolts, r.current, r.power, r.loadCurrent, r.loadPower}), expected)
            << in.r << " " << in.rt << " " << in.rl;
    }
}

// The memo tells as much as was entered: a tap, then a load on it; a load without a tap is not
// told.
TEST(Electronics, OhmsAndTransformerSentences) {
    const OhmsShown shown{"0.013 Amps", "0.133 Watts", "3.333 Volts", "0.0067 Amps", "0.022 Watts"};
    EXPECT_EQ(ohmsSentence({1000, 500, 10, 500}, shown),
              "<Ohms> 10 Volts into 1000 Ohms Causes 0.013 Amps to flow, for 0.133 Watts. A tap at "
              "500 Ohms will see 3.333 Volts. A Load of 500 Ohms will pull 0.0067 Amps for 0.022 "
              "Watts.");
    EXPECT_FALSE(ohmsSentence({1000, 0, 10, 500}, shown).contains("tap"));
    EXPECT_TRUE(ohmsSentence({1000, 0, 0, 0}, shown).isEmpty());
    EXPECT_EQ(transformerSentence({"1200", "120", "0.1", "12", "12", "1", "10:1", "12 Watts"}),
              "<Transformer> (Primary)1200 Ohms 120 Volts 0.1 Amps (Secondary) 12 Ohms 12 Volts 1 "
              "Amps (Ratio) 10:1 (Power) 12 Watts.");
}

TransState trans(double pz, double pv, double pi, double sz, double sv, double si) {
    using calc::checked;
    return {{checked(pz), checked(pv), checked(pi)}, {checked(sz), checked(sv), checked(si)}, {}};
}

TEST(Electronics, TransformerRatioFromEachPair) {
    const std::tuple<TransState, Quantity, const char *> cases[] = {
        {trans(0, 120, 0, 0, 12, 0), Quantity::Voltage, "10:1"},
        {trans(8, 0, 0, 800, 0, 0), Quantity::Impedance, "1:10"},
        {trans(0, 0, 0.1, 0, 0, 1), Quantity::Current, "10:1"},
        {trans(0, 5, 0, 0, 5, 0), Quantity::Voltage, "1:1"},
        {trans(0, 120, 0, 0, -12, 0), Quantity::Voltage, ""},
        {trans(0, 1e300, 0, 0, 1e-300, 0), Quantity::Voltage, ""}}; // beyond the range
    for (const auto &[state, pair, text] : cases) {
        const auto n = ratioFromPair(state, pair);
        EXPECT_EQ(n ? ratioText(*n) : "", text);
        EXPECT_NEAR(n ? *parseRatio(ratioText(*n)) : 0, n.value_or(0), 1e-12);
    }
    EXPECT_EQ(parseRatio("2.5"), 2.5);
    EXPECT_EQ(parseRatio("1:0"), 0.0);
    for (const char *bad : {"Error: division by zero", "1:2:3", "1:x"})
        EXPECT_FALSE(parseRatio(bad)) << bad;
}

// A committed value gives the other side by the ratio, and both sides complete themselves; a zero
// ratio (typed "1:0") faults what it would derive, the committed side staying sound.
TEST(Electronics, TransformerDerivesTheOtherSideAndCompletesBoth) {
    const auto sides = [](const TransState &s) {
        return show({s.primary.z, s.primary.v, s.primary.i, s.secondary.z, s.secondary.v,
                     s.secondary.i, s.power});
    };
    using Q = Quantity;
    const std::tuple<TransState, Winding, Quantity, double, const char *> cases[] = {
        {trans(0, 120, 0.1, 0, 12, 0), Winding::Primary, Q::Current, 10, "1200 120 0.1 12 12 1 12"},
        {trans(0, 0, 0, 0, 12, 2), Winding::Secondary, Q::Voltage, 10, "0 120 0 6 12 2 0"},
        {trans(0, 0, 0, 8, 4, 0), Winding::Secondary, Q::Impedance, 10, "800 0 0 8 4 0.5 0"},
        {trans(100, 120, 0, 0, 0, 0), Winding::Primary, Q::Voltage, 0, "100 120 1.2 0 /0 0 144"},
        {trans(0, 0, 0, 0, 12, 0), Winding::Secondary, Q::Voltage, -2, "0 ! 0 0 12 0 !"}};
    for (const auto &[state, side, q, n, expected] : cases)
        EXPECT_EQ(sides(transformerCommit(state, side, q, n)), expected) << n;
}

TEST(Electronics, BridgeTheveninAndNodes) {
    // computed; Vth, Rth, load current, voltage and power, left and right node
    const std::pair<BridgeInput, const char *> cases[] = {
        {{10, 1000, 1000, 1000, 1000, 1000}, "1 0 1000 0 0 0 5 5"},
        {{10, 1000, 2000, 1000, 1000, 1000},
         "1 1.66667 1166.67 0.000769231 0.769231 0.000591716 6.15385 5.38462"},
        {{10, 1000, 1000, 1000, 1000, 0}, "0 0 0 0 0 0 0 0"},
        // Left arms that sum to zero: no Thevenin source and no load values; the left node,
        // found through the other arms, stays sound.
        {{10, 1000, -1000, 1000, 1000, 1000}, "1 /0 /0 /0 /0 /0 20 /0"}};
    for (const auto &[in, expected] : cases) {
        const BridgeResult r = bridge(in);
        EXPECT_EQ(QString::number(r.computed) + ' ' +
                      show({r.vth, r.rth, r.loadCurrent, r.loadVoltage, r.loadPower, r.leftNode,
                            r.rightNode}),
                  expected)
            << in.r15 << " " << in.r14;
    }
}

TEST(Electronics, TubeStageStepByStep) {
    // transconductance, plate milliamps, plate DC, plate load, plate AC
    const std::pair<TubeInput, const char *> cases[] = {
        {{0, 2, 1000, 0, 0, {}}, "1 2 - - -"},
        {{0, 2, 0, 250, 100000, {}}, "- - - - -"},
        {{0, 1.5, 680, 250, 100000, {}}, "1.47 2.2 29.4118 100000 -"},
        {{1, 2, 1000, 250, 100000, {100000, 0, -5}}, "1 2 50 50000 50"},
        // A load that cancels the plate resistor leaves no plate load and no signal.
        {{1, 2, 1000, 250, -100000, {100000, 0, 0}}, "1 2 450 /0 /0"}};
    for (const auto &[in, expected] : cases) {
        const TubeResult r = tubeStage(in);
        EXPECT_EQ(show({r.transCond, r.plateMilliamps, r.plateDC, r.plateLoad, r.plateAC}),
                  expected)
            << in.cathodeV << " " << in.cathodeR;
    }
}

Line line(const char *text) {
    return {text, QString(text).toDouble()};
}

TEST(Electronics, OpAmpStagesLimitsAndFaults) {
    // V DC, V AC, Rs+, Rs-, Rg+, Rg-, Rf: the stage, DC, AC and the clipped ends, from read-outs
    // of 1 and 2 (where they are kept) and supplies of +15 and -15 V.
    const std::pair<std::array<const char *, 7>, const char *> cases[] = {
        {{"0.5", "0.2", "", "1000", "1000", "", "10000"}, "1 -5 -2 00"},
        {{"1", "0.5", "1000", "", "1000", "1000", "9000"}, "2 5 2.5 00"},
        {{"2", "0.5", "10000", "10000", "10000", "", "10000"}, "3 1.5 0 00"},
        {{"2", "0.5", "10000", "10000", "10000", "10000", "10000"}, "3 1 2 00"}, // kept
        {{"1", "0", "", "1000", "1000", "", ""}, "1 -15 0 01"},                  // open loop
        {{"0", "2", "", "1000", "1000", "", ""}, "1 0 30 11"},
        {{"0", "0", "", "1000", "1000", "", ""}, "1 1 2 00"}, // no input: kept
        // With no divider to ground V passes straight on; with no resistor from the inverting
        // input to ground the stage is a follower.
        {{"1", "0.5", "1000", "", "", "1000", "9000"}, "2 10 5 00"},
        {{"1", "0.5", "1000", "", "1000", "", "9000"}, "2 0.5 0.25 00"},
        // An inverted AC output swings as far as a positive one and is cut the same way.
        {{"1", "2", "", "1000", "1000", "", "10000"}, "1 -10 -15 01"},
        {{"1", "", "1000", "", "1000", "1000", ""}, "2 15 0 10"},
        // No path for the signal, or no way back to the inverting input.
        {{"1", "1", "", "", "1000", "1000", "1000"}, "0 1 2 00"},
        {{"1", "1", "1000", "", "1000", "", ""}, "0 1 2 00"},
        // Divisions by zero: no input resistor, a divider summing to zero, an inverting input
        // tied to ground, a differential stage with no inverting resistor.
        {{"1", "0.5", "", "0", "1000", "", "9000"}, "1 /0 /0 00"},
        {{"1", "0.5", "1000", "", "-1000", "1000", "9000"}, "2 /0 /0 00"},
        {{"1", "0.5", "1000", "", "1000", "0", "9000"}, "2 /0 /0 00"},
        {{"1", "0.5", "10000", "0", "10000", "", "9000"}, "3 /0 0 00"}};
    for (const auto &[v, expected] : cases) {
        const OpAmpResult r =
            opAmp({line("15"), line("-15"), line(v[0]), line(v[1]), line(v[2]), line(v[3]),
                   line(v[4]), line(v[5]), line(v[6]), calc::checked(1), calc::checked(2)});
        EXPECT_EQ(QString::number(int(r.stage)) + ' ' + show({r.dc, r.ac}) + ' ' +
                      QString::number(r.clipPositive) + QString::number(r.clipNegative),
                  expected)
            << QStringList(v.begin(), v.end()).join('|').toStdString();
        EXPECT_EQ(r.run, r.stage != OpAmpStage::None);
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
