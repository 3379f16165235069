#include "bloodalcohol.h"

#include "guard.h"
#include "number.h"
#include "tagged.h"

namespace calculators {

namespace {

// The share of body mass that takes up the alcohol.
values::Tagged distributionRatio(bool man) { return values::Tagged::number(man ? 0.75 : 0.66); }

constexpr Inputs alcoholInput = firstInput;
constexpr Inputs massInput = secondInput;

// A mass that reads as zero divides by zero, also when no alcohol was drunk
// and the value rules call zero by zero an overflow.
Cause zeroMass(values::ErrorKind /*kind*/) { return Cause::DivisionByZero; }

} // namespace

Outcome bloodAlcohol(std::u16string_view alcohol, std::u16string_view mass, bool man, char16_t separator)
{
    const values::Tagged ratio = distributionRatio(man);
    const bool massGiven = values::isGreater(mass, u"0");
    const bool alcoholGiven = values::isGreater(alcohol, u"0");
    if (!(massGiven && alcoholGiven))
        return Declined{};
    return settle([&] {
        // Each text is read apart from the arithmetic, so that a text too large
        // to read is told from a quotient too large to show. The mass first, as
        // the product it goes into comes before the quotient.
        const auto kilograms = values::Tagged::number(read(mass, massInput, separator));
        const values::Tagged body = compute(massInput, [&] { return values::multiply(kilograms, ratio, separator); });
        const auto grams = values::Tagged::number(read(alcohol, alcoholInput, separator));
        // A zero divisor can only come from the mass; any other failure is the
        // quotient's, which both inputs make.
        const bool massIsZero = body.asDouble() == 0.0;
        return blame(massIsZero ? massInput : bothInputs, massIsZero ? zeroMass : computingCause, [&] {
            const values::Tagged concentration = values::divide(grams, body, separator);
            return values::toFixed(concentration, separator).toText(separator) + u" promillea";
        });
    });
}

} // namespace calculators
