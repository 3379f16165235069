// Any texts, check value, options and body index given to the five
// calculations: each ends in a caption, a declined guard naming exactly the
// inputs turned away, or a failure of one of the five causes blamed on its
// own inputs, and nothing else; a text that does not read is blamed on that
// one input. A caption's number reads back as a finite amount that is not
// negative.

#include "bloodalcohol.h"
#include "brakingspeed.h"
#include "falltime.h"
#include "fuzzinput.h"
#include "impactspeed.h"
#include "number.h"
#include "weight.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace {

using calculators::Inputs;
using calculators::Outcome;
using fuzz::require;

// The guard, by code unit: greater than "" is not empty; greater than "0" is
// a first unit above '0', or '0' with more after it.
Inputs failsEmptyGuard(std::u16string_view text, Inputs input) { return text.empty() ? input : 0U; }
Inputs failsZeroGuard(std::u16string_view text, Inputs input)
{
    const bool passes = !text.empty() && (text[0] > u'0' || (text[0] == u'0' && text.size() > 1));
    return passes ? 0U : input;
}

// `turnedAway` are the inputs whose own guard fails.
void check(const Outcome& outcome, Inputs turnedAway, Inputs inputs, std::u16string_view unit, char16_t separator)
{
    const auto* declined = std::get_if<calculators::Declined>(&outcome);
    require((declined != nullptr) == (turnedAway != 0), "a calculation declines exactly when a guard fails");
    require(declined == nullptr || declined->inputs == turnedAway, "a declined run names the inputs turned away");
    if (const auto* failure = std::get_if<calculators::Failed>(&outcome)) {
        using enum calculators::Cause;
        const auto cause = failure->cause;
        require(cause >= NotANumber && cause <= Negative, "a failure is one of the five causes");
        require(failure->inputs != 0 && (failure->inputs & ~inputs) == 0,
                "a failure is blamed on the calculation's own inputs");
        if (cause == NotANumber || cause == NumberTooLarge)
            require((failure->inputs & (failure->inputs - 1)) == 0, "a text that does not read is its own input's");
    }
    if (const auto* shown = std::get_if<calculators::Shown>(&outcome)) {
        const std::u16string caption = shown->caption();
        require(caption.ends_with(unit), "a caption ends with its unit", caption);
        const auto amount = fuzz::attempt([&] { return values::toNumber(shown->figure, separator); });
        const auto* number = std::get_if<double>(&amount);
        require(number != nullptr && std::isfinite(*number) && !std::signbit(*number),
                "a caption shows a finite amount, not negative", caption);
    }
}

template <typename Calculation>
Outcome settled(Calculation&& calculation)
{
    try {
        return calculation();
    } catch (...) {
        fuzz::violated("no exception escapes a calculation");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace calculators;

    fuzz::FuzzInput input(data, size);
    const std::uint8_t control = input.byte();
    const char16_t separator = fuzz::separatorFrom(control);
    const int wetRoad = (control >> 2U) % 3;
    const auto sex = static_cast<Sex>((control >> 4U) % 3);
    const int bodyIndex = input.byte() % 13 - 1;
    const std::u16string first = input.text(input.byte());
    std::u16string second = input.text();
    if ((control & 0xE0U) == 0xE0U)
        second = fuzz::filledBox(second);

    for (const std::u16string& text : {first, second}) {
        check(settled([&] { return impactSpeed(text, separator); }), failsEmptyGuard(text, firstInput), firstInput,
              u" km/h", separator);
        check(settled([&] { return brakingSpeed(text, wetRoad, separator); }), failsEmptyGuard(text, firstInput),
              firstInput, u" km/h", separator);
        check(settled([&] { return fallTime(text, separator); }), failsZeroGuard(text, firstInput), firstInput, u" s",
              separator);
        check(settled([&] { return weight(text, bodyIndex, separator); }), failsZeroGuard(text, firstInput),
              firstInput, u" kg", separator);
    }
    check(settled([&] { return bloodAlcohol(first, second, sex, separator); }),
          failsZeroGuard(first, firstInput) | failsZeroGuard(second, secondInput), bothInputs, u" promillea",
          separator);
    return 0;
}
