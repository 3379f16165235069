#pragma once

#include <string_view>

namespace values {

// Ordinal comparison by UTF-16 code unit, with no locale and no case folding:
// the first differing unit decides, and a proper prefix sorts first. The
// calculators ask only whether an input is greater than "" or "0", so a text
// starting with a blank, a sign or a separator (all below '0') never passes "0".
[[nodiscard]] bool isGreater(std::u16string_view text, std::u16string_view literal) noexcept;

} // namespace values
