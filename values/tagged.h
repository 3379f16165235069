#pragma once

#include "fixed.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace values {

// A value that carries its kind, so that the kind of an arithmetic result, and
// with it how the result is written, follows from the kinds of the operands.
class Tagged {
public:
    enum class Kind { Empty, Integer, Double, Fixed, String };

    Tagged() = default; // Empty: nothing assigned yet
    static Tagged integer(std::int16_t value) { return Tagged(value); }
    static Tagged number(double value) { return Tagged(value); }
    static Tagged fixed(Fixed value) { return Tagged(value); }
    static Tagged text(std::u16string_view value) { return Tagged(std::u16string(value)); }

    [[nodiscard]] Kind kind() const { return static_cast<Kind>(value_.index()); }

    // The value as a double: Empty is 0, a String is read by toNumber.
    [[nodiscard]] double toDouble(char16_t separator) const;
    // Integer digits, the fixed-point rule or the double rule; Empty is "".
    [[nodiscard]] std::u16string toText(char16_t separator) const;

    [[nodiscard]] std::int16_t asInteger() const { return std::get<std::int16_t>(value_); }
    [[nodiscard]] double asDouble() const { return std::get<double>(value_); }
    [[nodiscard]] Fixed asFixed() const { return std::get<Fixed>(value_); }
    [[nodiscard]] const std::u16string& asText() const { return std::get<std::u16string>(value_); }

private:
    using Storage = std::variant<std::monostate, std::int16_t, double, Fixed, std::u16string>;
    template <typename T> explicit Tagged(T value) : value_(std::move(value)) {}
    Storage value_;
};

// Double when either operand is a Double or a String (a String is read as a
// number first); else Fixed when either is Fixed (exact); else Integer. Empty
// counts as the Integer 0. Overflow when the result leaves its kind's range.
[[nodiscard]] Tagged multiply(const Tagged& left, const Tagged& right, char16_t separator);

// Always a Double. DivisionByZero for a zero divisor, Overflow for 0 / 0 and
// for a quotient beyond the double range.
[[nodiscard]] Tagged divide(const Tagged& dividend, const Tagged& divisor, char16_t separator);

// Each operand written as text by its own kind's rule, left one first.
[[nodiscard]] std::u16string concatenate(const Tagged& left, const Tagged& right, char16_t separator);

// Through a double, rounded ties to even; Overflow outside the fixed range.
[[nodiscard]] Fixed toFixed(const Tagged& value, char16_t separator);

} // namespace values
