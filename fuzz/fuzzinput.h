#pragma once

// What the fuzz targets share: reading fuzz bytes as the values a user or a
// calculation can produce, reference spellings to compare with, and turning a
// broken property into a crash that libFuzzer reports and saves.

#include "error.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace fuzz {

// The most a text box holds, so the longest text a user can type or paste.
inline constexpr std::size_t boxLength = 32767;

// Non-ASCII units that look like, or might be mistaken for, parts of a number,
// and a few that are awkward in any text.
inline constexpr std::array<char16_t, 64> lookalikes{
    u'\u00A0', u'\u2007', u'\u2009', u'\u202F', u'\u3000', u'\uFEFF', u'\u200B', u'\u00AD', // blanks
    u'\u2212', u'\u2012', u'\u2013', u'\uFE63', u'\uFF0B', u'\uFF0D', u'\u207A', u'\u02D7', // signs
    u'\u066B', u'\u066C', u'\u060C', u'\uFF0C', u'\uFF0E', u'\u00B7', u'\u2024', u'\u3002', // separators
    u'\u0660', u'\u0661', u'\u06F5', u'\u0966', u'\uFF10', u'\uFF19', u'\u00B2', u'\u2070', // digits
    u'\u00BD', u'\u2155', u'\u2160', u'\u0415', u'\u0435', u'\u0395', u'\uFF25', u'\uFF45', // numbers, Es
    u'\u212F', u'\u2147', u'\u00C4', u'\u00E4', u'\u00D6', u'\u00F6', u'\u00C5', u'\u20AC', // Es, letters
    u'\u00B0', u'\u221E', u'\uFFFD', u'\uFFFF', 0xD800,    0xDBFF,    0xDC00,    0xDFFF,    // odd units, lone surrogates
    u'\u4E00', u'\u4E8C', u'\u0301', u'\u200E', u'\u200F', u'\u202E', u'\u2028', u'\u0085', // scripts, controls
};

// The fuzz bytes, taken from the front; past their end every byte reads as zero.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    [[nodiscard]] bool atEnd() const { return position_ == size_; }

    std::uint8_t byte() { return atEnd() ? 0 : data_[position_++]; }

    template <typename T>
    T value()
    {
        static_assert(std::is_trivially_copyable_v<T>);
        std::array<std::uint8_t, sizeof(T)> bytes{};
        for (auto& byte : bytes)
            byte = this->byte();
        T result;
        std::memcpy(&result, bytes.data(), sizeof result);
        return result;
    }

    // Up to `limit` units, or the rest. A byte below 0x80 is that ASCII
    // character, so seed files read as what they test; 0x80 to 0xBF picks a
    // lookalike; from 0xC0 on, the next two bytes are any UTF-16 unit at all.
    std::u16string text(std::size_t limit = std::numeric_limits<std::size_t>::max())
    {
        std::u16string result;
        while (!atEnd() && result.size() < limit) {
            const std::uint8_t lead = byte();
            if (lead < 0x80)
                result += static_cast<char16_t>(lead);
            else if (lead < 0xC0)
                result += lookalikes[lead - 0x80U];
            else
                result += anyUnit();
        }
        return result;
    }

private:
    char16_t anyUnit()
    {
        const auto high = static_cast<unsigned>(byte());
        return static_cast<char16_t>(high << 8U | byte());
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// The decimal separators locales use: comma, full stop, the Arabic one.
inline char16_t separatorFrom(std::uint8_t choice)
{
    constexpr std::array<char16_t, 3> separators{u',', u'.', u'\u066B'};
    return separators[choice % separators.size()];
}

// The text repeated up to the most a box holds: bad input at its longest.
inline std::u16string filledBox(std::u16string_view text)
{
    std::u16string box;
    while (!text.empty() && box.size() < boxLength)
        box.append(text.substr(0, boxLength - box.size()));
    return box;
}

// ASCII as the program writes it: `separator` for the point, E for the exponent.
inline std::u16string widened(std::string_view ascii, char16_t separator)
{
    std::u16string text;
    for (const char c : ascii)
        text += c == '.' ? separator : c == 'e' ? u'E' : static_cast<char16_t>(c);
    return text;
}

// A fixed-point count written by plain integer printing: the whole part, then
// four decimals with the trailing zeros and a bare point cut.
inline std::u16string referenceFixedText(std::int64_t count, char16_t separator)
{
    const auto magnitude = count < 0 ? 0ULL - static_cast<unsigned long long>(count)
                                     : static_cast<unsigned long long>(count);
    std::array<char, 32> printed{};
    std::snprintf(printed.data(), printed.size(), "%s%llu.%04llu", count < 0 ? "-" : "", magnitude / 10000,
                  magnitude % 10000);
    std::string ascii(printed.data());
    while (ascii.back() == '0')
        ascii.pop_back();
    if (ascii.back() == '.')
        ascii.pop_back();
    return widened(ascii, separator);
}

// A double as the C library writes it with 15 significant digits; zero of
// either sign is the plain digit.
inline std::u16string referenceDoubleText(double value, char16_t separator)
{
    if (value == 0.0)
        return u"0";
    std::array<char, 64> printed{};
    std::snprintf(printed.data(), printed.size(), "%.15g", value);
    return widened(printed.data(), separator);
}

// Shows the property and the text it failed for, then crashes so that
// libFuzzer keeps the input.
[[noreturn]] inline void violated(const char* property, std::u16string_view text = {})
{
    std::fprintf(stderr, "\nProperty violated: %s\n", property);
    if (!text.empty()) {
        std::fprintf(stderr, "Text (%zu units):", text.size());
        for (std::size_t i = 0; i < text.size() && i < 80; ++i)
            std::fprintf(stderr, " %04X", static_cast<unsigned>(text[i]));
        std::fprintf(stderr, "\n");
    }
    std::abort();
}

inline void require(bool holds, const char* property, std::u16string_view text = {})
{
    if (!holds)
        violated(property, text);
}

// A value step's result, or the kind of the value error it raised. Any other
// exception goes on and ends the run as a crash: no other kind may escape.
template <typename Step>
auto attempt(Step&& step) -> std::variant<decltype(step()), values::ErrorKind>
{
    try {
        return step();
    } catch (const values::Error& error) {
        return error.kind();
    }
}

template <typename Result>
bool failedWith(const Result& result, values::ErrorKind kind)
{
    const auto* raised = std::get_if<values::ErrorKind>(&result);
    return raised != nullptr && *raised == kind;
}

} // namespace fuzz
