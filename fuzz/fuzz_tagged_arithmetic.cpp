// Tagged multiply, divide and concatenate on operands of every kind: the
// result has the kind the operands call for and the value a plain reference
// gives (exact 128-bit arithmetic for the fixed-point kinds), and a failure
// is the one the first failing step raises.

#include "fuzzinput.h"
#include "number.h"
#include "tagged.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

using fuzz::require;
using values::ErrorKind;
using values::Tagged;
using Kind = Tagged::Kind;
using Wide = __int128;

Tagged operand(fuzz::FuzzInput& input)
{
    switch (input.byte() % 5) {
    case 1: return Tagged::integer(input.value<std::int16_t>());
    case 2: return Tagged::number(input.value<double>());
    case 3: return Tagged::fixed(values::Fixed::fromCount(input.value<std::int64_t>()));
    case 4: return Tagged::text(input.text(input.byte()));
    default: return {};
    }
}

// The operand as a double, or the error its text raises; Empty is 0.
std::variant<double, ErrorKind> doubleOf(const Tagged& value, char16_t separator)
{
    switch (value.kind()) {
    case Kind::Integer: return static_cast<double>(value.asInteger());
    case Kind::Double: return value.asDouble();
    case Kind::Fixed: return static_cast<double>(value.asFixed().count()) / 10000.0;
    case Kind::String: return fuzz::attempt([&] { return values::toNumber(value.asText(), separator); });
    case Kind::Empty: break;
    }
    return 0.0;
}

std::u16string textOf(const Tagged& value, char16_t separator)
{
    switch (value.kind()) {
    case Kind::Integer: return fuzz::widened(std::to_string(value.asInteger()), separator);
    case Kind::Double: return fuzz::referenceDoubleText(value.asDouble(), separator);
    case Kind::Fixed: return fuzz::referenceFixedText(value.asFixed().count(), separator);
    case Kind::String: return value.asText();
    case Kind::Empty: break;
    }
    return {};
}

bool isFloating(Kind kind) { return kind == Kind::Double || kind == Kind::String; }

Wide roundedTenThousandths(Wide product)
{
    Wide quotient = product / 10000;
    const Wide twiceRest = 2 * (product % 10000);
    const bool tie = twiceRest == 10000 || twiceRest == -10000;
    if (twiceRest > 10000 || twiceRest < -10000 || (tie && quotient % 2 != 0))
        quotient += product > 0 ? 1 : -1;
    return quotient;
}

// What an exact product of the two operands is, in units of `kind`; nothing
// but Fixed and Integer results come here.
Wide exactProduct(const Tagged& left, const Tagged& right)
{
    const auto units = [](const Tagged& value) -> Wide {
        if (value.kind() == Kind::Fixed)
            return value.asFixed().count();
        return value.kind() == Kind::Integer ? value.asInteger() : 0;
    };
    const Wide product = units(left) * units(right);
    if (left.kind() == Kind::Fixed && right.kind() == Kind::Fixed)
        return roundedTenThousandths(product);
    return product;
}

// Both operands as doubles, or the error of the first one that has no double.
std::variant<std::pair<double, double>, ErrorKind> doublesOf(const Tagged& left, const Tagged& right,
                                                            char16_t separator)
{
    const auto first = doubleOf(left, separator);
    if (const auto* error = std::get_if<ErrorKind>(&first))
        return *error;
    const auto second = doubleOf(right, separator);
    if (const auto* error = std::get_if<ErrorKind>(&second))
        return *error;
    return std::pair{std::get<double>(first), std::get<double>(second)};
}

template <typename Result>
void requireDouble(const Result& result, double expected, const char* property)
{
    if (!std::isfinite(expected)) {
        require(fuzz::failedWith(result, ErrorKind::Overflow), property);
        return;
    }
    const auto* value = std::get_if<Tagged>(&result);
    require(value != nullptr && value->kind() == Kind::Double, property);
    require(std::bit_cast<std::uint64_t>(value->asDouble()) == std::bit_cast<std::uint64_t>(expected), property);
}

void checkMultiply(const Tagged& left, const Tagged& right, char16_t separator)
{
    const auto result = fuzz::attempt([&] { return values::multiply(left, right, separator); });
    if (isFloating(left.kind()) || isFloating(right.kind())) {
        const auto operands = doublesOf(left, right, separator);
        if (const auto* error = std::get_if<ErrorKind>(&operands)) {
            require(fuzz::failedWith(result, *error), "an unreadable text fails the product with its own error");
            return;
        }
        const auto [a, b] = std::get<std::pair<double, double>>(operands);
        requireDouble(result, a * b, "a product with a Double or a String is that Double");
        return;
    }
    const bool fixed = left.kind() == Kind::Fixed || right.kind() == Kind::Fixed;
    using Limits = std::numeric_limits<std::int64_t>;
    const Wide lowest = fixed ? Limits::min() : std::numeric_limits<std::int16_t>::min();
    const Wide highest = fixed ? Limits::max() : std::numeric_limits<std::int16_t>::max();
    const Wide expected = exactProduct(left, right);
    if (expected < lowest || expected > highest) {
        require(fuzz::failedWith(result, ErrorKind::Overflow), "a product out of its kind's range overflows");
        return;
    }
    const auto* value = std::get_if<Tagged>(&result);
    require(value != nullptr && value->kind() == (fixed ? Kind::Fixed : Kind::Integer),
            "a product without Double or String is Fixed when either is Fixed, else Integer");
    require((fixed ? Wide{value->asFixed().count()} : Wide{value->asInteger()}) == expected,
            "a fixed-point or integer product is exact");
}

void checkDivide(const Tagged& left, const Tagged& right, char16_t separator)
{
    const auto result = fuzz::attempt([&] { return values::divide(left, right, separator); });
    const auto operands = doublesOf(left, right, separator);
    if (const auto* error = std::get_if<ErrorKind>(&operands)) {
        require(fuzz::failedWith(result, *error), "an unreadable text fails the quotient with its own error");
        return;
    }
    const auto [a, b] = std::get<std::pair<double, double>>(operands);
    if (b == 0.0) {
        require(fuzz::failedWith(result, a == 0.0 ? ErrorKind::Overflow : ErrorKind::DivisionByZero),
                "a zero divisor is division by zero, and zero by zero overflow");
        return;
    }
    requireDouble(result, a / b, "a quotient is always a Double");
}

void checkConcatenate(const Tagged& left, const Tagged& right, char16_t separator)
{
    const auto result = fuzz::attempt([&] { return values::concatenate(left, right, separator); });
    const auto* text = std::get_if<std::u16string>(&result);
    require(text != nullptr && *text == textOf(left, separator) + textOf(right, separator),
            "a concatenation joins the operands each written by its kind's rule");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const char16_t separator = fuzz::separatorFrom(input.byte());
    const Tagged left = operand(input);
    const Tagged right = operand(input);

    checkMultiply(left, right, separator);
    checkDivide(left, right, separator);
    checkConcatenate(left, right, separator);
    return 0;
}
