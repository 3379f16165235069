#pragma once

#include "outcome.h"

#include <string_view>

namespace calculators {

// The unit the time counts, which its result carries beside its figure.
inline constexpr std::u16string_view fallTimeUnit = u"s";
// How the time is worked out, h the height.
inline constexpr std::u16string_view fallTimeFormula = u"√(h / 5) s";

// How long an object takes to fall `height` metres: the figure
// round4(sqrt(height / 5)), in seconds. Runs only for a text greater than
// "0", so a sign never gets through.
[[nodiscard]] Outcome fallTime(std::u16string_view height, char16_t separator);

} // namespace calculators
