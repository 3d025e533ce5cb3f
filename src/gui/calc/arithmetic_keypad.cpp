#include "calc/arithmetic_keypad.h"

namespace vidorev {

namespace {
const std::array<Keypad::ButtonSpec, 8> kButtons{{
    {"Add", "&+", "Add"},
    {"Div", "&/", "Divide"},
    {"Mult", "&*", "Multiply"},
    {"Subt", "-&--", "Subtract"},
    {"LParen", "&(", "Start Paren"},
    {"RParen", "&)", "End Paren"},
    {"Equals", "&=", "Equals"},
    {"Clear", "Clea&r", nullptr},
}};

const calc::EngineKey kKeys[] = {
    calc::EngineKey::Add,      calc::EngineKey::Divide,    calc::EngineKey::Multiply,
    calc::EngineKey::Subtract, calc::EngineKey::LeftParen, calc::EngineKey::RightParen,
    calc::EngineKey::Equals,   calc::EngineKey::Clear,
};
} // namespace

ArithmeticKeypad::ArithmeticKeypad(QWidget *parent)
    : Keypad(QStringLiteral("Basic Calculations"), kButtons, calc::TwoColumnGrid::Wide13, parent) {}

void ArithmeticKeypad::setTypeIn(const QString &key) {
    announce(m_engine.setTypeIn(key));
}

void ArithmeticKeypad::pressed(int k) {
    announce(m_engine.press(kKeys[k - 1]));
}

void ArithmeticKeypad::announce(const calc::KeyResult &result) {
    if (result.fault != calc::CalcFault::None) {
        m_faultText = calc::faultText(result.fault);
        emit failed();
        return;
    }
    switch (result.event) {
    case calc::EngineEvent::Change:
        emit change();
        break;
    case calc::EngineEvent::Push:
        emit push();
        break;
    case calc::EngineEvent::Pop:
        emit pop();
        break;
    case calc::EngineEvent::None:
        break;
    }
}

} // namespace vidorev
