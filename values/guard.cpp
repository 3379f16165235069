#include "guard.h"

namespace values {

bool isGreater(std::u16string_view text, std::u16string_view literal) noexcept
{
    // char16_t compares as an unsigned code unit, which is exactly the ordinal order.
    return text.compare(literal) > 0;
}

} // namespace values
