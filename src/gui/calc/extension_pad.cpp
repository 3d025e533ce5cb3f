#include "calc/extension_pad.h"

namespace vidorev {

namespace {
const std::array<Keypad::ButtonSpec, 8> kButtons{{
    {"cmdMemPlus", "M+", "Add to Memory"},
    {"cmdMemSub", "M-", "Subtract from Memory"},
    {"cmdMemRead", "MR", "Recall memory"},
    {"cmdMemClear", "MC", "Clear Memory"},
    {"cmdPercent", "&%", "Percent of subtotal"},
    {"cmdMean", "Mea&n", "Mean of all addends"},
    {"cmdSquare", "S&qr", "Square the entry"},
    {"cmdRoot", "Roo&t", "Square Root"},
}};
} // namespace

ExtensionPad::ExtensionPad(QWidget *parent)
    : Keypad(QString(), kButtons, calc::TwoColumnGrid::Wide13, parent) {}

void ExtensionPad::setTypeIn(const QString &key) {
    announce(m_pad.setTypeIn(key));
}

void ExtensionPad::pressed(int k) {
    announce(m_pad.press(static_cast<calc::ExtendKey>(k - 1)));
}

void ExtensionPad::announce(const calc::PadStep &step) {
    switch (step.action) {
    case calc::PadAction::Change:
        emit change();
        break;
    case calc::PadAction::Fault:
        m_faultText = calc::faultText(step.fault);
        emit failed();
        break;
    case calc::PadAction::Quiet:
        break;
    }
}

} // namespace vidorev
