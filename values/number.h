#pragma once

#include <string>
#include <string_view>

namespace values {

// Reads a number written the way a user types it: blanks around it, an
// optional sign, digits with at most one `separator` (before, between or after
// them, but at least one digit), and an optional exponent (E or e, an optional
// sign, at least one digit). Nothing else is a number: TypeMismatch. A magnitude
// beyond the double range: Overflow. A magnitude below it reads as zero or a
// subnormal, as the nearest double. Runs in time linear in the text's length.
[[nodiscard]] double toNumber(std::u16string_view text, char16_t separator);

// Up to 15 significant digits, trailing zeros and a bare separator dropped, so
// the noise of binary arithmetic never shows (70 * 0.4 is written "28").
// Exponent form ("1,5E+20", "1E-05") only below 1e-4 or from 1e15 on.
[[nodiscard]] std::u16string doubleToText(double value, char16_t separator);

// A floating step by a constant: a result beyond the double range is Overflow
// at once, so an infinity never travels on to a later step.
[[nodiscard]] double checkedMultiply(double value, double factor);
[[nodiscard]] double checkedDivide(double value, double divisor);

// InvalidArgument for a negative argument; the root of -0 is -0.
[[nodiscard]] double squareRoot(double value);

} // namespace values
