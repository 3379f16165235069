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

} // namespace

Outcome bloodAlcohol(std::u16string_view alcohol, std::u16string_view mass, bool man, char16_t separator)
{
    const values::Tagged ratio = distributionRatio(man);
    const bool massGiven = values::isGreater(mass, u"0");
    const bool alcoholGiven = values::isGreater(alcohol, u"0");
    if (!(massGiven && alcoholGiven))
        return Declined{};
    return settle([&] {
        const values::Tagged body = blame(massInput, [&] {
            return values::multiply(values::Tagged::text(mass), ratio, separator);
        });
        const values::Tagged drunk = blame(alcoholInput, [&] {
            return values::Tagged::number(values::toNumber(alcohol, separator));
        });
        // A zero divisor can only come from the mass; any other overflow is the
        // quotient's, which both inputs make.
        const Inputs quotientInputs = body.asDouble() == 0.0 ? massInput : bothInputs;
        return blame(quotientInputs, [&] {
            const values::Tagged concentration = values::divide(drunk, body, separator);
            return values::toFixed(concentration, separator).toText(separator) + u" promillea";
        });
    });
}

} // namespace calculators
