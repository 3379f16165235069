#include "number.h"

#include "error.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace values {

namespace {

constexpr bool isBlank(char16_t unit) { return unit == u' '; }
constexpr bool isDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }

std::u16string_view trimBlanks(std::u16string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

[[noreturn]] void fail(ErrorKind kind) { throw Error(kind); }

// A number checked against the accepted spelling and rewritten in the one form
// std::from_chars reads, which rounds correctly and, unlike strtod, never
// depends on the process's locale.
struct Spelling {
    std::string plain;
    // The power of ten of the leading significant digit, exponent included;
    // tells an overflow from an underflow when from_chars reports either.
    std::int64_t magnitude = 0;
};

class Reader {
public:
    Reader(std::u16string_view text, char16_t separator) : text_(text), separator_(separator) {}

    Spelling read()
    {
        spelling_.plain.reserve(text_.size() + 1);
        readSign();
        readMantissa();
        readExponent();
        if (position_ != text_.size())
            fail(ErrorKind::TypeMismatch);
        spelling_.magnitude = leadingPower_ + exponent_;
        return std::move(spelling_);
    }

private:
    [[nodiscard]] bool atEnd() const { return position_ == text_.size(); }
    [[nodiscard]] char16_t current() const { return text_[position_]; }

    void readSign()
    {
        if (atEnd())
            return;
        if (current() == u'-')
            spelling_.plain += '-';
        if (current() == u'-' || current() == u'+')
            ++position_;
    }

    void readMantissa()
    {
        bool separatorSeen = false;
        std::int64_t digits = 0;
        for (; !atEnd(); ++position_) {
            const char16_t unit = current();
            if (isDigit(unit)) {
                ++digits;
                trackLeadingPower(unit, separatorSeen);
                spelling_.plain += static_cast<char>(unit);
            } else if (unit == separator_ && !separatorSeen) {
                separatorSeen = true;
                spelling_.plain += '.';
            } else {
                break;
            }
        }
        if (digits == 0)
            fail(ErrorKind::TypeMismatch);
    }

    void trackLeadingPower(char16_t digit, bool inFraction)
    {
        if (significantSeen_ && inFraction)
            return;
        if (!inFraction) {
            if (significantSeen_ || digit != u'0') {
                significantSeen_ = true;
                ++leadingPower_;
            }
        } else if (digit == u'0') {
            --fractionPower_;
        } else {
            significantSeen_ = true;
            leadingPower_ = fractionPower_;
        }
    }

    void readExponent()
    {
        if (atEnd() || (current() != u'E' && current() != u'e'))
            return;
        ++position_;
        spelling_.plain += 'e';
        bool negative = false;
        if (!atEnd() && (current() == u'-' || current() == u'+')) {
            negative = current() == u'-';
            spelling_.plain += static_cast<char>(current());
            ++position_;
        }
        const std::size_t firstDigit = position_;
        // Saturated: any exponent this large already decides the outcome.
        constexpr std::int64_t saturation = 1'000'000'000;
        for (; !atEnd() && isDigit(current()); ++position_) {
            spelling_.plain += static_cast<char>(current());
            if (exponent_ < saturation)
                exponent_ = exponent_ * 10 + (current() - u'0');
        }
        if (position_ == firstDigit)
            fail(ErrorKind::TypeMismatch);
        if (negative)
            exponent_ = -exponent_;
    }

    std::u16string_view text_;
    char16_t separator_;
    std::size_t position_ = 0;
    bool significantSeen_ = false;
    std::int64_t leadingPower_ = -1;
    std::int64_t fractionPower_ = -1;
    std::int64_t exponent_ = 0;
    Spelling spelling_;
};

} // namespace

double toNumber(std::u16string_view text, char16_t separator)
{
    const Spelling spelling = Reader(trimBlanks(text), separator).read();
    const char* first = spelling.plain.data();
    const char* last = first + spelling.plain.size();
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        if (spelling.magnitude >= 0)
            fail(ErrorKind::Overflow);
        // Too small for even a subnormal: the nearest double is zero.
        return spelling.plain.front() == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc() || end != last)
        fail(ErrorKind::TypeMismatch); // cannot happen for a checked spelling
    return value;
}

std::u16string doubleToText(double value, char16_t separator)
{
    if (value == 0.0)
        return u"0"; // also for -0, which has nothing to show a sign for
    constexpr int significantDigits = 15;
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, significantDigits);
    std::u16string text;
    for (const char* c = buffer.data(); c != result.ptr; ++c) {
        if (*c == '.')
            text += separator;
        else if (*c == 'e')
            text += u'E';
        else
            text += static_cast<char16_t>(*c);
    }
    return text;
}

namespace {

double checkedResult(double result)
{
    if (!std::isfinite(result))
        fail(ErrorKind::Overflow);
    return result;
}

} // namespace

double checkedMultiply(double value, double factor) { return checkedResult(value * factor); }

double checkedDivide(double value, double divisor)
{
    if (divisor == 0.0)
        fail(value == 0.0 ? ErrorKind::Overflow : ErrorKind::DivisionByZero);
    return checkedResult(value / divisor);
}

double squareRoot(double value)
{
    if (value < 0.0)
        fail(ErrorKind::InvalidArgument);
    return std::sqrt(value);
}

} // namespace values
