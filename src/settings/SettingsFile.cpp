#include "settings/SettingsFile.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "settings/LevelText.h"
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

// A missing file reads as empty text. False when the file exists but cannot
// be read, so the caller does not overwrite what it could not see.
bool ReadWholeFile(const std::filesystem::path& path, std::string& text)
{
    text.clear();
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return true;
    }
    if (error || !std::filesystem::is_regular_file(status)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Writes a sibling file and renames it over the old one, so a program that
// is killed halfway leaves either the old settings or the new ones, never a
// cut-off file.
bool WriteWholeFile(const std::filesystem::path& path, const std::string& text)
{
    std::filesystem::path temporary = path;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (out.fail()) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

}  // namespace

std::string WriteSettingsText(std::string_view text, const Settings& settings)
{
    std::string result = WriteProfileString(text, SettingsSection, StartingLevelKey, LevelToText(settings.StartingLevel));
    result = WriteProfileString(result, SettingsSection, FillLinesKey, FlagText(settings.FillLines));
    result = WriteProfileString(result, SettingsSection, PlaySoundsKey, FlagText(settings.PlaySounds));
    result = WriteProfileString(result, SettingsSection, HideSplashKey, FlagText(settings.HideSplash));
    return result;
}

Settings ReadSettingsText(std::string_view text)
{
    Settings settings;
    if (const std::optional<std::string> level = ReadProfileString(text, SettingsSection, StartingLevelKey)) {
        settings.StartingLevel = CheckLevelText(*level, ".", "");
    }
    settings.FillLines = ParseFlag(ReadProfileString(text, SettingsSection, FillLinesKey));
    settings.PlaySounds = ParseFlag(ReadProfileString(text, SettingsSection, PlaySoundsKey));
    settings.HideSplash = ParseFlag(ReadProfileString(text, SettingsSection, HideSplashKey));
    return settings;
}

bool SaveSettings(const Settings& settings, const std::filesystem::path& iniPath)
{
    std::string text;
    if (!ReadWholeFile(iniPath, text)) {
        return false;
    }
    if (iniPath.has_parent_path()) {
        std::error_code ignored;
        std::filesystem::create_directories(iniPath.parent_path(), ignored);
    }
    return WriteWholeFile(iniPath, WriteSettingsText(text, settings));
}

Settings LoadSettings(const std::filesystem::path& iniPath)
{
    std::string text;
    if (!ReadWholeFile(iniPath, text)) {
        return {};
    }
    return ReadSettingsText(text);
}

}  // namespace brixel
