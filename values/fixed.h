#pragma once

#include <cstdint>
#include <string>

namespace values {

// A signed count of ten-thousandths: exact decimal arithmetic with four
// decimals, from -922337203685477.5808 to 922337203685477.5807.
class Fixed {
public:
    static constexpr std::int64_t scale = 10'000;

    constexpr Fixed() = default;
    static constexpr Fixed fromCount(std::int64_t tenThousandths) { return Fixed(tenThousandths); }

    // value * 10000 rounded to the nearest integer, ties to the even one;
    // Overflow outside the range (and for a NaN).
    [[nodiscard]] static Fixed fromDouble(double value);

    [[nodiscard]] constexpr std::int64_t count() const { return count_; }
    [[nodiscard]] double toDouble() const;

    // Exact; Overflow when the product leaves the range.
    [[nodiscard]] Fixed times(std::int64_t factor) const;

    // The shortest exact form: "-0,25", "5", "143,527". No digit grouping.
    [[nodiscard]] std::u16string toText(char16_t separator) const;

    friend constexpr bool operator==(Fixed, Fixed) = default;

private:
    constexpr explicit Fixed(std::int64_t count) : count_(count) {}
    std::int64_t count_ = 0;
};

} // namespace values
