#include "bloodalcohol.h"

#include "guard.h"
#include "number.h"
#include "tagged.h"

namespace calculators {

namespace {

// The share of body mass that takes up the alcohol, and whose it is.
struct Ratio {
    values::Tagged value;
    std::u16string_view whose;
};

Ratio distributionRatio(Sex sex)
{
    switch (sex) {
    case Sex::Man:
        return {values::Tagged::number(0.75), u"mies"};
    case Sex::Woman:
        return {values::Tagged::number(0.66), u"nainen"};
    case Sex::NotChosen:
        break;
    }
    return {values::Tagged::number(0.66), sexNotChosen};
}

constexpr Inputs alcoholInput = firstInput;
constexpr Inputs massInput = secondInput;

constexpr Inputs unlessGiven(bool given, Inputs input) { return given ? 0U : input; }

// A mass that reads as zero divides by zero, also when no alcohol was drunk
// and the value rules call zero by zero an overflow.
Cause zeroMass(values::ErrorKind /*kind*/) { return Cause::DivisionByZero; }

} // namespace

Outcome bloodAlcohol(std::u16string_view alcohol, std::u16string_view mass, Sex sex, char16_t separator)
{
    const Ratio ratio = distributionRatio(sex);
    const bool massGiven = values::isGreater(mass, u"0");
    const bool alcoholGiven = values::isGreater(alcohol, u"0");
    if (!(massGiven && alcoholGiven))
        return Declined{unlessGiven(alcoholGiven, alcoholInput) | unlessGiven(massGiven, massInput)};
    return settle([&] {
        // Each text is read apart from the arithmetic, so that a text too large
        // to read is told from a quotient too large to show. The mass first, as
        // the product it goes into comes before the quotient.
        const auto kilograms = values::Tagged::number(read(mass, massInput, separator));
        const values::Tagged body =
            compute(massInput, [&] { return values::multiply(kilograms, ratio.value, separator); });
        const auto grams = values::Tagged::number(read(alcohol, alcoholInput, separator));
        // A zero divisor can only come from the mass; any other failure is the
        // quotient's, which both inputs make.
        const bool massIsZero = body.asDouble() == 0.0;
        const std::u16string figure = blame(massIsZero ? massInput : bothInputs,
                                             massIsZero ? zeroMass : computingCause, [&] {
            const values::Tagged concentration = values::divide(grams, body, separator);
            return values::toFixed(concentration, separator).toText(separator);
        });
        return Shown{figure, bloodAlcoholUnit,
                     explain(bloodAlcoholFormula,
                             {term(u"A", grams.asDouble(), u" g", separator),
                              term(u"m", kilograms.asDouble(), u" kg", separator),
                              term(u"r", ratio.value.asDouble(), u" (" + std::u16string(ratio.whose) + u")", separator)})
                         + u"\nArvio suurimmasta pitoisuudesta: alkoholin palamista ei ole otettu huomioon."};
    });
}

} // namespace calculators
