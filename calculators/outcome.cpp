#include "outcome.h"

#include "number.h"

namespace calculators {

Cause readingCause(values::ErrorKind kind)
{
    return kind == values::ErrorKind::Overflow ? Cause::NumberTooLarge : Cause::NotANumber;
}

Cause computingCause(values::ErrorKind kind)
{
    switch (kind) {
    case values::ErrorKind::TypeMismatch:
        return Cause::NotANumber;
    case values::ErrorKind::Overflow:
        return Cause::ResultTooLarge;
    case values::ErrorKind::DivisionByZero:
        return Cause::DivisionByZero;
    case values::ErrorKind::InvalidArgument:
        return Cause::Negative;
    }
    return Cause::ResultTooLarge;
}

double read(std::u16string_view text, Inputs input, char16_t separator)
{
    return blame(input, readingCause, [&] { return values::toNumber(text, separator); });
}

std::u16string term(std::u16string_view name, double value, std::u16string_view after, char16_t separator)
{
    std::u16string text(name);
    text += u" = ";
    text += values::doubleToText(value, separator);
    text += after;
    return text;
}

std::u16string explain(std::u16string_view formula, std::initializer_list<std::u16string> terms)
{
    std::u16string text(formula);
    for (const std::u16string& each : terms) {
        text += u", ";
        text += each;
    }
    return text;
}

namespace {

// What a text has to say for itself when its guard turned it away: the
// guards let through exactly the texts that start with a digit (and, where
// the guard is only against an empty box, everything else too), so a text
// that reads and was turned away was typed after a blank, a sign or a
// separator, or is zero.
Cause turnedAway(double value)
{
    if (value < 0.0)
        return Cause::Negative;
    return value == 0.0 ? Cause::Zero : Cause::NotStartingWithDigit;
}

// "72.5" where the separator is a comma reads as "72,5", and the other way round.
std::u16string withSeparatorsSwapped(std::u16string_view text)
{
    std::u16string swapped(text);
    for (char16_t& character : swapped) {
        if (character == u'.' || character == u',')
            character = character == u'.' ? u',' : u'.';
    }
    return swapped;
}

bool reads(std::u16string_view text, char16_t separator)
{
    try {
        (void)values::toNumber(text, separator);
        return true;
    } catch (const values::Error&) {
        return false;
    }
}

// A character a user cannot see, or cannot tell from the one meant.
std::optional<Cause> lookalike(char16_t character)
{
    switch (character) {
    case u'\n':
    case u'\r':
    case u'\u2028':
    case u'\u2029':
        return Cause::LineBreak;
    case u'\t':
        return Cause::Tab;
    case u'\u00A0':
    case u'\u2007':
    case u'\u202F':
        return Cause::NoBreakSpace;
    case u'\u2212':
        return Cause::MinusSign;
    default:
        return std::nullopt;
    }
}

// The text as the user meant it: a minus sign for the lookalike one, and
// nothing for a character that looks like a blank or like nothing.
std::u16string asMeant(std::u16string_view text)
{
    std::u16string meant;
    for (const char16_t character : text) {
        if (const auto cause = lookalike(character); !cause)
            meant += character;
        else if (*cause == Cause::MinusSign)
            meant += u'-';
    }
    return meant;
}

// The first lookalike character, where the text would read without it.
std::optional<Cause> lookalikeInTheWay(std::u16string_view text, char16_t separator)
{
    for (const char16_t character : text) {
        if (const auto cause = lookalike(character))
            return reads(asMeant(text), separator) ? cause : std::nullopt;
    }
    return std::nullopt;
}

// Why a text that does not read cannot be read.
Cause unreadable(std::u16string_view text, values::ErrorKind kind, char16_t separator)
{
    const Cause cause = readingCause(kind);
    if (cause != Cause::NotANumber)
        return cause;
    if (const auto inTheWay = lookalikeInTheWay(text, separator))
        return *inTheWay;
    return reads(withSeparatorsSwapped(text), separator) ? Cause::OtherSeparator : cause;
}

std::optional<Cause> ownReason(std::u16string_view text, bool turnedAwayByGuard, char16_t separator)
{
    if (text.empty())
        return turnedAwayByGuard ? std::optional(Cause::Missing) : std::nullopt;
    try {
        const double value = values::toNumber(text, separator);
        return turnedAwayByGuard ? std::optional(turnedAway(value)) : std::nullopt;
    } catch (const values::Error& error) {
        return unreadable(text, error.kind(), separator);
    }
}

bool isUnreadable(const std::optional<Cause>& reason)
{
    using enum Cause;
    return reason == NotANumber || reason == OtherSeparator || reason == NumberTooLarge || reason == LineBreak
        || reason == Tab || reason == NoBreakSpace || reason == MinusSign;
}

} // namespace

std::vector<std::optional<Cause>> reasons(const Outcome& outcome, const std::vector<std::u16string>& texts,
                                          char16_t separator)
{
    const auto* declined = std::get_if<Declined>(&outcome);
    std::vector<std::optional<Cause>> result;
    result.reserve(texts.size());
    bool everyTextReads = true;
    Inputs input = firstInput;
    for (const std::u16string& text : texts) {
        result.push_back(ownReason(text, declined != nullptr && (declined->inputs & input) != 0, separator));
        everyTextReads = everyTextReads && !isUnreadable(result.back());
        input <<= 1U;
    }
    const auto* failure = std::get_if<Failed>(&outcome);
    if (!everyTextReads || failure == nullptr)
        return result;
    input = firstInput;
    for (auto& reason : result) {
        if ((failure->inputs & input) != 0)
            reason = failure->cause;
        input <<= 1U;
    }
    return result;
}

} // namespace calculators
