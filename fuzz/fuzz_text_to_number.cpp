// Text-to-number accepts exactly the spellings of a number (matched here by a
// state table, independently of the reader under test), reads each one as
// the C library reads the same number, and fails every other text with a
// type mismatch. One input in sixteen fills a whole box, so the longest text
// a user can paste is read too.

#include "fuzzinput.h"
#include "number.h"

#include <bit>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

enum State : std::uint8_t {
    Lead, Signed, Whole, BareSeparator, Fraction, Exponent, ExponentSign, ExponentDigits, Trail, Reject
};
enum Unit : std::uint8_t { Blank, Sign, Digit, Separator, ExponentMark, Other };

// Blanks around, an optional sign, digits with at most one separator and at
// least one digit, then optionally E or e, an optional sign, at least one digit.
constexpr State transitions[Reject][Other + 1] = {
    //                   Blank   Sign          Digit           Separator      ExponentMark  Other
    /* Lead */          {Lead,   Signed,       Whole,          BareSeparator, Reject,       Reject},
    /* Signed */        {Reject, Reject,       Whole,          BareSeparator, Reject,       Reject},
    /* Whole */         {Trail,  Reject,       Whole,          Fraction,      Exponent,     Reject},
    /* BareSeparator */ {Reject, Reject,       Fraction,       Reject,        Reject,       Reject},
    /* Fraction */      {Trail,  Reject,       Fraction,       Reject,        Exponent,     Reject},
    /* Exponent */      {Reject, ExponentSign, ExponentDigits, Reject,        Reject,       Reject},
    /* ExponentSign */  {Reject, Reject,       ExponentDigits, Reject,        Reject,       Reject},
    /* ExponentDigits */{Trail,  Reject,       ExponentDigits, Reject,        Reject,       Reject},
    /* Trail */         {Trail,  Reject,       Reject,         Reject,        Reject,       Reject},
};

Unit classify(char16_t unit, char16_t separator)
{
    if (unit >= u'0' && unit <= u'9')
        return Digit;
    if (unit == separator)
        return Separator;
    switch (unit) {
    case u' ': return Blank;
    case u'+': case u'-': return Sign;
    case u'E': case u'e': return ExponentMark;
    default: return Other;
    }
}

// The number in the plain ASCII form strtod reads, or nothing for a text
// that is not a number.
std::optional<std::string> plainForm(std::u16string_view text, char16_t separator)
{
    State state = Lead;
    std::string plain;
    for (const char16_t unit : text) {
        const Unit kind = classify(unit, separator);
        state = transitions[state][kind];
        if (state == Reject)
            return std::nullopt;
        if (kind == Separator)
            plain += '.';
        else if (kind != Blank)
            plain += static_cast<char>(unit);
    }
    if (state != Whole && state != Fraction && state != ExponentDigits && state != Trail)
        return std::nullopt;
    return plain;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::setlocale(LC_ALL, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using fuzz::require;
    using values::ErrorKind;

    fuzz::FuzzInput input(data, size);
    const std::uint8_t control = input.byte();
    const char16_t separator = fuzz::separatorFrom(control);
    std::u16string text = input.text();
    if ((control & 0xF0U) == 0xF0U)
        text = fuzz::filledBox(text);

    const auto read = fuzz::attempt([&] { return values::toNumber(text, separator); });
    const std::optional<std::string> plain = plainForm(text, separator);
    if (!plain) {
        require(fuzz::failedWith(read, ErrorKind::TypeMismatch), "a text that is no number is a type mismatch",
                text);
        return 0;
    }

    errno = 0;
    char* end = nullptr;
    const double expected = std::strtod(plain->c_str(), &end);
    require(end == plain->c_str() + plain->size(), "the C library reads the whole plain form", text);
    if (errno == ERANGE && std::isinf(expected)) {
        require(fuzz::failedWith(read, ErrorKind::Overflow), "a number beyond the double range overflows", text);
        return 0;
    }
    // Below the range the nearest double is a subnormal or a zero of the number's sign.
    const auto* number = std::get_if<double>(&read);
    require(number != nullptr, "a number is read", text);
    require(std::bit_cast<std::uint64_t>(*number) == std::bit_cast<std::uint64_t>(expected),
            "a number reads as the nearest double", text);
    return 0;
}
