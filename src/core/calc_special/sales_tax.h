#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The tax calculator's arithmetic: from a rate and one known amount (the cost before tax or the
// total after it) to the tax and the other amount, as the calculator shows them. The tax is cut
// down to whole cents; a negative rate works the same way, as a discount.
namespace vidorev::special {

// The part of an after-tax total that is tax: rate / (rate + 1). None at a rate of -100 %,
// where every total is 0 whatever the cost.
std::optional<double> afterTaxShare(double rate);

// The three amounts as the calculator shows them. When the tax cannot be worked out (a total at
// -100 %, or an amount beyond whole cents) tax and the derived amount carry the error text.
struct TaxSheet {
    QString cost;                   // the cost before tax
    std::optional<qint64> taxCents; // none when the tax could not be worked out
    QString tax;                    // the tax as a money box shows it, or the error text
    QString afterTax;               // the total after tax
};

// From the cost line's text: a text that is not a number counts, and is shown, as "0".
TaxSheet taxFromCost(double rate, const QString &costText, const QLocale &locale = QLocale());
// From the after-tax line's text, likewise.
TaxSheet taxFromTotal(double rate, const QString &afterTaxText, const QLocale &locale = QLocale());

// The result as one sentence: "The tax on $42.95 at 7% is $3 for a total of $45.95." A single
// space when there is nothing to tell: an empty cost, a zero rate or no tax worked out.
QString taxSentence(double rate, const QString &costText, std::optional<qint64> taxCents,
                    const QString &afterTaxText, const QLocale &locale = QLocale());

} // namespace vidorev::special
