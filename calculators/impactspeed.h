#pragma once

#include "outcome.h"

#include <string_view>

namespace calculators {

// The unit the speed counts, which its result carries beside its figure.
inline constexpr std::u16string_view impactSpeedUnit = u"km/h";
// How the speed is worked out, h the height.
inline constexpr std::u16string_view impactSpeedFormula = u"√(206 · h) km/h";

// How fast an object dropped from `height` metres hits the ground: the
// figure round4(sqrt(206 * height)), in km/h. Runs for any non-empty text.
[[nodiscard]] Outcome impactSpeed(std::u16string_view height, char16_t separator);

} // namespace calculators
