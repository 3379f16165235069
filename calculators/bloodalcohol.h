#pragma once

#include "outcome.h"

#include <string_view>

namespace calculators {

// Whom the option buttons name; at first neither is chosen.
enum class Sex { NotChosen, Man, Woman };

// The unit the concentration counts, which its result carries beside its figure.
inline constexpr std::u16string_view bloodAlcoholUnit = u"promillea";
// How the concentration is worked out: A grams, m kilograms, r the ratio.
inline constexpr std::u16string_view bloodAlcoholFormula = u"A / (m · r) promillea";

// What is said of the ratio when neither option is chosen, and the one for a
// woman is used.
inline constexpr std::u16string_view sexNotChosen = u"sukupuolta ei valittu";

// Blood alcohol in per mille: the figure round4(alcohol / (mass * r)), with r = 0.75 for a man and 0.66 otherwise. Runs only when both
// texts are greater than "0". Inputs: `alcohol` (grams) first, `mass` (kg) second.
[[nodiscard]] Outcome bloodAlcohol(std::u16string_view alcohol, std::u16string_view mass, Sex sex,
                                   char16_t separator);

} // namespace calculators
