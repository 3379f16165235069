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
        return Cause::NegativeRoot;
    }
    return Cause::ResultTooLarge;
}

double read(std::u16string_view text, Inputs input, char16_t separator)
{
    return blame(input, readingCause, [&] { return values::toNumber(text, separator); });
}

namespace {

std::optional<Cause> unreadable(std::u16string_view text, char16_t separator)
{
    if (text.empty())
        return std::nullopt;
    try {
        (void)values::toNumber(text, separator);
        return std::nullopt;
    } catch (const values::Error& error) {
        return readingCause(error.kind());
    }
}

} // namespace

std::vector<std::optional<Cause>> marks(const Outcome& outcome, const std::vector<std::u16string>& texts,
                                        char16_t separator)
{
    std::vector<std::optional<Cause>> result;
    result.reserve(texts.size());
    bool everyTextReads = true;
    for (const std::u16string& text : texts) {
        result.push_back(unreadable(text, separator));
        everyTextReads = everyTextReads && !result.back();
    }
    const auto* failure = std::get_if<Failed>(&outcome);
    if (!everyTextReads || failure == nullptr)
        return result;
    Inputs input = firstInput;
    for (auto& mark : result) {
        if ((failure->inputs & input) != 0)
            mark = failure->cause;
        input <<= 1U;
    }
    return result;
}

} // namespace calculators
