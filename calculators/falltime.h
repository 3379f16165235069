#pragma once

#include "outcome.h"

#include <string_view>

namespace calculators {

// How long an object takes to fall `height` metres: round4(sqrt(height / 5))
// followed by " s". Runs only for a text greater than "0", so a sign never gets through.
// How the time is worked out, h the height.
inline constexpr std::u16string_view fallTimeUnit = u"s";
inline constexpr std::u16string_view fallTimeFormula = u"√(h / 5) s";

[[nodiscard]] Outcome fallTime(std::u16string_view height, char16_t separator);

} // namespace calculators
