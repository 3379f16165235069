#pragma once

#include "outcome.h"

#include <string_view>

namespace calculators {

// The unit the speed counts, which its result carries beside its figure.
inline constexpr std::u16string_view brakingSpeedUnit = u"km/h";
// How the speed is worked out on the road `wetRoad` tells, L the length.
[[nodiscard]] std::u16string brakingSpeedFormula(int wetRoad, char16_t separator);

// A car's speed judged from braking marks of `length` metres, in km/h: the
// figure 13 * round4(sqrt(length)) on a dry road (exact, four decimals at
// most) and 8.8 * round4(sqrt(length)) on a wet one (a double, up to 15
// digits). `wetRoad` is the check box's value: 1 is wet; 0 and 2 (greyed) are dry.
[[nodiscard]] Outcome brakingSpeed(std::u16string_view length, int wetRoad, char16_t separator);

} // namespace calculators
