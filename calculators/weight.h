#pragma once

#include "outcome.h"
#include "tagged.h"

#include <array>
#include <string_view>

namespace calculators {

struct Body {
    std::u16string_view name;
    values::Tagged factor; // weight there relative to Earth
};

// The celestial bodies in list order; a body's index is its place here.
[[nodiscard]] const std::array<Body, 11>& bodies();

// The unit the weight counts, which its result carries beside its figure.
inline constexpr std::u16string_view weightUnit = u"kg";
// How the weight there is worked out: m kilograms, k the body's factor.
inline constexpr std::u16string_view weightFormula = u"m · k kg";

// A weight of `weight` kg on the body at `bodyIndex`, written with up to 15
// significant digits, in kg. An index outside the list (no body
// chosen) counts as a factor of 0. Runs only for a text greater than "0".
[[nodiscard]] Outcome weight(std::u16string_view weight, int bodyIndex, char16_t separator);

} // namespace calculators
