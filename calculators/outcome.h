#pragma once

#include "error.h"

#include <string>
#include <variant>

namespace calculators {

// Which of a calculation's text inputs a failure is blamed on: bit 0 is the
// first input in the calculation's parameter list, bit 1 the second.
using Inputs = unsigned;
inline constexpr Inputs firstInput = 1U;
inline constexpr Inputs secondInput = 2U;
inline constexpr Inputs bothInputs = firstInput | secondInput;

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
    values::ErrorKind kind;
    Inputs inputs;
    friend bool operator==(const Failed&, const Failed&) = default;
};

using Outcome = std::variant<Declined, Shown, Failed>;

// Runs one step of a calculation; a value error it raises is blamed on `inputs`.
template <typename Step>
auto blame(Inputs inputs, Step&& step)
{
    try {
        return step();
    } catch (const values::Error& error) {
        throw Failed{error.kind(), inputs};
    }
}

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

// Runs a calculation past its guard whose every step is blamed on `inputs`.
template <typename Calculation>
Outcome settle(Inputs inputs, Calculation&& calculation)
{
    return settle([&] { return blame(inputs, calculation); });
}

} // namespace calculators
