// Arbitrary INI text, edited the way the options dialog saves: one key written
// into one section, and all four options written at once. Whatever the text
// holds, a storable value must read back as written, writing it again must be
// a no-op, and the player's own lines must survive untouched.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "FuzzCheck.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsFile.h"

using namespace brixel;

namespace {

// Comparing every key of a huge text would make each run slow without
// finding more: the first keys are enough.
constexpr std::size_t MaxComparedKeys = 48;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool SameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

struct KeyRef {
    std::string Section;
    std::string Key;
};

// The section and key names that appear in `text`, in order, found by a
// rough reading of the lines: good enough to pick keys to compare.
std::vector<KeyRef> KeysOf(std::string_view text, std::size_t limit)
{
    std::vector<KeyRef> keys;
    std::string section;
    std::size_t pos = 0;
    while (pos < text.size() && keys.size() < limit) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = Trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            if (const std::size_t close = line.find(']'); close != std::string_view::npos) {
                section = std::string(Trim(line.substr(1, close - 1)));
            }
            continue;
        }
        if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
            keys.push_back({section, std::string(Trim(line.substr(0, equals)))});
        }
    }
    return keys;
}

bool HasLineBreak(std::string_view s)
{
    return s.find_first_of("\r\n") != std::string_view::npos;
}

// Whether the value can be stored: one line for each part, a section name
// without ']', a key without '=' that does not look like a comment or header.
bool Storable(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string_view trimmedKey = Trim(key);
    return !section.empty() && !HasLineBreak(section) && section.find(']') == std::string_view::npos &&
           !trimmedKey.empty() && !HasLineBreak(key) && key.find('=') == std::string_view::npos &&
           trimmedKey.front() != ';' && trimmedKey.front() != '[' && !HasLineBreak(value);
}

// The write touched at most one line of the old text: `after` is `before`
// with one stretch replaced, and the stretch of `before` that went away holds
// no line break, so no line was lost or joined with another.
bool ChangedWithinOneLine(std::string_view before, std::string_view after)
{
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < shorter && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    // newlines[i]: line breaks among the first i bytes of `before`.
    std::vector<std::size_t> newlines(before.size() + 1, 0);
    for (std::size_t i = 0; i < before.size(); ++i) {
        newlines[i + 1] = newlines[i] + (before[i] == '\n' ? 1 : 0);
    }
    // Any split into common start, changed middle and common end will do.
    for (std::size_t p = 0; p <= prefix; ++p) {
        const std::size_t s = std::min(suffix, shorter - p);
        const std::size_t removedEnd = before.size() - s;
        if (newlines[removedEnd] == newlines[p]) {
            return true;
        }
    }
    return false;
}

void CheckOtherKeysKept(std::string_view before, std::string_view after,
                        const std::vector<std::pair<std::string_view, std::string_view>>& written)
{
    for (const KeyRef& ref : KeysOf(before, MaxComparedKeys)) {
        const bool isWritten = std::any_of(written.begin(), written.end(), [&](const auto& w) {
            return SameName(Trim(w.first), ref.Section) && SameName(Trim(w.second), ref.Key);
        });
        if (!isWritten) {
            FUZZ_CHECK(ReadProfileString(before, ref.Section, ref.Key) ==
                       ReadProfileString(after, ref.Section, ref.Key));
        }
    }
}

void CheckWrite(std::string_view text, std::string_view section, std::string_view key, std::string_view value)
{
    const std::string written = WriteProfileString(text, section, key, value);
    if (!Storable(section, key, value)) {
        FUZZ_CHECK(written == text);
        return;
    }
    const std::optional<std::string> reread = ReadProfileString(written, section, key);
    FUZZ_CHECK(reread.has_value());
    FUZZ_CHECK(*reread == Trim(value));
    FUZZ_CHECK(WriteProfileString(written, section, key, value) == written);
    FUZZ_CHECK(ChangedWithinOneLine(text, written));
    CheckOtherKeysKept(text, written, {{section, key}});
}

std::optional<bool> FlagFrom(unsigned bits)
{
    switch (bits & 3U) {
    case 1: return true;
    case 2: return false;
    default: return std::nullopt;
    }
}

// The options from the header bytes: two bits per flag (unset, true, false),
// the top two bits choose how the level is made from the eight level bytes.
Settings SettingsFrom(std::uint8_t flags, const std::uint8_t (&levelBytes)[8])
{
    Settings s;
    s.FillLines = FlagFrom(flags);
    s.PlaySounds = FlagFrom(flags >> 2);
    s.HideSplash = FlagFrom(flags >> 4);
    switch (flags >> 6) {
    case 0: break;
    case 1: s.StartingLevel = levelBytes[0] % 15 - 2; break;           // whole levels -2..12
    case 2: s.StartingLevel = levelBytes[0] % 201 / 20.0; break;      // 0..10 in twentieths
    default: {
        // Any double at all: fractions, tiny and huge numbers, NaN, infinities.
        double level = 0.0;
        std::memcpy(&level, levelBytes, sizeof level);
        s.StartingLevel = level;
    }
    }
    return s;
}

// What reading the options back must give: the flags as written, a level only
// when it is one the game can start at.
Settings Expected(Settings s)
{
    if (s.StartingLevel && !(*s.StartingLevel >= 0.0 && *s.StartingLevel <= 9.0)) {
        s.StartingLevel.reset();
    }
    return s;
}

void CheckSettings(std::string_view text, const Settings& settings)
{
    const Settings found = ReadSettingsText(text);
    if (found.StartingLevel) {
        FUZZ_CHECK(*found.StartingLevel >= 0.0 && *found.StartingLevel <= 9.0);
    }

    const std::string written = WriteSettingsText(text, settings);
    FUZZ_CHECK(ReadSettingsText(written) == Expected(settings));
    FUZZ_CHECK(WriteSettingsText(written, settings) == written);
    CheckOtherKeysKept(text, written,
                       {{SettingsSection, StartingLevelKey},
                        {SettingsSection, FillLinesKey},
                        {SettingsSection, PlaySoundsKey},
                        {SettingsSection, HideSplashKey}});
}

}  // namespace

// Input: a header of HeaderSize bytes (a mode byte, the options byte, eight
// level bytes), then section, key and value, each ended by a backslash and one
// more character, then the INI text. With mode bit 0 the section and key are
// instead taken from the text's own key lines (bits 2..7 choose which), so
// that existing keys are overwritten as often as new ones are added; with
// bit 1 only the section is taken and the key is new.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t HeaderSize = 10;
    std::uint8_t header[HeaderSize] = {};
    const std::size_t skip = std::min(size, HeaderSize);
    if (skip != 0) {
        std::memcpy(header, data, skip);
    }
    const std::uint8_t mode = header[0];
    std::uint8_t levelBytes[8];
    std::memcpy(levelBytes, header + 2, sizeof levelBytes);
    const Settings settings = SettingsFrom(header[1], levelBytes);

    FuzzedDataProvider input(data + skip, size - skip);
    std::string section = input.ConsumeRandomLengthString(64);
    std::string key = input.ConsumeRandomLengthString(64);
    const std::string value = input.ConsumeRandomLengthString(64);
    const std::string text = input.ConsumeRemainingBytesAsString();

    if ((mode & 3U) != 0) {
        const std::vector<KeyRef> keys = KeysOf(text, 64);
        if (!keys.empty()) {
            const KeyRef& pick = keys[(mode >> 2) % keys.size()];
            section = pick.Section;
            if ((mode & 1U) != 0) {
                key = pick.Key;
            }
        }
    }

    CheckWrite(text, section, key, value);
    CheckSettings(text, settings);
    return 0;
}
