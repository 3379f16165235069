#include "brakingspeed.h"

#include "guard.h"
#include "number.h"
#include "tagged.h"

namespace calculators {

namespace {

// Exact on a dry road (fixed times integer); a wet road's factor makes the
// product a double, which can show a fifth decimal.
values::Tagged roadFactor(int wetRoad)
{
    constexpr int checked = 1;
    return wetRoad == checked ? values::Tagged::number(8.8) : values::Tagged::integer(13);
}

} // namespace

Outcome brakingSpeed(std::u16string_view length, int wetRoad, char16_t separator)
{
    const values::Tagged factor = roadFactor(wetRoad);
    if (!values::isGreater(length, u""))
        return Declined{};
    return settleOneInput(length, separator, [&](double metres) {
        // Rounded to four decimals before the factor, as the speed was always worked out.
        const auto rounded = values::Tagged::fixed(values::Fixed::fromDouble(values::squareRoot(metres)));
        const values::Tagged speed = values::multiply(rounded, factor, separator);
        return values::concatenate(speed, values::Tagged::text(u" km/h"), separator);
    });
}

} // namespace calculators
