#include "calc/entry_arithmetic.h"

#include "test_env.h"

#include <tuple>

using namespace vidorev::calc;

namespace {

TEST(EntryArithmetic, RunsTheOperatorsTypedOneCharacterAtATime) {
    // keys, the box's text after them, the accumulator, the fault of the last key
    const std::tuple<const char *, const char *, double, CalcFault> rows[] = {
        {"4+5=", "9", 9, CalcFault::None},
        // An operator empties the box.
        {"4+", "", 4, CalcFault::None},
        {"2*3-1/2=", "2.5", 2.5, CalcFault::None},
        // A non-number operand counts as zero.
        {"7+abc=", "7", 7, CalcFault::None},
        // Refused keys leave the accumulator as it was.
        {"8/0=", "Error: division by zero", 8, CalcFault::DivideByZero},
        {"1e300*1e300=", "Error: overflow", 1e300, CalcFault::Overflow}};
    for (const auto &[keys, text, acc, fault] : rows) {
        EntryArithmetic arithmetic;
        QString box;
        EntryArithmetic::Edit edit;
        for (const QChar c : QString::fromLatin1(keys)) {
            box += c;
            edit = arithmetic.edit(box);
            if (edit.operatorTyped)
                box = edit.newText;
        }
        EXPECT_EQ(std::tuple(box, arithmetic.acc(), edit.fault),
                  std::tuple(QString(text), acc, fault))
            << keys;
    }
}

} // namespace
