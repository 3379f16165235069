#include "brakingspeed.h"

#include "guard.h"
#include "number.h"
#include "tagged.h"

namespace calculators {

namespace {

// Exact on a dry road (fixed times integer); a wet road's factor makes the
// product a double, which can show a fifth decimal.
struct Road {
    values::Tagged factor;
    std::u16string_view name;
};

Road road(int wetRoad)
{
    constexpr int checked = 1;
    if (wetRoad == checked)
        return {values::Tagged::number(8.8), u"märkä tie"};
    return {values::Tagged::integer(13), u"kuiva tie"};
}

} // namespace

std::u16string brakingSpeedFormula(int wetRoad, char16_t separator)
{
    return values::doubleToText(road(wetRoad).factor.toDouble(separator), separator)
        + u" · √L km/h (√L pyöristetty neljään desimaaliin)";
}

Outcome brakingSpeed(std::u16string_view length, int wetRoad, char16_t separator)
{
    const Road surface = road(wetRoad);
    if (!values::isGreater(length, u""))
        return Declined{firstInput};
    return settleOneInput(length, separator, [&](double metres) {
        // Rounded to four decimals before the factor, as the speed was always worked out.
        const auto rounded = values::Tagged::fixed(values::Fixed::fromDouble(values::squareRoot(metres)));
        const values::Tagged speed = values::multiply(rounded, surface.factor, separator);
        return Shown{speed.toText(separator), brakingSpeedUnit,
                     explain(brakingSpeedFormula(wetRoad, separator), {term(u"L", metres, u" m", separator), std::u16string(surface.name)})};
    });
}

} // namespace calculators
