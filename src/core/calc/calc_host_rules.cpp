#include "calc/calc_host_rules.h"

namespace vidorev::calc {

FanOut fanOutFor(Source source) {
    FanOut f;
    f.parenValue = source != Source::ArithmeticKeypad;
    f.xtendValue = source != Source::Hyper && source != Source::Xtend;
    f.xtendAcc = f.xtendValue && source != Source::Binary;
    f.mono = source != Source::Mono;
    f.trig = source != Source::Trig;
    f.hyper = source != Source::Hyper;
    f.binary = source == Source::Binary  ? BinaryWrite::Nothing
               : source == Source::Xtend ? BinaryWrite::Value
                                         : BinaryWrite::HexValue;
    f.readouts = true;
    f.clearTypeIn = source != Source::TypeIn;
    return f;
}

namespace {
const struct {
    Pad pad;
    const char16_t *value;
} kPads[] = {{Pad::Math, u"Math"},
             {Pad::Trig, u"Trig"},
             {Pad::Hyper, u"Hyper"},
             {Pad::Binary, u"Binary"},
             {Pad::Xtend, u"Xtend"}};
} // namespace

Pad padFromValue(const QString &value) {
    for (const auto &entry : kPads)
        if (value == QStringView(entry.value))
            return entry.pad;
    return Pad::None;
}

QString padValue(Pad pad) {
    for (const auto &entry : kPads)
        if (entry.pad == pad)
            return QString::fromUtf16(entry.value);
    return QString();
}

CalcView calcView(const QString &selection, const QString &pad) {
    CalcView view;
    if (selection == u"OK") {
        view.arithmetic = true;
    } else if (selection == u"Math") {
        view.arithmetic = true;
        view.pad = padFromValue(pad);
        view.setPadButtons = true;
    } else if (selection == u"Help") {
        view.help = true;
    } else if (selection == u"Ohms" || selection == u"Bridge" || selection == u"Trans" ||
               selection == u"VT" || selection == u"OA") {
        view.special = SpecialPage::Electronics;
    } else if (selection == u"Tax") {
        view.special = SpecialPage::Tax;
    } else if (selection == u"Loan") {
        view.special = SpecialPage::Loan;
    }
    return view;
}

} // namespace vidorev::calc
