#include "calc_special/electronics.h"

#include "calc_special/money_text.h"
#include "platform/text_forms.h"

#include <cmath>

namespace vidorev::electronics {

using calc::CalcFault;

namespace {

// Arithmetic on outcomes: a fault in an operand is the result's fault; a division by zero and
// a result outside the floating range are faults of their own.
Outcome val(double v) {
    return calc::checked(v);
}
Outcome fault(CalcFault f) {
    return {0.0, f};
}
Outcome operator+(Outcome a, Outcome b) {
    return !a.ok() ? a : !b.ok() ? b : val(a.value + b.value);
}
Outcome operator-(Outcome a, Outcome b) {
    return !a.ok() ? a : !b.ok() ? b : val(a.value - b.value);
}
Outcome operator*(Outcome a, Outcome b) {
    return !a.ok() ? a : !b.ok() ? b : val(a.value * b.value);
}
Outcome operator/(Outcome a, Outcome b) {
    if (!a.ok())
        return a;
    if (!b.ok())
        return b;
    if (b.value == 0.0)
        return fault(CalcFault::DivideByZero);
    return val(a.value / b.value);
}
Outcome operator-(Outcome a) {
    return a.ok() ? val(-a.value) : a;
}
// Two resistors in parallel: 1 / (1/a + 1/b).
Outcome par(Outcome a, Outcome b) {
    return val(1) / (val(1) / a + val(1) / b);
}
// Cut down to two decimals, as a money box shows it.
Outcome cut(Outcome a) {
    return a.ok() ? val(static_cast<double>(money::cutToCents(a.value)) / 100.0) : a;
}

} // namespace

// --- Ohm's law ------------------------------------------------------------------------------

OhmsResult ohmsLaw(const OhmsInput &in) {
    OhmsResult out;
    if (in.r == 0.0 || in.v == 0.0)
        return out;
    const Outcome r = val(in.r), rt = val(in.rt), v = val(in.v), rl = val(in.rl);
    if (in.rl == 0.0) {
        out.current = v / r;
        out.power = out.current * v;
        if (in.rt != 0.0 && in.rt <= in.r)
            out.tapVolts = out.current * rt;
        return out;
    }
    if (in.r < in.rt || in.rt == 0.0)
        return out;
    const Outcome rp = par(rl, rt);
    out.current = v / ((r - rt) + rp);
    out.power = out.current * v;
    out.tapVolts = out.current * rp;
    out.loadCurrent = out.tapVolts / rl;
    out.loadPower = out.loadCurrent * out.tapVolts;
    return out;
}

QString ohmsSentence(const OhmsInput &in, const OhmsShown &shown, const QLocale &locale) {
    if (in.v == 0.0 || in.r == 0.0)
        return QString();
    QString s = QStringLiteral("<Ohms> ") + text::number(in.v, locale) +
                QStringLiteral(" Volts into ") + text::number(in.r, locale) +
                QStringLiteral(" Ohms Causes ") + shown.current + QStringLiteral(" to flow, for ") +
                shown.power + u'.';
    if (in.rt > 0.0) {
        s += QStringLiteral(" A tap at ") + text::number(in.rt, locale) +
             QStringLiteral(" Ohms will see ") + shown.tapVolts + u'.';
        if (in.rl > 0.0)
            s += QStringLiteral(" A Load of ") + text::number(in.rl, locale) +
                 QStringLiteral(" Ohms will pull ") + shown.loadCurrent + QStringLiteral(" for ") +
                 shown.loadPower + u'.';
    }
    return s;
}

// --- Transformer ----------------------------------------------------------------------------

namespace {

Outcome &field(TransSide &side, Quantity q) {
    switch (q) {
    case Quantity::Impedance:
        return side.z;
    case Quantity::Voltage:
        return side.v;
    case Quantity::Current:
        break;
    }
    return side.i;
}

void complete(TransSide &s, Quantity q) {
    switch (q) {
    case Quantity::Impedance:
        if (s.v.ok() && s.v.value == 0.0)
            s.v = s.i * s.z;
        if (!s.z.ok() || s.z.value != 0.0)
            s.i = s.v / s.z;
        break;
    case Quantity::Voltage:
        if (s.z.ok() && s.z.value == 0.0 && (!s.i.ok() || s.i.value != 0.0))
            s.z = s.v / s.i;
        if (!s.z.ok() || s.z.value != 0.0)
            s.i = s.v / s.z;
        break;
    case Quantity::Current:
        if (s.z.ok() && s.z.value == 0.0 && (!s.i.ok() || s.i.value != 0.0))
            s.z = s.v / s.i;
        s.v = s.i * s.z;
        break;
    }
}

} // namespace

std::optional<double> ratioFromPair(const TransState &state, Quantity pair) {
    TransState s = state;
    const Outcome p = field(s.primary, pair), q = field(s.secondary, pair);
    if (!p.ok() || !q.ok() || !(p.value > 0.0) || !(q.value > 0.0))
        return std::nullopt;
    Outcome n;
    switch (pair) {
    case Quantity::Voltage:
        n = p / q;
        break;
    case Quantity::Current:
        n = q / p;
        break;
    case Quantity::Impedance:
        n = p / q;
        if (n.ok())
            n = val(std::sqrt(n.value));
        break;
    }
    // A ratio beyond the floating range is no ratio at all.
    if (!n.ok() || n.value == 0.0)
        return std::nullopt;
    return n.value;
}

QString ratioText(double n, const QLocale &locale) {
    if (n > 1.0)
        return text::number(n, locale) + QStringLiteral(":1");
    if (n < 1.0)
        return QStringLiteral("1:") + text::number(1.0 / n, locale);
    return QStringLiteral("1:1");
}

std::optional<double> parseRatio(const QString &text, const QLocale &locale) {
    const QStringList parts = text.split(u':');
    if (parts.size() > 2)
        return std::nullopt;
    const auto left = money::parseNumber(parts.first().trimmed(), locale);
    if (!left)
        return std::nullopt;
    if (parts.size() == 1)
        return left;
    const auto right = money::parseNumber(parts.last().trimmed(), locale);
    if (!right)
        return std::nullopt;
    // "1:0" names no turns on the secondary: a ratio of no size the derivations refuse.
    return *right == 0.0 ? 0.0 : *left / *right;
}

TransState transformerCommit(TransState s, Winding side, Quantity q, double n) {
    Outcome ratio = val(n);
    if (!(n > 0.0))
        ratio = fault(n == 0.0 ? CalcFault::DivideByZero : CalcFault::Invalid);
    const Outcome scale = q == Quantity::Impedance ? ratio * ratio : ratio;
    const bool fromPrimary = side == Winding::Primary;
    Outcome &from = field(fromPrimary ? s.primary : s.secondary, q);
    Outcome &to = field(fromPrimary ? s.secondary : s.primary, q);
    // Voltage and impedance fall from primary to secondary, current rises.
    const bool divide = (q == Quantity::Current) != fromPrimary;
    to = divide ? from / scale : from * scale;
    complete(s.primary, q);
    complete(s.secondary, q);
    s.power = s.primary.i * s.primary.v;
    return s;
}

QString transformerSentence(const TransShown &t) {
    return QStringLiteral("<Transformer> (Primary)") + t.primaryZ + QStringLiteral(" Ohms ") +
           t.primaryV + QStringLiteral(" Volts ") + t.primaryI +
           QStringLiteral(" Amps (Secondary) ") + t.secondaryZ + QStringLiteral(" Ohms ") +
           t.secondaryV + QStringLiteral(" Volts ") + t.secondaryI +
           QStringLiteral(" Amps (Ratio) ") + t.ratio + QStringLiteral(" (Power) ") + t.power +
           u'.';
}

// --- Bridge ---------------------------------------------------------------------------------

BridgeResult bridge(const BridgeInput &in) {
    BridgeResult out;
    for (double x : {in.vin, in.r12, in.r13, in.r14, in.r15, in.r16})
        if (x == 0.0)
            return out;
    out.computed = true;
    const Outcome vin = val(in.vin), r12 = val(in.r12), r13 = val(in.r13), r14 = val(in.r14),
                  r15 = val(in.r15), r16 = val(in.r16);
    out.vth = (r15 / (r12 + r15) - r16 / (r13 + r16)) * vin;
    out.rth = par(r12, r15) + par(r13, r16);
    out.loadCurrent = out.vth / (r14 + out.rth);
    out.loadVoltage = out.loadCurrent * r14;
    out.loadPower = out.loadCurrent * out.loadVoltage;

    const Outcome g = val(1) / r13 + val(1) / (r12 + r14);
    const Outcome v16 = vin * r16 / (r16 + val(1) / g);
    const Outcome vleft = v16 + r14 * (vin - v16) / (r12 + r14);
    const Outcome rp = par(r12, r14 + par(r13, r16));
    out.leftNode = r15 * vleft / (r15 + rp);
    out.rightNode = out.leftNode - out.loadVoltage;
    return out;
}

// --- Tube stage -----------------------------------------------------------------------------

TubeResult tubeStage(const TubeInput &in) {
    TubeResult out;
    if (in.cathodeV == 0.0 || in.cathodeR == 0.0)
        return out;
    const Outcome ip = val(in.cathodeV) / val(in.cathodeR);
    out.plateCurrent = ip;
    out.transCond = cut(ip / val(in.cathodeV) * val(1000));
    out.plateMilliamps = cut(ip * val(1000));
    if (in.plateSupply == 0.0 || in.plateR == 0.0)
        return out;
    out.plateDC = val(in.plateSupply) - val(in.plateR) * ip;
    Outcome conductance = val(1) / val(in.plateR);
    for (double load : in.loads)
        if (load > 0.0)
            conductance = conductance + val(1) / val(load);
    out.plateLoad = val(1) / conductance;
    if (in.gridV == 0.0)
        return out;
    out.plateAC = *out.transCond * val(in.gridV) * *out.plateLoad * val(0.001);
    return out;
}

// --- Op-amp stage ---------------------------------------------------------------------------

namespace {

Outcome valueOf(const Line &line) {
    return val(line.filled() ? line.value : 0.0);
}

// Without feedback the output swings to a supply: direction -1 for the inverting input,
// +1 for the direct one. Nothing changes when there is no input at all.
void openLoop(const OpAmpInput &in, double f, OpAmpResult &out) {
    const double vd = in.vd.filled() ? in.vd.value : 0.0;
    const double va = in.va.filled() ? in.va.value : 0.0;
    if (vd == 0.0 && va == 0.0)
        return;
    const double h = va / 2.0;
    const double top = f * vd + h > 0.0 ? in.vcc.value : in.vee.value;
    const double bottom = f * vd - h < 0.0 ? in.vee.value : in.vcc.value;
    out.ac = val((top - bottom) * 1.05);
    out.dc = out.ac.ok() && out.ac.value == 0.0 ? val(bottom) : val(0.0);
}

// The direct input behind its divider (or straight, with nothing to ground), amplified by
// 1 + Rf/Rg- (or followed, with nothing from the inverting input to ground).
Outcome nonInverting(const OpAmpInput &in, Outcome v) {
    const Outcome vPlus =
        in.rgPos.filled() ? v * valueOf(in.rgPos) / (valueOf(in.rsPos) + valueOf(in.rgPos)) : v;
    if (!in.rgNeg.filled())
        return vPlus;
    return vPlus / valueOf(in.rgNeg) * (valueOf(in.rgNeg) + valueOf(in.rf));
}

// The swing around the DC output, cut at the supplies. An inverted AC output (negative) swings
// as far as a positive one; it keeps its sign.
void limit(const OpAmpInput &in, OpAmpResult &out) {
    if (!out.dc.ok() || !out.ac.ok())
        return;
    const double vcc = in.vcc.value, vee = in.vee.value;
    const double h = std::abs(out.ac.value) / 2.0;
    double top = out.dc.value + h, bottom = out.dc.value - h, dc = out.dc.value;
    if (vcc <= top) {
        out.clipPositive = true;
        top = std::min(top, vcc);
        bottom = std::min(bottom, vcc);
        dc = std::min(dc, vcc);
    }
    if (bottom <= vee) {
        out.clipNegative = true;
        top = std::max(top, vee);
        bottom = std::max(bottom, vee);
        dc = std::max(dc, vee);
    }
    out.dc = val(dc);
    out.ac = val(std::copysign(top - bottom, out.ac.value));
}

} // namespace

OpAmpResult opAmp(const OpAmpInput &in) {
    OpAmpResult out;
    out.dc = in.dc;
    out.ac = in.ac;
    if (!in.vcc.filled() || !in.vee.filled())
        return out;
    if (!in.rsNeg.filled() && !in.rf.filled() && !in.rgNeg.filled())
        return out;
    if (!in.rsPos.filled() && !in.rgPos.filled())
        return out;
    if (!in.rsNeg.filled() && !in.rsPos.filled())
        return out;
    out.run = true;
    const Outcome vd = valueOf(in.vd), va = valueOf(in.va);

    if (!in.rsPos.filled()) {
        out.stage = OpAmpStage::Inverting;
        if (!in.rf.filled()) {
            openLoop(in, -1.0, out);
        } else {
            out.dc = -valueOf(in.rf) * vd / valueOf(in.rsNeg);
            out.ac = -valueOf(in.rf) * va / valueOf(in.rsNeg);
        }
    } else if (!in.rsNeg.filled()) {
        out.stage = OpAmpStage::NonInverting;
        if (!in.rf.filled()) {
            openLoop(in, 1.0, out);
        } else {
            out.dc = nonInverting(in, vd);
            out.ac = nonInverting(in, va);
        }
    } else {
        out.stage = OpAmpStage::Differential;
        if (in.rgPos.filled() && !in.rgNeg.filled() && in.rf.filled()) {
            const Outcome vPlus = vd * valueOf(in.rgPos) / (valueOf(in.rsPos) + valueOf(in.rgPos));
            const Outcome i = (vPlus - va) / valueOf(in.rsNeg);
            out.dc = vPlus + valueOf(in.rf) * i;
            out.ac = val(0.0);
        }
    }
    limit(in, out);
    return out;
}

} // namespace vidorev::electronics
