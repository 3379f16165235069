// The fixed-point conversions and both number-to-text rules: a count is
// written as its shortest exact decimal and reads back as itself; a double
// becomes the nearest count, ties to even, or overflows only outside the
// range; a double is written with 15 significant digits, readably.

#include "fixed.h"
#include "fuzzinput.h"
#include "number.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace {

using fuzz::require;

// Up to here the nearest double to count / 10000, times 10000, lies within a
// quarter of the count, so rounding it gives the count back. From 2^51 on the
// double grid is too coarse for that: 2^51 + 1 ten-thousandths can come back
// one off, whatever the reader does.
constexpr std::int64_t exactReadBack = std::int64_t{1} << 51;

void checkFixedText(std::int64_t count, char16_t separator)
{
    const values::Fixed fixed = values::Fixed::fromCount(count);
    const std::u16string text = fixed.toText(separator);
    require(text == fuzz::referenceFixedText(count, separator), "a count is written as its shortest exact decimal",
            text);
    if (count > -exactReadBack && count < exactReadBack)
        require(values::Fixed::fromDouble(values::toNumber(text, separator)) == fixed,
                "a fixed-point text reads back as the same count", text);
}

void checkFromDouble(double value)
{
    const auto converted = fuzz::attempt([&] { return values::Fixed::fromDouble(value); });
    // Rounding the double product can lift the top 2048 below 2^63 to it.
    constexpr long double roughLimit = 9223372036854775808.0L - 2048.0L;
    const long double scaled = static_cast<long double>(value) * 10000.0L;
    if (fuzz::failedWith(converted, values::ErrorKind::Overflow)) {
        require(std::isnan(value) || std::fabs(scaled) >= roughLimit, "only a double out of range overflows");
        return;
    }
    const auto* fixed = std::get_if<values::Fixed>(&converted);
    require(fixed != nullptr, "a double in range becomes a fixed-point value");
    const auto count = static_cast<long double>(fixed->count());
    require(std::fabs(count - scaled) <= 0.5L + std::fabs(scaled) * 0x1p-52L, "the count is the nearest one");
    const bool exactTie = scaled - std::floor(scaled) == 0.5L && scaled == static_cast<long double>(value * 10000.0);
    require(!exactTie || fixed->count() % 2 == 0, "a tie goes to the even count");
}

void checkDoubleText(double value, char16_t separator)
{
    const std::u16string text = values::doubleToText(value, separator);
    require(text == fuzz::referenceDoubleText(value, separator), "a double is written with 15 significant digits",
            text);
    if (!std::isfinite(value))
        return;
    const auto back = fuzz::attempt([&] { return values::toNumber(text, separator); });
    // The top doubles round to 15 digits past the largest one, 1,79769313486232E+308.
    if (fuzz::failedWith(back, values::ErrorKind::Overflow)) {
        require(std::fabs(value) > 1.79769313486231e308, "only the top doubles read back as overflow", text);
        return;
    }
    const auto* number = std::get_if<double>(&back);
    require(number != nullptr && std::fabs(*number - value) <= std::fabs(value) * 1e-14 + 0x1p-1074,
            "a written double reads back", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const char16_t separator = fuzz::separatorFrom(input.byte());
    const auto count = input.value<std::int64_t>();
    const auto number = input.value<double>();

    checkFixedText(count, separator);
    checkFromDouble(number);
    checkDoubleText(number, separator);
    return 0;
}
