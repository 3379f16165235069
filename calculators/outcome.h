#pragma once

#include "error.h"

#include <initializer_list>
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

// Why a calculation gave no result, in the user's terms, as it concerns one
// input. The first five are failures of a run past its guard. One error kind
// of the value rules has several causes (an overflow comes from reading a
// text, from a result, or from zero divided by zero), so the calculation,
// which knows which step failed, names the cause. The next three say why
// an input's own guard turned it away.
enum class Cause {
    NotANumber,           // an input text is no number
    NumberTooLarge,       // an input text is a number beyond what can be read
    ResultTooLarge,       // a result, or a step on the way to it, beyond its range
    DivisionByZero,       // a divisor that reads as zero, also when the dividend is zero too
    Negative,             // a negative value: under a square root, or one a guard turns away
    NotStartingWithDigit, // a positive number typed after a blank, a plus sign or a separator
    Missing,              // an empty box
    Zero,                 // a text that reads as zero where only more will do
    OtherSeparator,       // no number, but one with the other decimal separator: said of a text, never a failure's
    // No number, but one without a character that looks like a blank, like
    // nothing or like a minus sign and is none of them, as a pasted text may
    // bring: said of a text, never a failure's, and named by its first such character.
    LineBreak,
    Tab,
    NoBreakSpace,
    MinusSign, // U+2212, which reads as "-" to the eye only
};

// Whether a reason is pointed out on its box. Every box starts out as "0",
// so a zero, like an empty box, only says why the result did not change.
[[nodiscard]] constexpr bool marksItsBox(Cause cause) { return cause != Cause::Missing && cause != Cause::Zero; }

// The guard declined: the result label is left as it is. `inputs` are the
// ones whose own guard turned them away.
struct Declined {
    Inputs inputs;
    friend bool operator==(const Declined&, const Declined&) = default;
};

// A new result for the label: its figure, as the value rules write it, the
// unit it counts, and how it was reached: the formula and the numbers it was
// worked out from. The caption is the figure, a blank and the unit.
struct Shown {
    std::u16string figure;
    std::u16string_view unit;
    std::u16string explanation;
    [[nodiscard]] std::u16string caption() const { return figure + u' ' + std::u16string(unit); }
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

// Runs a calculation past its guard: what it shows, or the failure one of
// its blamed steps raised.
template <typename Calculation>
Outcome settle(Calculation&& calculation)
{
    try {
        return calculation();
    } catch (const Failed& failure) {
        return failure;
    }
}

// Runs a calculation of one input past its guard: reads the text, then
// computes what to show from the number; each failure is blamed on that input.
template <typename Calculation>
Outcome settleOneInput(std::u16string_view text, char16_t separator, Calculation&& calculation)
{
    return settle([&] {
        const double number = read(text, firstInput, separator);
        return compute(firstInput, [&] { return calculation(number); });
    });
}

// "name = value" and what follows it, the value written as the value rules
// write a double, with the user's separator: "h = 20 m".
[[nodiscard]] std::u16string term(std::u16string_view name, double value, std::u16string_view after,
                                  char16_t separator);

// A formula and the terms it was worked out with: "√(h / 5) s, h = 45 m".
[[nodiscard]] std::u16string explain(std::u16string_view formula, std::initializer_list<std::u16string> terms);

// Why each input of a calculation stands in the way of a result after a run,
// in input order, whatever the run's outcome. A text that is not empty and
// does not read has its own cause, even when the guard declined; an input
// its guard turned away has the reason its text gives (empty, negative,
// zero, or a number typed after a blank, a sign or a separator); only when
// every text reads does a failed run give its cause to the inputs it is
// blamed on. A text that reads fine never carries its neighbour's failure,
// and after a result no input has anything to say.
[[nodiscard]] std::vector<std::optional<Cause>> reasons(const Outcome& outcome,
                                                        const std::vector<std::u16string>& texts,
                                                        char16_t separator);

} // namespace calculators
