#include "settings/LevelText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

namespace brixel {

namespace {

// A decimal number taken apart into ASCII digits, before it becomes a double.
struct DecimalParts {
    bool negative = false;
    std::string whole;     // digits before the decimal separator
    std::string fraction;  // digits after it
    std::string exponent;  // optional sign and digits; empty for none
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Decimal exponent of the leading digit, enough to tell a number that is too
// large for a double from one that is too small.
long long Magnitude(const DecimalParts& d)
{
    constexpr long long Limit = 1'000'000'000;
    long long exponent = 0;
    bool negativeExponent = false;
    for (char c : d.exponent) {
        if (c == '-') {
            negativeExponent = true;
        } else if (IsDigit(c) && exponent < Limit) {
            exponent = exponent * 10 + (c - '0');
        }
    }
    if (negativeExponent) {
        exponent = -exponent;
    }
    const std::size_t firstWhole = d.whole.find_first_not_of('0');
    if (firstWhole != std::string::npos) {
        return static_cast<long long>(d.whole.size() - firstWhole) + exponent;
    }
    const std::size_t firstFraction = d.fraction.find_first_not_of('0');
    if (firstFraction != std::string::npos) {
        return exponent - static_cast<long long>(firstFraction);
    }
    return 0;
}

// Locale-independent on purpose: the C library's own conversion would follow
// the process locale, which a German desktop sets to a decimal comma.
double ToDouble(const DecimalParts& d)
{
    std::string s;
    if (d.negative) {
        s += '-';
    }
    s += d.whole.empty() ? std::string("0") : d.whole;
    if (!d.fraction.empty()) {
        s.append(".").append(d.fraction);
    }
    if (!d.exponent.empty()) {
        s.append("e").append(d.exponent);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        value = Magnitude(d) > 0 ? std::numeric_limits<double>::max() : 0.0;
        if (d.negative) {
            value = -value;
        }
    } else if (error != std::errc{} || end != s.data() + s.size()) {
        value = 0.0;
    }
    if (value == 0.0) {
        value = 0.0;  // no "-0" level
    }
    return value;
}

// Reads through the level box's text the way the OK button does: blanks do
// not count anywhere.
class LeadingNumberReader {
public:
    explicit LeadingNumberReader(std::string_view text) : m_text(text) {}

    char Peek()
    {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' || m_text[m_pos] == '\n')) {
            ++m_pos;
        }
        return m_pos < m_text.size() ? m_text[m_pos] : '\0';
    }

    char Take() { return m_text[m_pos++]; }

    // Appends every digit that follows to `out`; false when there was none.
    bool TakeDigits(std::string& out)
    {
        bool any = false;
        while (IsDigit(Peek())) {
            out += Take();
            any = true;
        }
        return any;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

// Groups of a grouped whole part: the first one to three digits without a
// leading zero, every further one exactly three.
bool GroupsWellFormed(const std::vector<std::size_t>& groupSizes, const std::string& whole)
{
    if (groupSizes.front() < 1 || groupSizes.front() > 3 || whole.front() == '0') {
        return false;
    }
    for (std::size_t i = 1; i < groupSizes.size(); ++i) {
        if (groupSizes[i] != 3) {
            return false;
        }
    }
    return true;
}

}  // namespace

double ParseLeadingNumber(std::string_view text)
{
    LeadingNumberReader reader(text);
    DecimalParts d;
    const char sign = reader.Peek();
    if (sign == '-' || sign == '+') {
        d.negative = sign == '-';
        reader.Take();
    }
    bool digits = reader.TakeDigits(d.whole);
    if (reader.Peek() == '.') {
        reader.Take();
        digits = reader.TakeDigits(d.fraction) || digits;
    }
    if (!digits) {
        return 0.0;
    }
    const char e = reader.Peek();
    if (e == 'e' || e == 'E') {
        reader.Take();
        std::string exponent;
        const char exponentSign = reader.Peek();
        if (exponentSign == '-' || exponentSign == '+') {
            exponent += reader.Take();
        }
        if (reader.TakeDigits(exponent)) {
            d.exponent = exponent;
        }
    }
    return ToDouble(d);
}

std::optional<double> CheckLevelText(std::string_view text, std::string_view decimalSeparator,
                                     std::string_view groupSeparator)
{
    if (decimalSeparator.empty()) {
        decimalSeparator = ".";
    }
    if (groupSeparator == decimalSeparator) {
        groupSeparator = {};
    }
    text = TrimBlanks(text);
    DecimalParts d;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        d.negative = text.front() == '-';
        text.remove_prefix(1);
    }

    std::vector<std::size_t> groupSizes{0};
    while (!text.empty() && !text.starts_with(decimalSeparator)) {
        if (!groupSeparator.empty() && text.starts_with(groupSeparator)) {
            groupSizes.push_back(0);
            text.remove_prefix(groupSeparator.size());
        } else if (IsDigit(text.front())) {
            d.whole += text.front();
            ++groupSizes.back();
            text.remove_prefix(1);
        } else {
            return std::nullopt;
        }
    }
    if (groupSizes.size() > 1 && !GroupsWellFormed(groupSizes, d.whole)) {
        return std::nullopt;
    }
    if (text.starts_with(decimalSeparator)) {
        text.remove_prefix(decimalSeparator.size());
        while (!text.empty() && IsDigit(text.front())) {
            d.fraction += text.front();
            text.remove_prefix(1);
        }
    }
    if (!text.empty() || (d.whole.empty() && d.fraction.empty())) {
        return std::nullopt;
    }

    const double level = ToDouble(d);
    if (level < LowestStartingLevel || level > HighestStartingLevel) {
        return std::nullopt;
    }
    return level;
}

std::string LevelToText(std::optional<double> level, std::string_view decimalSeparator)
{
    if (!level || !std::isfinite(*level)) {
        return {};
    }
    if (*level == 0.0) {
        return "0";
    }
    // Plain notation of the shortest text that reads back as the same double;
    // the widest double in that form needs a few hundred characters.
    std::array<char, 512> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), *level, std::chars_format::fixed);
    if (error != std::errc{}) {
        return {};
    }
    std::string text(buffer.data(), end);
    const std::size_t point = text.find('.');
    if (point != std::string::npos && !decimalSeparator.empty()) {
        text.replace(point, 1, decimalSeparator);
    }
    return text;
}

}  // namespace brixel
