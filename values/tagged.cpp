#include "tagged.h"

#include "error.h"
#include "number.h"

#include <limits>
#include <string>

namespace values {

namespace {

std::u16string integerText(std::int16_t value)
{
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

} // namespace

double Tagged::toDouble(char16_t separator) const
{
    switch (kind()) {
    case Kind::Empty:
        return 0.0;
    case Kind::Integer:
        return asInteger();
    case Kind::Double:
        return asDouble();
    case Kind::Fixed:
        return asFixed().toDouble();
    case Kind::String:
        return toNumber(asText(), separator);
    }
    return 0.0;
}

std::u16string Tagged::toText(char16_t separator) const
{
    switch (kind()) {
    case Kind::Empty:
        return {};
    case Kind::Integer:
        return integerText(asInteger());
    case Kind::Double:
        return doubleToText(asDouble(), separator);
    case Kind::Fixed:
        return asFixed().toText(separator);
    case Kind::String:
        return asText();
    }
    return {};
}

namespace {

bool isFloating(const Tagged& value)
{
    return value.kind() == Tagged::Kind::Double || value.kind() == Tagged::Kind::String;
}

std::int64_t integerOf(const Tagged& value)
{
    return value.kind() == Tagged::Kind::Integer ? value.asInteger() : 0;
}

std::int64_t checkedSum(std::int64_t a, std::int64_t b)
{
    using Limits = std::numeric_limits<std::int64_t>;
    if (b > 0 ? a > Limits::max() - b : a < Limits::min() - b)
        throw Error(ErrorKind::Overflow);
    return a + b;
}

// Fixed times fixed is exact up to its one rounding, ties to even. With
// a = qa * scale + ra and b = qb * scale + rb (truncating division), the count
// a * b / scale = a * qb + qa * rb + ra * rb / scale, and only the last term,
// far inside the range, has a fraction.
Fixed fixedProduct(Fixed left, Fixed right)
{
    constexpr std::int64_t scale = Fixed::scale;
    const std::int64_t a = left.count();
    const std::int64_t b = right.count();
    const std::int64_t small = (a % scale) * (b % scale);
    std::int64_t whole = checkedSum(Fixed::fromCount(a).times(b / scale).count(),
                                    Fixed::fromCount(b % scale).times(a / scale).count());
    whole = checkedSum(whole, small / scale);

    const std::int64_t twiceRemainder = 2 * (small % scale); // same sign as small
    const bool roundsAway = twiceRemainder > scale || twiceRemainder < -scale
        || ((twiceRemainder == scale || twiceRemainder == -scale) && whole % 2 != 0);
    if (roundsAway)
        whole = checkedSum(whole, small > 0 ? 1 : -1);
    return Fixed::fromCount(whole);
}

} // namespace

Tagged multiply(const Tagged& left, const Tagged& right, char16_t separator)
{
    if (isFloating(left) || isFloating(right)) {
        // Read left first, as divide does: with two unreadable texts the
        // left one's error is raised, whatever order a compiler gives arguments.
        const double leftValue = left.toDouble(separator);
        return Tagged::number(checkedMultiply(leftValue, right.toDouble(separator)));
    }

    if (left.kind() == Tagged::Kind::Fixed && right.kind() == Tagged::Kind::Fixed)
        return Tagged::fixed(fixedProduct(left.asFixed(), right.asFixed()));
    if (left.kind() == Tagged::Kind::Fixed)
        return Tagged::fixed(left.asFixed().times(integerOf(right)));
    if (right.kind() == Tagged::Kind::Fixed)
        return Tagged::fixed(right.asFixed().times(integerOf(left)));

    const std::int64_t product = integerOf(left) * integerOf(right);
    using Limits = std::numeric_limits<std::int16_t>;
    if (product < Limits::min() || product > Limits::max())
        throw Error(ErrorKind::Overflow);
    return Tagged::integer(static_cast<std::int16_t>(product));
}

Tagged divide(const Tagged& dividend, const Tagged& divisor, char16_t separator)
{
    const double numerator = dividend.toDouble(separator);
    return Tagged::number(checkedDivide(numerator, divisor.toDouble(separator)));
}

std::u16string concatenate(const Tagged& left, const Tagged& right, char16_t separator)
{
    return left.toText(separator) + right.toText(separator);
}

Fixed toFixed(const Tagged& value, char16_t separator)
{
    return Fixed::fromDouble(value.toDouble(separator));
}

} // namespace values
