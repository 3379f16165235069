#include "fixed.h"

#include "error.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace values {

namespace {

using Limits = std::numeric_limits<std::int64_t>;

std::optional<std::int64_t> exactProduct(std::int64_t a, std::int64_t b)
{
    const bool overflows = a > 0 ? (b > 0 ? a > Limits::max() / b : b < Limits::min() / a)
                                 : (b > 0 ? a < Limits::min() / b : a != 0 && b < Limits::max() / a);
    if (overflows)
        return std::nullopt;
    return a * b;
}

} // namespace

Fixed Fixed::fromDouble(double value)
{
    // nearbyint rounds in the default mode, to nearest with ties to even.
    const double rounded = std::nearbyint(value * scale);
    constexpr double twoToThe63 = 9223372036854775808.0;
    if (!(rounded >= -twoToThe63 && rounded < twoToThe63))
        throw Error(ErrorKind::Overflow);
    return Fixed(static_cast<std::int64_t>(rounded));
}

double Fixed::toDouble() const { return static_cast<double>(count_) / scale; }

Fixed Fixed::times(std::int64_t factor) const
{
    const auto product = exactProduct(count_, factor);
    if (!product)
        throw Error(ErrorKind::Overflow);
    return Fixed(*product);
}

std::u16string Fixed::toText(char16_t separator) const
{
    // Through the unsigned magnitude, so that the most negative count has one too.
    const bool negative = count_ < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(count_) : static_cast<std::uint64_t>(count_);
    std::uint64_t whole = magnitude / scale;
    std::uint64_t fraction = magnitude % scale;

    std::u16string text;
    do {
        text += static_cast<char16_t>(u'0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (negative)
        text += u'-';
    std::reverse(text.begin(), text.end());

    if (fraction != 0) {
        text += separator;
        for (std::uint64_t unit = scale / 10; fraction != 0; unit /= 10) {
            text += static_cast<char16_t>(u'0' + fraction / unit);
            fraction %= unit;
        }
    }
    return text;
}

} // namespace values
