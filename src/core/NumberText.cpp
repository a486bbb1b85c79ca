#include "core/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>

namespace brixel {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// Walks through a number's text after the blanks before it.
class NumberReader {
public:
    explicit NumberReader(std::string_view text) : m_text(text)
    {
        while (m_pos < m_text.size() && IsBlank(m_text[m_pos])) {
            ++m_pos;
        }
    }

    char Peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }

    char Take() { return m_text[m_pos++]; }

    // Appends every digit that follows to `out`; false when there was none.
    bool TakeDigits(std::string& out)
    {
        const std::size_t before = out.size();
        while (IsDigit(Peek())) {
            out += Take();
        }
        return out.size() > before;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// Whether a number that a double cannot hold (digits, an optional fraction and
// an optional exponent, no sign) is too large rather than too small: the
// decimal exponent of its first significant digit decides.
bool TooLarge(std::string_view number)
{
    constexpr long long Limit = 1'000'000'000;
    long long exponent = 0;
    const std::size_t e = number.find_first_of("eE");
    if (e != std::string_view::npos) {
        for (char c : number.substr(e + 1)) {
            if (IsDigit(c) && exponent < Limit) {
                exponent = exponent * 10 + (c - '0');
            }
        }
        if (number.substr(e + 1).starts_with('-')) {
            exponent = -exponent;
        }
        number = number.substr(0, e);
    }
    const std::size_t point = std::min(number.find('.'), number.size());
    const std::size_t firstDigit = number.find_first_not_of("0.");
    if (firstDigit == std::string_view::npos) {
        return false;
    }
    const long long places = firstDigit < point ? static_cast<long long>(point - firstDigit)
                                                : -static_cast<long long>(firstDigit - point - 1);
    return places + exponent > 0;
}

}  // namespace

double LeadingNumber(std::string_view text)
{
    // The number is gathered without its blanks and converted by from_chars,
    // which unlike the C library's conversion ignores the process locale.
    NumberReader reader(text);
    std::string number;
    if (reader.Peek() == '-' || reader.Peek() == '+') {
        number += reader.Take();
    }
    bool digits = reader.TakeDigits(number);
    if (reader.Peek() == '.') {
        number += reader.Take();
        digits = reader.TakeDigits(number) || digits;
    }
    if (!digits) {
        return 0.0;
    }
    if (reader.Peek() == 'e' || reader.Peek() == 'E') {
        std::string exponent(1, reader.Take());
        if (reader.Peek() == '-' || reader.Peek() == '+') {
            exponent += reader.Take();
        }
        if (reader.TakeDigits(exponent)) {
            number += exponent;
        }
    }
    // from_chars takes no sign of its own.
    const bool negative = number.front() == '-';
    const std::size_t signLength = negative || number.front() == '+' ? 1 : 0;
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(number.data() + signLength, number.data() + number.size(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        value = TooLarge(std::string_view(number).substr(signLength)) ? std::numeric_limits<double>::max() : 0.0;
    } else if (error != std::errc{}) {
        value = 0.0;
    }
    if (value == 0.0) {
        return 0.0;  // never -0
    }
    return negative ? -value : value;
}

std::string DecimalText(double value)
{
    if (!std::isfinite(value) || value == 0.0) {
        return "0";
    }
    const double size = std::fabs(value);
    const auto format = size >= 1e-5 && size < 1e15 ? std::chars_format::fixed : std::chars_format::general;
    std::array<char, 128> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format);
    return std::string(buffer.data(), result.ptr);
}

std::string LevelText(std::optional<double> level)
{
    if (!level || !std::isfinite(*level)) {
        return {};
    }
    if (*level == 0.0) {
        return "0";
    }
    // The widest double in plain notation needs a few hundred characters.
    std::array<char, 512> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), *level, std::chars_format::fixed);
    if (error != std::errc{}) {
        return {};
    }
    return std::string(buffer.data(), end);
}

std::optional<double> CheckLevelText(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        ++i;
    }
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            ++digits;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    const double level = LeadingNumber(text);
    if (!(level >= LowestStartingLevel && level <= HighestStartingLevel)) {
        return std::nullopt;
    }
    return level;
}

}  // namespace brixel
