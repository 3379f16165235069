#pragma once

#include "error.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace calculators {

// Which of a calculation's text inputs a failure is blamed on: bit 0 is the
// first input in the calculation's parameter list, bit 1 the second.
using Inputs = unsigned;
inline constexpr Inputs firstInput = 1U;
inline constexpr Inputs secondInput = 2U;
inline constexpr Inputs bothInputs = firstInput | secondInput;

// Why a calculation failed, in the user's terms. One error kind of the value
// rules has several causes (an overflow comes from reading a text, from a
// result, or from zero divided by zero), so the calculation, which knows
// which step failed, names the cause.
enum class Cause {
    NotANumber,     // an input text is no number
    NumberTooLarge, // an input text is a number beyond what can be read
    ResultTooLarge, // a result, or a step on the way to it, beyond its range
    DivisionByZero, // a divisor that reads as zero, also when the dividend is zero too
    NegativeRoot,   // a negative value under a square root
};

// The guard declined: the result label is left as it is.
struct Declined {
    friend bool operator==(const Declined&, const Declined&) = default;
};

// A new caption for the result label.
struct Shown {
    std::u16string caption;
    friend bool operator==(const Shown&, const Shown&) = default;
};

// A step failed: the result label is left as it is, and the inputs the
// failure came from can be pointed out to the user.
struct Failed {
    Cause cause;
    Inputs inputs;
    friend bool operator==(const Failed&, const Failed&) = default;
};

using Outcome = std::variant<Declined, Shown, Failed>;

// How an error kind reads when it comes from reading an input text, and when
// it comes from a step that computes.
[[nodiscard]] Cause readingCause(values::ErrorKind kind);
[[nodiscard]] Cause computingCause(values::ErrorKind kind);

// Runs one step of a calculation; a value error it raises becomes a failure
// with the cause `causeOf` gives, blamed on `inputs`.
template <typename Step>
auto blame(Inputs inputs, Cause (*causeOf)(values::ErrorKind), Step&& step)
{
    try {
        return step();
    } catch (const values::Error& error) {
        throw Failed{causeOf(error.kind()), inputs};
    }
}

// Runs a step that computes; its failure is blamed on `inputs`.
template <typename Step>
auto compute(Inputs inputs, Step&& step)
{
    return blame(inputs, computingCause, std::forward<Step>(step));
}

// Reads one input's text as a number; a text that does not read is blamed on that input.
[[nodiscard]] double read(std::u16string_view text, Inputs input, char16_t separator);

// Runs a calculation past its guard: its caption, or the failure one of its
// blamed steps raised.
template <typename Calculation>
Outcome settle(Calculation&& calculation)
{
    try {
        return Shown{calculation()};
    } catch (const Failed& failure) {
        return failure;
    }
}

// Runs a calculation of one input past its guard: reads the text, then
// computes the caption from the number; each failure is blamed on that input.
template <typename Calculation>
Outcome settleOneInput(std::u16string_view text, char16_t separator, Calculation&& calculation)
{
    return settle([&] {
        const double number = read(text, firstInput, separator);
        return compute(firstInput, [&] { return calculation(number); });
    });
}

// What each input box of a calculation points out after a run, in input
// order, whatever the run's outcome: a text that does not read is marked
// with its own cause, even when the guard declined; only when every text
// reads does a failed run mark the inputs it is blamed on. A box whose text
// reads fine is never marked because of its neighbour, and an empty box is
// never marked.
[[nodiscard]] std::vector<std::optional<Cause>> marks(const Outcome& outcome,
                                                      const std::vector<std::u16string>& texts,
                                                      char16_t separator);

} // namespace calculators
