// The game's number texts fed arbitrary text: LeadingNumber must agree with
// the C library on what number the text begins with, and CheckLevelText, the
// level box's check, may hand the game no level it cannot start at.

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
#include "core/NumberText.h"

using namespace brixel;

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// The number LeadingNumber has to find, worked out independently: the text
// after its leading blanks, cut after the longest leading run that forms a
// decimal number, converted by strtod in the "C" locale.
double ReferenceNumber(std::string_view text)
{
    while (!text.empty() && IsSkipped(text.front())) {
        text.remove_prefix(1);
    }
    std::string s(text);
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

void CheckParse(std::string_view text)
{
    const double value = LeadingNumber(text);
    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(SameDouble(value, ReferenceNumber(text)));
}

void CheckLevel(std::string_view text)
{
    const std::optional<double> level = CheckLevelText(text);
    if (!level) {
        return;
    }
    FUZZ_CHECK(*level >= LowestStartingLevel && *level <= HighestStartingLevel);
    FUZZ_CHECK(!std::signbit(*level));
    // A text that passes is a plain number, read the same by LeadingNumber,
    // and the dialog shows the level again as a text that passes.
    FUZZ_CHECK(SameDouble(LeadingNumber(text), *level));
    FUZZ_CHECK(CheckLevelText(LevelText(level)) == level);
}

// Every finite double written as the settings file stores a level reads back
// exactly; the game keeps only those within 0..9.
void CheckStoredLevel(double level)
{
    const std::string text = LevelText(level);
    if (!std::isfinite(level)) {
        FUZZ_CHECK(text.empty());
        return;
    }
    FUZZ_CHECK(LeadingNumber(text) == level);
    const std::optional<double> back = CheckLevelText(text);
    if (level >= LowestStartingLevel && level <= HighestStartingLevel) {
        FUZZ_CHECK(back == level);
    } else {
        FUZZ_CHECK(!back);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckParse(text);
    CheckLevel(text);

    double raw = 0.0;
    if (text.size() >= sizeof raw) {
        std::memcpy(&raw, text.data(), sizeof raw);
        CheckStoredLevel(raw);
    }
    return 0;
}
