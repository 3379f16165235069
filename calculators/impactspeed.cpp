#include "impactspeed.h"

#include "guard.h"
#include "number.h"
#include "tagged.h"

namespace calculators {

Outcome impactSpeed(std::u16string_view height, char16_t separator)
{
    if (!values::isGreater(height, u""))
        return Declined{firstInput};
    return settleOneInput(height, separator, [&](double metres) {
        const double product = values::checkedMultiply(metres, 206.0);
        const values::Fixed speed = values::Fixed::fromDouble(values::squareRoot(product));
        return Shown{speed.toText(separator), impactSpeedUnit,
                     explain(impactSpeedFormula, {term(u"h", metres, u" m", separator)})};
    });
}

} // namespace calculators
