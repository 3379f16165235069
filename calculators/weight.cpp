#include "weight.h"

#include "guard.h"
#include "number.h"

namespace calculators {

const std::array<Body, 11>& bodies()
{
    using values::Tagged;
    static const std::array<Body, 11> table{{
        {u"Merkurius", Tagged::number(0.4)},
        {u"Venus", Tagged::number(0.9)},
        {u"Maa", Tagged::integer(1)},
        {u"Mars", Tagged::number(0.4)},
        {u"Jupiter", Tagged::number(2.5)},
        {u"Saturnus", Tagged::number(1.1)},
        {u"Uranus", Tagged::number(0.8)},
        {u"Neptunus", Tagged::number(1.2)},
        {u"Pluto", Tagged::number(0.01)},
        {u"Aurinko", Tagged::integer(28)},
        {u"Kuu", Tagged::number(0.17)},
    }};
    return table;
}

namespace {

// The factor of the body at `bodyIndex` and what to call it; no body chosen
// leaves the factor empty, which multiplies as zero.
Body chosenBody(int bodyIndex)
{
    const auto& table = bodies();
    if (bodyIndex < 0 || static_cast<std::size_t>(bodyIndex) >= table.size())
        return {u"taivaankappaletta ei valittu", {}};
    return table[static_cast<std::size_t>(bodyIndex)];
}

} // namespace

Outcome weight(std::u16string_view weight, int bodyIndex, char16_t separator)
{
    const Body body = chosenBody(bodyIndex);
    if (!values::isGreater(weight, u"0"))
        return Declined{firstInput};
    // The text is read apart from the product, so that a text too large to
    // read is told from a product too large to show; the product is a double either way.
    return settleOneInput(weight, separator, [&](double kilograms) {
        const values::Tagged there = values::multiply(values::Tagged::number(kilograms), body.factor, separator);
        const std::u16string name = u" (" + std::u16string(body.name) + u")";
        return Shown{there.toText(separator), weightUnit,
                     explain(weightFormula, {term(u"m", kilograms, u" kg", separator),
                                           term(u"k", body.factor.toDouble(separator), name, separator)})};
    });
}

} // namespace calculators
