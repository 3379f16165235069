#pragma once

#include "outcome.h"

#include <string_view>

namespace calculators {

// How fast an object dropped from `height` metres hits the ground:
// round4(sqrt(206 * height)) followed by " km/h". Runs for any non-empty text.
// How the speed is worked out, h the height.
inline constexpr std::u16string_view impactSpeedUnit = u"km/h";
inline constexpr std::u16string_view impactSpeedFormula = u"√(206 · h) km/h";

[[nodiscard]] Outcome impactSpeed(std::u16string_view height, char16_t separator);

} // namespace calculators
