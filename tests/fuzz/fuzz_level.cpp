// The level box of the options dialog, fed arbitrary text under the number
// formats of real desktops. The OK button reads the box with
// ParseLeadingNumber and checks it with CheckLevelText; neither may hand the
// game a level it cannot start at, and both must agree with the C library on
// what number the text spells.

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "settings/LevelText.h"

using namespace brixel;

namespace {

struct NumberFormat {
    std::string_view Decimal;
    std::string_view Group;
};

// Decimal and digit-group separators as desktops spell them.
constexpr NumberFormat Formats[] = {
    {".", ","},              // English
    {",", "."},              // German
    {",", "\xC2\xA0"},       // French: no-break space
    {",", "\xE2\x80\xAF"},   // narrow no-break space
    {".", "'"},              // Swiss
    {".", "\xE2\x80\x99"},   // Swiss, typographic apostrophe
    {",", " "},              // plain space
    {"\xD9\xAB", "\xD9\xAC"},  // Arabic separators
    {".", ""},               // no grouping
    {"", ""},                // nothing configured: a point
    {",", ","},              // the same sign for both: no grouping
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// The number ParseLeadingNumber has to find, worked out independently: the
// text without its blanks, cut after the longest leading run that forms a
// decimal number, converted by strtod in the "C" locale.
double ReferenceNumber(std::string_view text)
{
    std::string s;
    for (char c : text) {
        if (!IsSkipped(c)) {
            s += c;
        }
    }
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) {
            ++e;
        }
        if (e < s.size() && IsDigit(s[e])) {
            while (e < s.size() && IsDigit(s[e])) {
                ++e;
            }
            i = e;
        }
    }
    s.resize(i);
    double value = std::strtod(s.c_str(), nullptr);
    if (std::isinf(value)) {
        value = std::copysign(std::numeric_limits<double>::max(), value);
    }
    return value == 0.0 ? 0.0 : value;
}

bool SameDouble(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

// Replaces every occurrence of `from` in `text` by `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string out;
    std::size_t pos = 0;
    while (!from.empty()) {
        const std::size_t hit = text.find(from, pos);
        if (hit == std::string_view::npos) {
            break;
        }
        out.append(text.substr(pos, hit - pos)).append(to);
        pos = hit + from.size();
    }
    out.append(text.substr(pos));
    return out;
}

void CheckParse(std::string_view text)
{
    const double value = ParseLeadingNumber(text);
    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(!(value == 0.0 && std::signbit(value)));
    FUZZ_CHECK(SameDouble(value, ReferenceNumber(text)));
}

void CheckLevel(std::string_view text, const NumberFormat& format)
{
    const std::optional<double> level = CheckLevelText(text, format.Decimal, format.Group);
    if (!level) {
        return;
    }
    FUZZ_CHECK(*level >= LowestStartingLevel && *level <= HighestStartingLevel);
    FUZZ_CHECK(!std::signbit(*level));

    // The dialog shows a stored level in the same format; it must pass again
    // as the same number.
    const std::string shown = LevelToText(level, format.Decimal);
    FUZZ_CHECK(CheckLevelText(shown, format.Decimal, format.Group) == level);
    FUZZ_CHECK(SameDouble(ParseLeadingNumber(LevelToText(level, ".")), *level));

    // A text that passes is a plain number: spelt with a point and without
    // group signs, the OK button's reading gives the same level.
    const std::string_view decimal = format.Decimal.empty() ? std::string_view(".") : format.Decimal;
    std::string plain(text);
    if (!format.Group.empty() && format.Group != decimal) {
        plain = ReplaceAll(plain, format.Group, "");
    }
    plain = ReplaceAll(plain, decimal, ".");
    FUZZ_CHECK(SameDouble(ParseLeadingNumber(plain), *level));
}

// Every finite double written as the settings file stores a level reads back
// exactly; the game keeps only those within 0..9.
void CheckStoredLevel(double level)
{
    const std::string text = LevelToText(level);
    if (!std::isfinite(level)) {
        FUZZ_CHECK(text.empty());
        return;
    }
    FUZZ_CHECK(ParseLeadingNumber(text) == level);
    const std::optional<double> back = CheckLevelText(text, ".", "");
    if (level >= LowestStartingLevel && level <= HighestStartingLevel) {
        FUZZ_CHECK(back == level);
    } else {
        FUZZ_CHECK(!back);
    }
}

}  // namespace

// Input: one byte choosing the number format, then the text of the level box.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const NumberFormat& format = Formats[data[0] % std::size(Formats)];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    CheckParse(text);
    CheckLevel(text, format);

    double raw = 0.0;
    if (text.size() >= sizeof raw) {
        std::memcpy(&raw, text.data(), sizeof raw);
        CheckStoredLevel(raw);
    }
    return 0;
}
