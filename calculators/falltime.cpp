#include "falltime.h"

#include "guard.h"
#include "number.h"
#include "tagged.h"

namespace calculators {

Outcome fallTime(std::u16string_view height, char16_t separator)
{
    if (!values::isGreater(height, u"0"))
        return Declined{firstInput};
    return settleOneInput(height, separator, [&](double metres) {
        const double quotient = values::checkedDivide(metres, 5.0);
        const values::Fixed time = values::Fixed::fromDouble(values::squareRoot(quotient));
        return Shown{time.toText(separator), fallTimeUnit, explain(fallTimeFormula, {term(u"h", metres, u" m", separator)})};
    });
}

} // namespace calculators
