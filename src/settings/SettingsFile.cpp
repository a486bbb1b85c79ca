#include "settings/SettingsFile.h"

#include <optional>

#include "core/NumberText.h"
#include "settings/ProfileFile.h"

namespace brixel {

namespace {

std::string FlagText(std::optional<bool> flag)
{
    if (!flag) {
        return {};
    }
    return *flag ? "True" : "False";
}

std::optional<bool> ParseFlag(const std::optional<std::string>& text)
{
    if (!text) {
        return std::nullopt;
    }
    if (EqualNoCase(*text, "True") || *text == "-1") {
        return true;
    }
    if (EqualNoCase(*text, "False") || *text == "0") {
        return false;
    }
    return std::nullopt;
}

}  // namespace

std::string WriteSettingsText(std::string_view text, const Settings& settings)
{
    std::string result = WriteProfileString(text, SettingsSection, StartingLevelKey, LevelText(settings.StartingLevel));
    result = WriteProfileString(result, SettingsSection, FillLinesKey, FlagText(settings.FillLines));
    result = WriteProfileString(result, SettingsSection, PlaySoundsKey, FlagText(settings.PlaySounds));
    result = WriteProfileString(result, SettingsSection, HideSplashKey, FlagText(settings.HideSplash));
    return result;
}

Settings ReadSettingsText(std::string_view text)
{
    Settings settings;
    if (const std::optional<std::string> level = ReadProfileString(text, SettingsSection, StartingLevelKey)) {
        settings.StartingLevel = CheckLevelText(*level);
    }
    settings.FillLines = ParseFlag(ReadProfileString(text, SettingsSection, FillLinesKey));
    settings.PlaySounds = ParseFlag(ReadProfileString(text, SettingsSection, PlaySoundsKey));
    settings.HideSplash = ParseFlag(ReadProfileString(text, SettingsSection, HideSplashKey));
    return settings;
}

}  // namespace brixel
